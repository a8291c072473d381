#include "runtime/parse/parser.h"

#include "runtime/stack_guard.h"
#include "runtime/parse/parse_run.h"

namespace runtime {

void TParser::Parse(Text text) {
  scanner_.SetText(std::move(text));
  endRequested_ = false;
  nesting_ = 0;
  TParseRun(scanner_, actions_, endRequested_).Run();
}

bool TParser::ParseNested() {
  if (nesting_ >= kNestingLimit || !HasStackRoom()) {
    actions_.ReportError(QT("yyparse stack overflow"), nullptr);
    return false;
  }
  struct TNestingGuard {
    int& depth;
    explicit TNestingGuard(int& d) : depth(d) { ++depth; }
    ~TNestingGuard() { --depth; }
  } guard(nesting_);
  return TParseRun(scanner_, actions_, endRequested_).Run();
}

}  // namespace runtime
