// The template's case conversions ("\U1", "\L1", "\F1", "\I1") on group text
// in the engine's bytes.
#pragma once
#include <string>
#include <string_view>

enum class CaseConversion { Upper, Lower, FirstCapital, WordCapitals };

// The conversion named by F, I, L or U in either case; false for other letters.
bool CaseConversionOf(char letter, CaseConversion& conversion);

// qelu converts the UTF-8 text through UTF-16; qel converts the bytes in the
// system code page.
std::string ConvertCase(std::string_view bytes, CaseConversion conversion);
