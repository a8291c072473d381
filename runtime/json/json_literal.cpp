#include "json_literal.h"

#include "../parse/literal_value.h"
#include "../value/conversion_error.h"
#include "../value/number_text.h"

namespace {

bool IsHexLiteral(TextView literal) { return literal.size() > 1 && (literal[1] == 'x' || literal[1] == 'X'); }

bool IsNumberLiteral(TextView literal) {
  if (IsHexLiteral(literal)) return literal.size() > 2;
  Number unused;
  return ParseNumberText(literal, unused) != NumberParse::kNotNumber;
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
