// The parser of one module compile: runs the LALR tables of qel.y over the
// scanner's tokens and hands every reduction to the parse actions (the tree
// builder). It accepts after each statement and starts again; syntax errors
// are reported and never stop the parse.
#pragma once
#include "runtime/parse/parse_actions.h"
#include "runtime/parse/scanner.h"

namespace runtime {

class TParser {
public:
  // Nested parses of "{" functions deeper than this are refused.
  static constexpr int kNestingLimit = 200;

  explicit TParser(TParseActions& actions) : actions_(actions) {}

  // Parses a module's text, counting lines from 1.
  void Parse(Text text);
  // For the "{" rules: parses a function body with the same scanner until a
  // reduction calls EndNested (true), or until the text ends (false). Too
  // deep a nesting, or too little stack left for one more, reports "yyparse
  // stack overflow" and parses nothing (false).
  bool ParseNested();
  // For the "}" rule that closes a nested parse's function: the current run
  // of the driver returns after this reduction.
  void EndNested() { endRequested_ = true; }

private:
  TParseActions& actions_;
  TScanner scanner_;
  bool endRequested_ = false;
  int nesting_ = 0;
};

}  // namespace runtime
