// The one comparison behind the relational operators, "in" and "case".
#pragma once
#include "value.h"

enum CompareResult : int { kCompareEqual = 0, kCompareLess = 1, kCompareGreater = 2, kCompareNone = 3 };

// Texts compare ignoring ASCII case unless caseSensitive; a text against a
// non-text compares only when it is all digits; object references and arrays
// are equal only to themselves and otherwise not comparable.
int CompareValues(const Value& a, const Value& b, bool caseSensitive);
