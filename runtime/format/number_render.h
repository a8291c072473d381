// Writes a number by one section of a numeric pattern.
#pragma once
#include "../text.h"
#include "decimal.h"
#include "number_pattern.h"

// Rounds a number to the digits the section shows.
void RoundForSection(const NumberSection& section, Decimal& d);
// The number's magnitude, already rounded, laid out by the section; the sign
// is the caller's.
Text RenderSection(const NumberSection& section, const Decimal& rounded);
