// What the parser hands to its actions: the semantic values, one per
// parse-stack entry, and the reductions. The tree builder implements the
// actions, one routine per rule; the parser only drives the tables.
#pragma once
#include <cstdint>
#include <span>
#include <stdexcept>

#include "runtime/text.h"

namespace runtime {

class CNode;

// Where a token was written.
struct TSourceSpan {
  int32_t start = 0;  // characters consumed when the token was read, its own included
  int32_t length = 0;
  int32_t line = 0;
  int32_t column = 0;  // of the token's first character, from 1
};

struct TParseValue {
  TSourceSpan span;
  int token = 0;  // the code of the token read; a rule's value keeps its first token's
  Text text;
  CNode* node = nullptr;  // made by the tree builder; not owned here
};

// The values of the rule being reduced, numbered as yacc's $1..$n; $0, $-1,
// ... reach the values before them, which the empty marker rules need.
class TRuleValues {
public:
  TRuleValues(TParseValue* stack, int first, int length) : stack_(stack), first_(first), length_(length) {}
  int Length() const { return length_; }
  // Throws std::out_of_range past the rule's last value or below the stack.
  TParseValue& operator[](int i) const {
    const int index = first_ + i - 1;
    if (index < 0 || i > length_) throw std::out_of_range("no parser value at this offset");
    return stack_[index];
  }

private:
  TParseValue* stack_;
  int first_;
  int length_;
};

class TParseActions {
public:
  virtual ~TParseActions() = default;

  // The action of a grammar rule, numbered as in qel.y. result starts as a
  // copy of $1 (empty for an empty rule) and becomes the left side's value.
  // The "{" rules call TParser::ParseNested, the "}" rules TParser::EndNested.
  virtual void Reduce(int rule, const TRuleValues& values, TParseValue& result) = 0;

  // The parser gives up the statement it was reading, after a syntax error or
  // a stack overflow, or because the text ended inside it. abandoned holds
  // the values made for it so far, oldest first: the builder restores its
  // current block and lets go of what it made for them.
  virtual void AbandonStatement(std::span<TParseValue> abandoned) = 0;

  // A compile error of the parser's own: "syntax error[token]" at the value
  // of the offending token, or "yyparse stack overflow" with at null. The
  // parse goes on.
  virtual void ReportError(const Text& message, const TParseValue* at) = 0;
};

}  // namespace runtime
