// Character classes of the scanner. Code units above 255 count as letters;
// kNoChar stands for the position past the end of the text.
#pragma once
#include <string_view>

namespace runtime {

inline constexpr int kNoChar = -1;

inline bool IsDigit(int c) { return c >= '0' && c <= '9'; }
inline bool IsHexDigit(int c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
inline bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c > 255; }
inline bool IsLowerLetter(int c) { return c >= 'a' && c <= 'z'; }
inline bool IsQuote(int c) { return c == '\'' || c == '"' || c == '`'; }
// Blanks are the codes 1 to 32; NUL is an unknown character.
inline bool IsBlank(int c) { return c >= 1 && c <= 32; }
inline bool IsWordChar(int c) { return IsLetter(c) || IsDigit(c) || c == '_' || c == '@' || c == '$'; }
// Characters that may follow "." in a DOT_OP token.
inline bool IsOperatorChar(int c) {
  constexpr std::string_view kOperatorChars = "!#%&*+-/<=>?\\^|~";
  return c > 0 && c < 128 && kOperatorChars.find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace runtime
