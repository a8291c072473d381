#include "runtime/compile/compiler.h"

#include "runtime/parse/literal_value.h"
#include "runtime/tree/block.h"
#include "runtime/tree/references.h"
#include "runtime/compile/console_compiler.h"

namespace runtime {

void CCompiler::InheritFrom(CCompiler&) {}

void CCompiler::OnStatement(CStatement*) {}

void CCompiler::OnModuleSource(TextView, Text&, CModule*) {}

void CCompiler::ReportError(TextView) {}

CValue* CCompiler::MakeNameRef(TextView identifier, bool optional) {
  return new CNameRef(current_, identifier, optional);
}

CValue* CCompiler::MakeString(TextView token, bool raw) {
  Value text;
  text.SetText(raw ? Text(token) : UnquoteString(token));
  return new CValue(current_, text);
}

CBlock* CCompiler::CurrentBlock() const { return current_ ? current_->AsBlock() : nullptr; }

CModule* CCompiler::Module() const { return root_ ? dynamic_cast<CModule*>(root_->Root()) : nullptr; }

namespace {

TCompilerClass& DefaultClass() {
  static TCompilerClass compilerClass = &NewConsoleCompiler;
  return compilerClass;
}

}  // namespace

TCompilerClass DefaultCompilerClass() { return DefaultClass(); }

void SetDefaultCompilerClass(TCompilerClass compilerClass) { DefaultClass() = compilerClass; }

}  // namespace runtime
