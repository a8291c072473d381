// Quoted strings of the JSON reader.
#pragma once
#include "../text.h"

// The string whose opening quote is at start: its content between the
// quotes, as written, and the position of its closing quote (the end of the
// text when it has none). With json a quote after an odd number of
// backslashes does not end it; without, a doubled quote stands for one, as
// in the language's own strings.
size_t ScanJsonString(TextView text, size_t start, bool json, Text& content);
