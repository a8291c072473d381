// The flag letters of a regular-expression value: "i" caseless, "m"
// multiline, "s" dot matches all, "x" extended, "u" UTF-8 mode, and "g" for
// global matching and replacing. Other letters are ignored.
#pragma once
#include <cstdint>

#include "../text.h"

uint8_t OptionByteOfFlags(TextView flags);
bool IsGlobalFlags(TextView flags);
