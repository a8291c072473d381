// Simple statements: var, assignments, calls as statements, the print forms,
// the jumps (exit, next, return, raise) and "use".
#include "runtime/parse/literal_value.h"
#include "runtime/parse/operator_code.h"
#include "runtime/sys/file_text.h"
#include "runtime/tree/statements.h"
#include "runtime/tree/block.h"
#include "runtime/tree/loops.h"
#include "runtime/tree/op_node.h"
#include "runtime/tree/variable.h"
#include "runtime/compile/build_parts.h"
#include "runtime/compile/build_routines.h"
#include "runtime/compile/module_loader.h"
#include "runtime/compile/module_search.h"

namespace runtime {

namespace {

// Where a jump ends, fixed at compile time: a return at the body of the
// nearest function (the module at top level), a loop jump at the body of the
// nearest loop, else where a return would end.
enum class JumpKind { kReturn, kLoop };

bool EndsJump(CNode* owner, JumpKind kind) {
  return owner->AsFunction() || (kind == JumpKind::kLoop && dynamic_cast<CLoopNode*>(owner));
}

CBlock* JumpTarget(CNode* from, JumpKind kind) {
  CNode* node = from;
  while (node->Owner() && !EndsJump(node->Owner(), kind)) node = node->Owner();
  return node->AsBlock();
}

// Declared at once, so later statements of the compile find it.
CVariable* DeclareVar(const TRule& r) {
  CBlock* scope = r.builder.Compiler().CurrentBlock();
  if (!scope) {
    r.builder.Report(QT("syntax error"));
    return nullptr;
  }
  return CVariable::Declare(scope, r.TextOf(2));
}

void AddPrint(const TRule& r, TextView suffix) {
  CNode* owner = r.builder.Current();
  r.builder.AddStatement(new CPrintStmt(owner, r.TakeValue(r.values.Length()), suffix));
}

void AddJump(const TRule& r, CJumpStmt* jump, CValue* value, JumpKind kind) {
  jump->SetValueExpr(value);
  if (r.builder.AddStatement(jump)) jump->SetTarget(JumpTarget(jump->Owner(), kind));
}

// use ":file" as x: x holds the file's text.
void UseText(const TRule& r, CBlock* scope, TextView name, TextView alias) {
  CCompiler& compiler = r.builder.Compiler();
  const Text path = FindModuleFile(name, compiler.Module());
  if (!ModuleFileExists(path)) {
    r.builder.Report(path + QT(" not found"));
    return;
  }
  CValue* text = compiler.MakeString(ReadFileText(path, 0), true);
  CValue* target = BoundNameRef(compiler, CVariable::Declare(scope, alias));
  r.builder.AddStatement(new CAssignStmt(scope, target, text));
}

// The module with one reference, or null when there is no such file.
CModule* FindOrLoad(const TRule& r, TextView name) {
  CCompiler& compiler = r.builder.Compiler();
  CModule* importing = compiler.Module();
  const Text path = ExpandFileName(FindModuleFile(name, importing));
  if (CModule* loaded = importing ? importing->FindLoaded(path) : nullptr) {
    loaded->AddRef();
    return loaded;
  }
  if (ModuleFileExists(path)) return LoadModuleFile(path, importing, compiler.OwnClass());
  r.builder.Report(path + QT(" not found"));
  return nullptr;
}

void Use(const TRule& r, TextView alias) {
  CBlock* scope = r.builder.Compiler().CurrentBlock();
  if (!scope) {
    r.builder.Report(QT("syntax error"));
    return;
  }
  const TextView name = StripQuotes(r.TextOf(2));
  if (!alias.empty() && !name.empty() && name[0] == ':') {
    UseText(r, scope, name.substr(1), alias);
    return;
  }
  if (CModule* module = FindOrLoad(r, name)) {
    scope->Declare(module, alias);
    module->Release();
  }
}

}  // namespace

// var, assignments, calls as statements, and the print forms.

void BuildVar(const TRule& r) { DeclareVar(r); }

void BuildVarAssign(const TRule& r) {
  CValue* value = r.TakeValue(4);
  CVariable* variable = DeclareVar(r);
  if (!variable) {
    ReleaseObject(value);
    return;
  }
  CValue* target = BoundNameRef(r.builder.Compiler(), variable);
  r.builder.AddStatement(new CAssignStmt(r.builder.Current(), target, value));
}

void BuildAssign(const TRule& r) {
  CValue* target = r.TakeValue(1);
  r.builder.AddStatement(new CAssignStmt(r.builder.Current(), target, r.TakeValue(3)));
}

// The target is also the left operand.
void BuildOpAssign(const TRule& r) {
  CValue* target = r.TakeValue(1);
  auto* operation = new CBinaryOp(r.builder.Current());
  target->AddRef();
  operation->Init(target, AssignmentCode(r.TextOf(2)), r.TakeValue(3));
  r.builder.AddStatement(new CAssignStmt(r.builder.Current(), target, operation));
}

void BuildCallStatement(const TRule& r) {
  r.builder.AddStatement(new CExprStmt(r.builder.Current(), r.TakeValue(1)));
}

void BuildPrint(const TRule& r) { AddPrint(r, {}); }

void BuildPrintLine(const TRule& r) { AddPrint(r, QT("\r\n")); }

void BuildPrintBlank(const TRule& r) { AddPrint(r, QT(" ")); }

void BuildPrintTab(const TRule& r) { AddPrint(r, QT("\t")); }

// exit, next, return and raise. Their targets are fixed here, at compile time.

void BuildExit(const TRule& r) { AddJump(r, new CBreakNode(r.builder.Current()), nullptr, JumpKind::kLoop); }

void BuildExitWhen(const TRule& r) {
  AddJump(r, new CBreakNode(r.builder.Current()), r.TakeValue(3), JumpKind::kLoop);
}

void BuildNext(const TRule& r) { AddJump(r, new CNextNode(r.builder.Current()), nullptr, JumpKind::kLoop); }

void BuildNextWhen(const TRule& r) {
  AddJump(r, new CNextNode(r.builder.Current()), r.TakeValue(3), JumpKind::kLoop);
}

void BuildReturn(const TRule& r) { AddJump(r, new CReturnStmt(r.builder.Current()), nullptr, JumpKind::kReturn); }

void BuildReturnValue(const TRule& r) {
  AddJump(r, new CReturnStmt(r.builder.Current()), r.TakeValue(2), JumpKind::kReturn);
}

void BuildRaise(const TRule& r) {
  auto* raise = new CRaiseNode(r.builder.Current());
  raise->SetValueExpr(r.TakeValue(2));
  r.builder.AddStatement(raise);
}

// use "file" [as name]: runs at compile time. The module is loaded once per
// list of loaded modules and runs where it is first used.

void BuildUse(const TRule& r) { Use(r, {}); }

void BuildUseAs(const TRule& r) { Use(r, r.TextOf(4)); }

}  // namespace runtime
