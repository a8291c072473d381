// Parse actions that record what the parser does, in place of the tree
// builder. Each value's text becomes the bracketed shape of what it derives
// ("[x = [1 + 2]]"), so the structure of a statement shows in its text. Like
// the builder, the "{" rules parse the function body nested, and a "}"
// statement inside a nested parse ends it.
#pragma once
#include <string>
#include <vector>

#include "runtime/parse/parser.h"

using namespace runtime;

class RecordingActions : public TParseActions {
public:
  RecordingActions() : parser_(*this) {}

  void Parse(std::string_view utf8);

  // Rule numbers in reduction order; "{" and "}" mark a nested parse and its
  // end by a "}" statement, "eof" a nested parse that the text ended.
  std::string Trace() const;
  // The shape of each accepted statement, with one ">" per nesting level.
  const std::vector<std::string>& Statements() const { return statements_; }
  const std::vector<std::string>& Errors() const { return errors_; }
  // "line,column" of each error that came with a value, else "-".
  const std::vector<std::string>& ErrorPlaces() const { return errorPlaces_; }
  // The texts of each abandoned statement's values, joined by blanks.
  const std::vector<std::string>& Abandoned() const { return abandoned_; }

  void Reduce(int rule, const TRuleValues& values, TParseValue& result) override;
  void AbandonStatement(std::span<TParseValue> abandoned) override;
  void ReportError(const Text& message, const TParseValue* at) override;

private:
  void ParseFunctionBody();

  TParser parser_;
  int depth_ = 0;
  std::vector<std::string> trace_;
  std::vector<std::string> statements_;
  std::vector<std::string> errors_;
  std::vector<std::string> errorPlaces_;
  std::vector<std::string> abandoned_;
};
