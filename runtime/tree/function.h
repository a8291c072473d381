// Script functions and classes: calls, argument binding, slots put back after a
// call, and the host's entry into a script function.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/tree/block.h"
#include "runtime/tree/node.h"

namespace runtime {

// Script functions and classes. A function's variables keep one value per
// active call (its recursion levels). A class is a function with the method
// flag: calling it makes an instance whose members are the class's variables.
class CClassInstance;
class CSlotSaver;
class CNamedList;
class CValueList;
class CVarLevels;
class CVariable;

class CFunction : public CCompound {
public:
  explicit CFunction(CNode* owner);
  ~CFunction() override;

  ClassId Id() const override { return ClassId::kFunction; }
  CFunction* AsFunction() override { return this; }
  bool TruthValue() const override { return true; }

  // Takes over the parameter list (may be null); returns the body. With a
  // name, the owner block gets a variable of that name referring to the function.
  CBlock* Init(TextView name, CValueList* parameters, bool isClass, CFunction* base);
  const Value& Call(CContext& context, CValueList* args) override;
  // A call of a function that is no class; with positional, the caller
  // found every argument a value given by position.
  const Value& CallPlain(CContext& context, CValueList* args, bool positional);
  // Functions destroyed in the process so far, for the callers that keep
  // a function's address.
  static uint64_t FunctionsGone() { return functionsGone_; }
  // Links of base chains walked so far to keep a class out of its own chain.
  static uint64_t BaseLinksWalked() { return baseLinksWalked_; }
  CValue* Lookup(TextView name) override;
  // The body's names, then "result", "@", "this", "base", then the bases' scopes.
  CValue* FindInScope(TextView name);
  // Whether "this" already refers to the instance (calls between its methods).
  bool IsBoundTo(const CClassInstance* instance);

  CVarLevels* Levels() const { return levels_; }
  CValueList* Parameters() const { return parameters_; }
  CVariable* ResultVariable() const { return result_; }
  CVariable* ThisVariable() const { return this_; }
  CVariable* BaseVariable() const { return base_; }
  CFunction* BaseFunction() const { return baseFunction_; }
  bool IsClass() const { return isClass_; }

private:
  friend class CFunctionStreamer;
  // The image reader's: levels and local names only, the rest comes with the record.
  CFunction();

  CVariable* NewLocal(TextView name);
  void SetBase(CFunction* base);
  void SaveParameterSlots(CSlotSaver& saver);
  void BindPositional(CValueList* args);
  // Class calls live in class_call.cpp.
  const Value& CallClass(CContext& context, CValueList* args);
  void ExecuteBodies(CContext& context);

  CVarLevels* levels_;
  CNamedList* localNames_;  // not owning
  CValueList* parameters_ = nullptr;
  CVariable* result_;
  CVariable* this_ = nullptr;
  CVariable* base_ = nullptr;
  CFunction* baseFunction_ = nullptr;  // counted unless it owns this function
  bool baseCounted_ = false;
  bool isClass_ = false;
  // Some class has this one as its base.
  bool isBase_ = false;
  static inline uint64_t functionsGone_ = 0;
  static inline uint64_t baseLinksWalked_ = 0;
};

// Whether the owner chain of the node reaches the owner.
bool IsOwnedBy(CNode* node, CNode* owner);
// The nearest owner of the node that is a function, or null.
CFunction* EnclosingFunction(CNode* node);

// Binding a call's arguments to a function's parameters.
class CSlotSaver;
class CValueList;

// Each parameter takes the argument of its name, else the one at its
// position unless that carries another name. A variable passed as argument
// is shared (by reference); any other argument is copied; none gives null.
// Extra arguments are ignored. With a saver, each parameter bound by
// reference has its slot saved first.
void BindArguments(CValueList* parameters, CValueList* args, CSlotSaver* saver);

// Puts value slots back after a call. Parameters bound by reference and class
// variables bound to an instance's members point elsewhere during a call;
// leaving the call must give every such variable the slot it had before,
// including a binding of an outer call of the same function.
class CValue;

class CSlotSaver {
public:
  CSlotSaver();
  ~CSlotSaver() { Restore(); }
  CSlotSaver(const CSlotSaver&) = delete;
  CSlotSaver& operator=(const CSlotSaver&) = delete;

  void Save(CValue* node);
  // Restores the saved slots, latest first.
  void Restore();
  // Whether slots saved by enclosing savers wait to be restored. Every
  // binding saves the slots it redirects first, so with none waiting no
  // slot is redirected.
  bool BindingsActive() const { return mark_ > 0; }

private:
  size_t mark_;
};

// The entry through which host code (COM events, native callbacks, form
// events) calls a script function.

// Calls the callable with one argument per host value, in order.
const Value& CallWithArgs(CNode* callable, CContext& context, const Value* values, int32_t count);

}  // namespace runtime
