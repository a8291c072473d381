// Values of literal tokens, for the tree builder. Number literals outside
// their range have defined results; docs/literals.md lists them.
#pragma once
#include <cstdint>

#include "runtime/text.h"
#include "runtime/value/value.h"

namespace runtime {

struct TNumberLiteral {
  enum Kind { kInt32, kUInt32, kInt64, kDouble };
  Kind kind = kInt32;
  int64_t integer = 0;  // the integer kinds
  double real = 0;      // kDouble
};

// A NUMBER token's text, with the sign of a preceding ADD_OP joined to it.
TNumberLiteral ReadNumberLiteral(TextView text);
// The same number as a script value of its kind.
Value NumberLiteralValue(TextView text);

// The text inside the outer quotes, with each doubled opening quote made single.
Text UnquoteString(TextView token);
// The text inside the outer quotes, as written.
TextView StripQuotes(TextView token);

}  // namespace runtime
