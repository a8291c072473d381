// One run of the table driver: from the initial state until the text ends or
// a reduction asks to end the run. Statements are accepted one at a time.
#pragma once
#include <cstddef>
#include <vector>

#include "runtime/parse/parse_actions.h"

namespace runtime {

class TParseActions;
class TScanner;

class TParseRun {
public:
  static constexpr size_t kStackLimit = 1024;

  TParseRun(TScanner& scanner, TParseActions& actions, bool& endRequested);
  // True when a reduction asked to end the run, false at the end of the text.
  bool Run();

private:
  enum class TReduced { kGoOn, kEndRun };
  static constexpr int kNoSymbol = -1;

  bool ReadLookahead();
  void DropLookahead();
  void Shift(int state);
  TReduced Reduce(int rule);
  void SyntaxError();
  void ReportSyntaxError(const TParseValue& offending);
  bool StackFull() const { return states_.size() >= kStackLimit; }
  void Overflow(TParseValue* pending);
  void AbandonFrom(size_t depth);
  void Restart();

  TScanner& scanner_;
  TParseActions& actions_;
  bool& endRequested_;
  std::vector<int> states_;
  std::vector<TParseValue> values_;
  TParseValue lookahead_;
  int lookaheadSymbol_ = kNoSymbol;
  // 3 after a syntax error, one less per shift: a further error while it is
  // still 3 drops its token quietly.
  int errorCounter_ = 0;
};

}  // namespace runtime
