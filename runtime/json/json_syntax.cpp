#include "runtime/json/json_syntax.h"

#include <algorithm>
#include <array>

#include "runtime/error.h"
#include "runtime/value/convert.h"

namespace runtime {

namespace {

using ClassTable = std::array<JsonCharClass, 128>;

constexpr void Mark(ClassTable& table, const char* chars, JsonCharClass charClass) {
  for (; *chars; ++chars) table[unsigned(*chars)] = charClass;
}

constexpr ClassTable MakeTable() {
  ClassTable table{};
  Mark(table, "\"'`", JsonCharClass::kQuote);
  Mark(table, "-.0123456789", JsonCharClass::kNumber);
  Mark(table, "@", JsonCharClass::kAt);
  Mark(table, "$_ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", JsonCharClass::kWord);
  Mark(table, ":=", JsonCharClass::kNameSeparator);
  Mark(table, ",;", JsonCharClass::kElementSeparator);
  Mark(table, "[{", JsonCharClass::kOpen);
  Mark(table, "]}", JsonCharClass::kClose);
  return table;
}

constexpr ClassTable kClasses = MakeTable();

}  // namespace

JsonCharClass JsonClassOf(unsigned codeUnit) {
  return codeUnit < kClasses.size() ? kClasses[codeUnit] : JsonCharClass::kSkipped;
}

bool IsJsonWordChar(unsigned c) {
  return c == '$' || (c >= '0' && c <= '9') || (c >= '@' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z');
}

bool IsJsonNumberChar(unsigned c) { return c == '+' || c == '-' || c == '.' || IsJsonWordChar(c); }

bool IsHexDigit(unsigned c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }

void RaiseJsonTooDeep() { RaiseError(QT("JSON nesting deeper than 500 levels")); }

namespace {

#ifdef QEL_ANSI
constexpr bool kHasUnicodeEscape = false;
#else
constexpr bool kHasUnicodeEscape = true;
#endif

int SimpleEscape(Char c) {
  switch (c) {
    case 'a': return 7;
    case 'b': return 8;
    case 't': return 9;
    case 'n': return 10;
    case 'v': return 11;
    case 'f': return 12;
    case 'r': return 13;
    case '"':
    case '\'':
    case '/':
    case '?':
    case '\\': return c;
    default: return -1;
  }
}

// The hex digits after the letter, read as the system reads "x" + digits.
Char HexCodeUnit(TextView letterAndDigits) {
  unsigned value = 0;
  for (Char c : letterAndDigits.substr(1)) {
    const unsigned u = CodeUnit(c);
    if (!IsHexDigit(u)) {
      Value text;
      Text written(QT("x"));
      text.SetText(written.append(letterAndDigits.substr(1)));
      RaiseConversionError(text, varInteger);
    }
    value = value << 4 | (u <= '9' ? u - '0' : (u | 0x20) - 'a' + 10);
  }
  return Char(value);
}

// Digits after a "\x" or "\u" at start, or 0 when there is no such escape.
size_t HexDigitsAt(TextView text, size_t start) {
  const Char letter = text[start + 1];
  const size_t digits = letter == 'x' ? 2 : letter == 'u' && kHasUnicodeEscape ? 4 : 0;
  return digits && start + 1 + digits < text.size() ? digits : 0;
}

}  // namespace

Text ResolveEscapes(TextView text) {
  Text out;
  ResolveEscapes(text, out);
  return out;
}

void ResolveEscapes(TextView text, Text& out) {
  out.clear();
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      // Copies the run up to the next backslash at once.
      const size_t next = std::min(text.find('\\', i + 1), text.size());
      out.append(text.substr(i, next - i));
      i = next;
      continue;
    }
    if (const int simple = SimpleEscape(text[i + 1]); simple >= 0) {
      out += Char(simple);
      i += 2;
    } else if (const size_t digits = HexDigitsAt(text, i)) {
      out += HexCodeUnit(text.substr(i + 1, digits + 1));
      i += 2 + digits;
    } else {
      out += text.substr(i, 2);
      i += 2;
    }
  }
}

}  // namespace runtime
