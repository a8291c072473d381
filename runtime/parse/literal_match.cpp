#include "runtime/parse/literal_match.h"

#include "runtime/parse/char_class.h"

namespace runtime {

namespace {

template <class Predicate>
size_t CountWhile(TextView text, size_t pos, Predicate accepts) {
  size_t i = pos;
  while (accepts(CharAt(text, i))) ++i;
  return i - pos;
}

size_t CountDigits(TextView text, size_t pos) { return CountWhile(text, pos, IsDigit); }

size_t CountFlags(TextView text, size_t pos) { return CountWhile(text, pos, IsLowerLetter); }

// "0x" or "0b" and at least one digit of that base.
size_t MatchPrefixedInteger(TextView text, size_t pos) {
  if (CharAt(text, pos) != '0') return 0;
  const int prefix = CharAt(text, pos + 1);
  size_t digits = 0;
  if (prefix == 'x' || prefix == 'X') digits = CountWhile(text, pos + 2, IsHexDigit);
  if (prefix == 'b' || prefix == 'B') digits = CountWhile(text, pos + 2, [](int c) { return c == '0' || c == '1'; });
  return digits ? 2 + digits : 0;
}

size_t MatchExponent(TextView text, size_t pos) {
  const int e = CharAt(text, pos);
  if (e != 'e' && e != 'E') return 0;
  const int sign = CharAt(text, pos + 1);
  const size_t start = sign == '+' || sign == '-' ? 2 : 1;
  const size_t digits = CountDigits(text, pos + start);
  return digits ? start + digits : 0;
}

size_t MatchDecimal(TextView text, size_t pos) {
  size_t n = CountDigits(text, pos);
  if (CharAt(text, pos + n) == '.') {
    const size_t fraction = CountDigits(text, pos + n + 1);
    if (fraction) n += 1 + fraction;
  }
  return n + MatchExponent(text, pos + n);
}

}  // namespace

int CharAt(TextView text, size_t i) { return i < text.size() ? static_cast<int>(CodeUnit(text[i])) : kNoChar; }

size_t MatchNumber(TextView text, size_t pos) {
  if (CharAt(text, pos) == '.') {
    const size_t digits = CountDigits(text, pos + 1);
    return digits ? 1 + digits : 0;
  }
  const size_t prefixed = MatchPrefixedInteger(text, pos);
  return prefixed ? prefixed : MatchDecimal(text, pos);
}

size_t MatchQuoted(TextView text, size_t pos) {
  const int quote = CharAt(text, pos);
  size_t matched = 0;
  for (size_t i = pos + 1;; ++i) {
    const int c = CharAt(text, i);
    if (c == kNoChar || c == 0) return matched;
    if (c != quote) continue;
    matched = i + 1 - pos;
    if (CharAt(text, i + 1) != quote) return matched;
    ++i;
  }
}

size_t MatchString(TextView text, size_t pos) {
  const size_t first = MatchQuoted(text, pos);
  if (!first || CharAt(text, pos) != '`') return first;
  const size_t word = MatchWordTail(text, pos + first);
  if (!word || CharAt(text, pos + first + word) != '`') return first;
  const size_t second = MatchQuoted(text, pos + first + word);
  return second ? first + word + second : first;
}

size_t MatchDelimitedRegex(TextView text, size_t pos) {
  const int delimiter = CharAt(text, pos);
  const size_t body = CountWhile(text, pos + 1, [delimiter](int c) { return c > 32 && c != delimiter; });
  if (!body || CharAt(text, pos + 1 + body) != delimiter) return 0;
  const size_t n = body + 2;
  return n + CountFlags(text, pos + n);
}

size_t MatchQuotedRegex(TextView text, size_t pos) {
  const size_t quoted = MatchQuoted(text, pos + 1);
  if (!quoted) return 0;
  return 1 + quoted + CountFlags(text, pos + 1 + quoted);
}

size_t MatchWordTail(TextView text, size_t pos) { return CountWhile(text, pos, IsWordChar); }

size_t MatchDotOperator(TextView text, size_t pos) {
  const size_t n = CountWhile(text, pos + 1, IsOperatorChar);
  return n ? 1 + n : 0;
}

size_t MatchLineComment(TextView text, size_t pos) {
  const size_t n = CountWhile(text, pos, [](int c) { return c != kNoChar && c != '\n'; });
  return CharAt(text, pos + n) == '\n' ? n + 1 : n;
}

size_t MatchBlockComment(TextView text, size_t pos) {
  const size_t n = CountWhile(text, pos + 2, [](int c) { return c != kNoChar && c != '#'; });
  return CharAt(text, pos + 2 + n) == '#' ? n + 3 : 0;
}

size_t MatchBlanks(TextView text, size_t pos) { return CountWhile(text, pos, IsBlank); }

}  // namespace runtime
