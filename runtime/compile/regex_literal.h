// Regex literals become values of the regex library, which registers the maker
// here; the compiler itself knows nothing of regular expressions.
#pragma once
#include "runtime/text.h"

namespace runtime {

class CNode;
class CValue;

// A new value node (one reference) for the literal as written, delimiters
// and flags included.
using TRegexLiteralMaker = CValue* (*)(CNode* owner, TextView literal);

void RegisterRegexLiteralMaker(TRegexLiteralMaker maker);
// Null until a regex library is registered.
TRegexLiteralMaker RegexLiteralMaker();

}  // namespace runtime
