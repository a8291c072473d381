#include "json_literal.h"

#include "../parse/literal_value.h"
#include "../value/convert.h"
#include "../value/text_forms.h"
#include "json_char_class.h"

namespace {

bool IsBinaryDigit(unsigned c) { return c == '0' || c == '1'; }

// "0x" or "0b" (either case) and at least one digit of that base, after an
// optional sign; the literal reader takes nothing less.
bool IsRadixLiteral(TextView literal) {
  if (!literal.empty() && (literal[0] == '-' || literal[0] == '+')) literal.remove_prefix(1);
  if (literal.size() < 3 || literal[0] != '0') return false;
  const unsigned prefix = CodeUnit(literal[1]) | 0x20;
  if (prefix != 'x' && prefix != 'b') return false;
  bool (*isDigit)(unsigned) = prefix == 'x' ? &IsHexDigit : &IsBinaryDigit;
  for (const Char c : literal.substr(2))
    if (!isDigit(CodeUnit(c))) return false;
  return true;
}

bool IsNumberLiteral(TextView literal) {
  Number unused;
  return IsRadixLiteral(literal) || ParseNumberText(literal, unused) != NumberParse::kNotNumber;
}

// The literal reader gives 0 for a text that is no number; here the
// conversion error surfaces instead.
void CheckNumber(TextView literal) {
  if (IsNumberLiteral(literal)) return;
  Value text;
  text.SetText(literal);
  const bool real = literal.find_first_of(QT(".eE")) != TextView::npos;
  RaiseConversionError(text, real ? varDouble : varInt64);
}

}  // namespace

Value JsonNumber(TextView literal) {
  CheckNumber(literal);
  return NumberLiteralValue(literal);
}

Value JsonWord(TextView word) {
  Value value;
  if (word == QT("null") || word == QT("nil"))
    value.SetNull();
  else if (word == QT("true") || word == QT("false"))
    value.SetBool(word[0] == 't');
  else
    value.SetText(word);
  return value;
}
