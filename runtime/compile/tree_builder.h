// The tree builder: the parser's actions. One routine per grammar rule makes
// program-tree nodes under the compile context's current block, moves the
// current block into and out of compound statements, and reports the
// builder's messages through the compile context. It serves one module
// compile; "{" function bodies switch it to a nested compile context.
#pragma once
#include <unordered_map>
#include <unordered_set>

#include "runtime/parse/parser.h"
#include "runtime/compile/compiler.h"

namespace runtime {

class CCompound;
class CFunction;

class TTreeBuilder : public TParseActions {
public:
  explicit TTreeBuilder(CCompiler& compiler);
  ~TTreeBuilder() override;
  TTreeBuilder(const TTreeBuilder&) = delete;
  TTreeBuilder& operator=(const TTreeBuilder&) = delete;

  // Compiles the text into the compile context's current block.
  void Parse(Text text);

  void Reduce(int rule, const TRuleValues& values, TParseValue& result) override;
  void AbandonStatement(std::span<TParseValue> abandoned) override;
  void ReportError(const Text& message, const TParseValue* at) override;

  // For the rule routines.
  CCompiler& Compiler() const { return *compiler_; }
  CNode* Current() const { return compiler_->Current(); }
  void SetCurrent(CNode* node) { compiler_->SetCurrent(node); }
  void Report(TextView message) { compiler_->Error(message); }

  // A value's node, taken over with the reference it holds; null for none.
  CNode* Take(TParseValue& value);
  CValue* TakeValue(TParseValue& value);
  // Hands a new node (one reference) to the rule's value.
  void Give(TParseValue& result, CNode* node);
  // Registers a statement in the current block; outside a block it is
  // reported as a syntax error and dropped (false).
  bool AddStatement(CStatement* statement);
  // Registers a node in the nearest block at or above the current one.
  void Adopt(CNode* node);

  // Compounds are named by the keyword that opened them until they close.
  void Open(CCompound* compound, TextView keyword);
  // The compound that the current block belongs to, or null.
  CCompound* OpenCompound() const;
  // Closes the open compound if its keyword is word, else reports
  // word + " not found"; the closed compound, or null.
  CCompound* Close(TextView word);

  // Parses a "{" function's body with a nested compile context, up to its
  // "}" or the end of the text, and closes the function either way.
  void ParseFunctionBody(CFunction* function);
  // The "}" that closes a nested parse's function ends that parse.
  void EndNestedParse() { parser_.EndNested(); }

private:
  bool IsOpenAs(CCompound* compound, TextView keyword) const;
  void ReleaseLoose();

  TParser parser_;
  CCompiler* compiler_;
  // Where the statement being read started: an abandoned one goes back there.
  CNode* statementStart_ = nullptr;
  // One entry per reference the parser's values hold: a node may be held
  // twice (the parameter list that an arrow function reuses).
  std::unordered_multiset<CNode*> loose_;
  std::unordered_map<CCompound*, Text> openKeywords_;
};

}  // namespace runtime
