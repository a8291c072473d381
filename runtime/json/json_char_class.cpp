#include "json_char_class.h"

#include <array>

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
