#include "runtime/compile/regex_literal.h"

namespace runtime {

namespace {

TRegexLiteralMaker registeredMaker = nullptr;

}  // namespace

void RegisterRegexLiteralMaker(TRegexLiteralMaker maker) { registeredMaker = maker; }

TRegexLiteralMaker RegexLiteralMaker() { return registeredMaker; }

}  // namespace runtime
