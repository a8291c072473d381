// What the parser's reductions do. The tree builder implements it, one
// routine per rule; the parser only drives the tables.
#pragma once
#include <span>

#include "parse_value.h"

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
