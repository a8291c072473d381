// Backslash escapes in text, as the "escape" built-in resolves them and the
// JSON reader unescapes strings.
#pragma once
#include "../text.h"

// \a \b \t \n \v \f \r give control characters 7..13; \" \' \/ \? \\ the
// character itself; \x and two hex digits one code unit; in qelu, \u and four
// hex digits one UTF-16 code unit. Any other backslash stays with the
// character after it. Bad hex digits raise a conversion error.
Text ResolveEscapes(TextView text);
