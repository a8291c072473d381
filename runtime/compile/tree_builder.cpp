#include "runtime/compile/tree_builder.h"

#include <iterator>

#include "runtime/parse/grammar_tables.h"
#include "runtime/tree/block.h"
#include "runtime/tree/function.h"
#include "runtime/compile/build_routines.h"
#include "qel_rule_routines.h"

namespace runtime {

namespace {

TRuleRoutine RuleRoutine(int rule) {
  return rule > 0 && size_t(rule) < std::size(kRuleRoutines) ? kRuleRoutines[rule] : nullptr;
}

CCompiler* NewCompilerLike(const CCompiler& compiler) {
  const TCompilerClass compilerClass = compiler.OwnClass() ? compiler.OwnClass() : DefaultCompilerClass();
  CCompiler* made = compilerClass();
  made->SetOwnClass(compilerClass);
  return made;
}

}  // namespace

TTreeBuilder::TTreeBuilder(CCompiler& compiler) : parser_(*this), compiler_(&compiler) {}

TTreeBuilder::~TTreeBuilder() { ReleaseLoose(); }

void TTreeBuilder::Parse(Text text) {
  statementStart_ = Current();
  parser_.Parse(std::move(text));
  ReleaseLoose();
}

void TTreeBuilder::Reduce(int rule, const TRuleValues& values, TParseValue& result) {
  // The value starts as a copy of $1, whose node the routine may take over.
  result.node = nullptr;
  if (TRuleRoutine routine = RuleRoutine(rule)) routine(TRule{*this, values, result});
  if (rule == grammar::kStatementRule || rule == grammar::kErrorRule) statementStart_ = Current();
}

// Whatever the statement opened (a function for "(a)" that turned out not to
// be a parameter list, say) must not swallow the statements after it.
void TTreeBuilder::AbandonStatement(std::span<TParseValue> abandoned) {
  for (TParseValue& value : abandoned) ReleaseObject(Take(value));
  SetCurrent(statementStart_);
}

void TTreeBuilder::ReportError(const Text& message, const TParseValue*) { Report(message); }

CNode* TTreeBuilder::Take(TParseValue& value) {
  CNode* node = value.node;
  value.node = nullptr;
  if (auto held = loose_.find(node); held != loose_.end()) loose_.erase(held);
  return node;
}

CValue* TTreeBuilder::TakeValue(TParseValue& value) {
  CNode* node = Take(value);
  return node ? node->AsValue() : nullptr;
}

void TTreeBuilder::Give(TParseValue& result, CNode* node) {
  result.node = node;
  if (node) loose_.insert(node);
}

void TTreeBuilder::ReleaseLoose() {
  for (CNode* node : loose_) node->Release();
  loose_.clear();
}

bool TTreeBuilder::AddStatement(CStatement* statement) {
  CBlock* block = compiler_->CurrentBlock();
  if (!block) {
    Report(QT("syntax error"));
    statement->Release();
    return false;
  }
  block->AddChild(statement);
  compiler_->OnStatement(statement);
  return true;
}

void TTreeBuilder::Adopt(CNode* node) {
  for (CNode* scope = Current(); scope; scope = scope->Owner()) {
    if (CBlock* block = scope->AsBlock()) {
      block->AddChild(node);
      return;
    }
  }
  // With no block above, the compile holds it until it ends.
  loose_.insert(node);
}

void TTreeBuilder::Open(CCompound* compound, TextView keyword) { openKeywords_[compound] = Text(keyword); }

CCompound* TTreeBuilder::OpenCompound() const {
  CNode* current = Current();
  if (!current) return nullptr;
  CNode* holder = current->AsBlock() ? current->Owner() : current;
  return holder ? dynamic_cast<CCompound*>(holder) : nullptr;
}

bool TTreeBuilder::IsOpenAs(CCompound* compound, TextView keyword) const {
  auto open = openKeywords_.find(compound);
  return open != openKeywords_.end() && open->second == keyword;
}

CCompound* TTreeBuilder::Close(TextView word) {
  CCompound* compound = OpenCompound();
  if (!compound || !IsOpenAs(compound, word)) {
    Report(Text(word) + QT(" not found"));
    return nullptr;
  }
  openKeywords_.erase(compound);
  SetCurrent(compound->Owner());
  return compound;
}

void TTreeBuilder::ParseFunctionBody(CFunction* function) {
  CCompiler* parent = compiler_;
  CCompiler* nested = NewCompilerLike(*parent);
  nested->SetParent(parent);
  nested->SetFileName(parent->FileName());
  nested->SetRoot(function);
  nested->SetCurrent(function->Body());
  struct TRestore {
    TTreeBuilder& builder;
    CCompiler* parent;
    CCompiler* nested;
    CNode* statementStart;
    ~TRestore() {
      builder.compiler_ = parent;
      builder.statementStart_ = statementStart;
      nested->Release();
    }
  } restore{*this, parent, nested, statementStart_};
  nested->InheritFrom(*parent);
  compiler_ = nested;
  statementStart_ = function->Body();
  parser_.ParseNested();
  // Closed by its "}", or left open by the end of the text.
  openKeywords_.erase(function);
}

}  // namespace runtime
