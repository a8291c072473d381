// The compile context: the module (or "{" function) being built, the block
// that statements go into, and the hooks through which the program that
// compiles (runner, IDE) reports errors and supplies source text.
#pragma once
#include "runtime/base/base.h"
#include "runtime/text.h"

namespace runtime {

class CCompiler;
class CModule;
class CNode;
class CBlock;
class CStatement;
class CValue;

// A compiler "class": makes a new compile context of one kind, so that nested
// and imported compiles use the kind of the context that started them.
using TCompilerClass = CCompiler* (*)();

class CCompiler : public CBase {
public:
  // Called on a nested context right after it is made.
  virtual void InheritFrom(CCompiler& parent);
  // Every statement node the builder registers.
  virtual void OnStatement(CStatement* statement);
  // Lets the host replace the source of a module that has a file name.
  virtual void OnModuleSource(TextView path, Text& source, CModule* module);
  virtual void ReportError(TextView message);
  // The name reference for an identifier, owned by the current block.
  virtual CValue* MakeNameRef(TextView identifier, bool optional);
  // The text constant of a string literal; raw keeps the token as it is.
  virtual CValue* MakeString(TextView token, bool raw);

  void Error(TextView message) { ReportError(message); }

  CNode* Root() const { return root_; }
  void SetRoot(CNode* root) { root_ = root; }
  // Usually a block; a case node between "case ... is" and its first "when".
  CNode* Current() const { return current_; }
  void SetCurrent(CNode* current) { current_ = current; }
  CBlock* CurrentBlock() const;
  const Text& FileName() const { return fileName_; }
  void SetFileName(TextView fileName) { fileName_ = fileName; }
  TCompilerClass OwnClass() const { return ownClass_; }
  void SetOwnClass(TCompilerClass ownClass) { ownClass_ = ownClass; }
  CCompiler* Parent() const { return parent_; }
  void SetParent(CCompiler* parent) { parent_ = parent; }
  // The module the root belongs to: "use" searches from it and links to it.
  CModule* Module() const;

private:
  CNode* root_ = nullptr;
  CNode* current_ = nullptr;
  Text fileName_;
  TCompilerClass ownClass_ = nullptr;
  CCompiler* parent_ = nullptr;
};

// The class that LoadModuleFile uses when none is given; the console compiler
// until a program sets its own.
TCompilerClass DefaultCompilerClass();
void SetDefaultCompilerClass(TCompilerClass compilerClass);

}  // namespace runtime
