// Pieces that several rule routines share.
#pragma once
#include <initializer_list>

#include "runtime/compile/build_routines.h"

namespace runtime {

class CCompound;
class CFunction;
class CVariable;

// Registers the statement; when there is no block to take it, the parts it
// was to take over go with it (false).
bool PlaceStatement(TTreeBuilder& builder, CStatement* statement, std::initializer_list<CValue*> parts);
// Opens the compound under its keyword and makes the body current.
void EnterCompound(TTreeBuilder& builder, CCompound* compound, CBlock* body, TextView keyword);
// A new function owned by the current block (or case node), registered in the
// nearest block; the caller gets a reference of its own.
CFunction* NewFunction(TTreeBuilder& builder);
// The function a value holds (taken over), or a new one.
CFunction* TakeOrMakeFunction(TTreeBuilder& builder, TParseValue& value);
// Declares the parameter in the body and appends it to the parameter list.
void AddParameter(CFunction* function, TextView name);
// Names the function and sets its kind; the parameters it holds stay.
CBlock* InitFunction(CFunction* function, TextView name, bool isClass, CFunction* base);
// The body of an arrow function: return the expression (taken over).
void ReturnFrom(CFunction* function, CValue* expression);
// A constant holding a plain reference to the function.
CValue* FunctionValue(CNode* owner, CFunction* function);
// A name reference bound at once to a variable just declared, so that a later
// declaration of the same name does not take over its assignments.
CValue* BoundNameRef(CCompiler& compiler, CVariable* variable);

}  // namespace runtime
