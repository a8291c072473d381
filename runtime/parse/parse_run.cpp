#include "runtime/parse/parse_run.h"

#include "runtime/parse/grammar_tables.h"
#include "runtime/parse/parse_actions.h"
#include "runtime/parse/scanner.h"
#include "runtime/parse/tokens.h"

namespace runtime {

TParseRun::TParseRun(TScanner& scanner, TParseActions& actions, bool& endRequested)
    : scanner_(scanner), actions_(actions), endRequested_(endRequested) {}

bool TParseRun::Run() {
  Restart();
  for (;;) {
    int action = -grammar::DefaultReduction(states_.back());
    if (!action) {
      if (lookaheadSymbol_ == kNoSymbol && !ReadLookahead()) {
        AbandonFrom(1);
        return false;
      }
      // An error token from the scanner is never shifted: it starts recovery.
      if (lookaheadSymbol_ != grammar::kErrorSymbol) action = grammar::Action(states_.back(), lookaheadSymbol_);
    }
    if (action > 0) {
      Shift(action);
    } else if (action < 0) {
      if (Reduce(-action) == TReduced::kEndRun) return true;
    } else {
      SyntaxError();
    }
  }
}

bool TParseRun::ReadLookahead() {
  const int token = scanner_.Scan();
  if (token <= TK_END) return false;
  const Text& text = scanner_.TokenText();
  const auto length = int32_t(text.size());
  lookahead_.span = {int32_t(scanner_.Position()), length, scanner_.Line(), scanner_.Column() - length + 1};
  lookahead_.token = token;
  lookahead_.text = text;
  lookahead_.node = nullptr;
  lookaheadSymbol_ = grammar::TokenSymbol(token);
  return true;
}

void TParseRun::DropLookahead() { lookaheadSymbol_ = kNoSymbol; }

// A full stack keeps the look-ahead for the fresh start.
void TParseRun::Shift(int state) {
  if (StackFull()) {
    Overflow(nullptr);
    return;
  }
  states_.push_back(state);
  values_.push_back(std::move(lookahead_));
  DropLookahead();
  if (errorCounter_ > 0) --errorCounter_;
}

TParseRun::TReduced TParseRun::Reduce(int rule) {
  const int length = grammar::RuleLength(rule);
  const int first = int(values_.size()) - length;
  TParseValue result = length ? values_[first] : TParseValue();
  const TRuleValues values(values_.data(), first, length);
  if (rule == grammar::kErrorRule) ReportSyntaxError(values[1]);
  actions_.Reduce(rule, values, result);
  if (endRequested_) {
    endRequested_ = false;
    return TReduced::kEndRun;
  }
  if (rule == grammar::kStatementRule || rule == grammar::kErrorRule) {
    Restart();
    return TReduced::kGoOn;
  }
  states_.resize(first);
  values_.resize(first);
  if (StackFull()) {
    Overflow(&result);
  } else {
    states_.push_back(grammar::GotoState(states_.back(), grammar::RuleLeftSide(rule)));
    values_.push_back(std::move(result));
  }
  return TReduced::kGoOn;
}

// Within three shifts of the last error the look-ahead is dropped quietly.
// Otherwise the statement is abandoned down to the state that shifts error
// (the initial state always does), and the look-ahead stays to start the next
// statement.
void TParseRun::SyntaxError() {
  if (errorCounter_ > 2) {
    DropLookahead();
    return;
  }
  errorCounter_ = 3;
  size_t depth = states_.size();
  while (depth > 1 && grammar::Action(states_[depth - 1], grammar::kErrorSymbol) <= 0) --depth;
  AbandonFrom(depth);
  states_.push_back(grammar::Action(states_.back(), grammar::kErrorSymbol));
  values_.push_back(lookahead_);
}

void TParseRun::ReportSyntaxError(const TParseValue& offending) {
  actions_.ReportError(QT("syntax error[") + offending.text + QT("]"), &offending);
}

void TParseRun::Overflow(TParseValue* pending) {
  if (pending) values_.push_back(std::move(*pending));
  AbandonFrom(1);
  actions_.ReportError(QT("yyparse stack overflow"), nullptr);
}

void TParseRun::AbandonFrom(size_t depth) {
  if (values_.size() > depth) actions_.AbandonStatement({values_.data() + depth, values_.size() - depth});
  states_.resize(depth);
  values_.resize(depth);
}

void TParseRun::Restart() {
  states_.assign(1, 0);
  values_.assign(1, TParseValue());
}

}  // namespace runtime
