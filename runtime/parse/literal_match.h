// Lengths of the literals and comments that start at a position of a text: the
// longest match of each lexical rule, 0 when the rule does not match there.
#pragma once
#include <cstddef>

#include "runtime/text.h"

namespace runtime {

// The code unit at i, or kNoChar past the end.
int CharAt(TextView text, size_t i);

// Digits with fraction and exponent, 0x hex, 0b binary, or "." and digits.
size_t MatchNumber(TextView text, size_t pos);
// A string in the quote at pos; a doubled quote stands for one.
size_t MatchQuoted(TextView text, size_t pos);
// A quoted string; a backquoted one may go on with a word and a second
// backquoted part.
size_t MatchString(TextView text, size_t pos);
// Delimiter, one or more characters above blank other than the delimiter, the
// delimiter again, then lower-case flags; the delimiter is at pos.
size_t MatchDelimitedRegex(TextView text, size_t pos);
// "$", a quoted string, then lower-case flags.
size_t MatchQuotedRegex(TextView text, size_t pos);
// Letters, digits, "_", "@" and "$" from pos on.
size_t MatchWordTail(TextView text, size_t pos);
// "." followed by one or more operator characters.
size_t MatchDotOperator(TextView text, size_t pos);
// From pos to the end of the line, its LF included.
size_t MatchLineComment(TextView text, size_t pos);
// "#*" up to and including the next "#".
size_t MatchBlockComment(TextView text, size_t pos);
size_t MatchBlanks(TextView text, size_t pos);

}  // namespace runtime
