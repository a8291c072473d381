#include <cstdint>
#include <vector>

#include "platform/dirs.h"

// Follows the DOS wildcard rules Windows applies to FindFirstFile masks.
namespace platform {
namespace {

struct Token {
  enum Kind : std::uint8_t {
    kLiteral,
    kStar,     // any run of characters
    kDosStar,  // any run that does not take the name's last "."
    kDosQm,    // one character, or none at a "." or the end
    kDosDot,   // a ".", or nothing at the end
  } kind;
  char16_t c;
};

std::vector<Token> Translate(std::u16string_view mask) {
  std::vector<Token> out;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const char16_t c = mask[i];
    const char16_t next = i + 1 < mask.size() ? mask[i + 1] : 0;
    Token::Kind kind = Token::kLiteral;
    if (c == u'?') kind = Token::kDosQm;
    else if (c == u'*') kind = next == u'.' ? Token::kDosStar : Token::kStar;
    else if (c == u'.' && (next == u'?' || next == u'*' || next == 0)) kind = Token::kDosDot;
    out.push_back({kind, c});
  }
  return out;
}

char16_t Fold(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

class Matcher {
 public:
  Matcher(std::u16string_view name, std::vector<Token> mask)
      : name_(name), mask_(std::move(mask)), lastDot_(name.rfind(u'.')),
        memo_((mask_.size() + 1) * (name.size() + 1), kUnknown) {}

  bool Match(std::size_t m, std::size_t n) {
    std::int8_t& slot = memo_[m * (name_.size() + 1) + n];
    if (slot == kUnknown) slot = Compute(m, n) ? 1 : 0;
    return slot == 1;
  }

 private:
  static constexpr std::int8_t kUnknown = -1;

  bool Compute(std::size_t m, std::size_t n) {
    if (m == mask_.size()) return n == name_.size();
    const bool atEnd = n == name_.size();
    const char16_t c = atEnd ? 0 : name_[n];
    switch (mask_[m].kind) {
      case Token::kStar: return Match(m + 1, n) || (!atEnd && Match(m, n + 1));
      case Token::kDosStar: return Match(m + 1, n) || (!atEnd && n != lastDot_ && Match(m, n + 1));
      case Token::kDosQm: return (atEnd || c == u'.') ? Match(m + 1, n) : Match(m + 1, n + 1);
      case Token::kDosDot: return atEnd ? Match(m + 1, n) : (c == u'.' && Match(m + 1, n + 1));
      case Token::kLiteral: break;
    }
    return !atEnd && Fold(c) == Fold(mask_[m].c) && Match(m + 1, n + 1);
  }

  std::u16string_view name_;
  std::vector<Token> mask_;
  std::size_t lastDot_;
  std::vector<std::int8_t> memo_;
};

}  // namespace

bool MaskMatches(std::u16string_view name, std::u16string_view mask) {
  return Matcher(name, Translate(mask)).Match(0, 0);
}

}  // namespace platform
