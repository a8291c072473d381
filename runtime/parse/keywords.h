// The keyword table: 40 words, compared exactly.
#pragma once
#include "../text.h"

// The keyword's token, or 0 for a word that is not a keyword.
int FindKeyword(TextView word);
// The prefix that turns the keyword after it into a bitwise operator.
bool IsBitWord(TextView word);
