#include "bool_text.h"

#include "number_text.h"
#include "text_access.h"

namespace {

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

std::optional<bool> BoolOfWord(std::string_view word) {
  for (std::string_view w : kTrueWords)
    if (SameWord(word, w)) return true;
  for (std::string_view w : kFalseWords)
    if (SameWord(word, w)) return false;
  return std::nullopt;
}

}  // namespace

std::optional<bool> BoolOfText(const Value& text) {
  return VisitText(text, [](auto view) -> std::optional<bool> {
    std::string word;
    if (TextToken(view, kLetters, word)) {
      if (auto b = BoolOfWord(word)) return b;
    }
    Number n;
    switch (ParseNumberText(view, n)) {
      case NumberParse::kOk: return NumberToDouble(n) != 0;
      case NumberParse::kOverflow: return true;
      default: return std::nullopt;
    }
  });
}
