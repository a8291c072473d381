#include "operator_code.h"

#include "key_alias.h"

namespace {

struct SpecialCode {
  const Char* text;
  char16_t code;
};

// Operators whose code is not their first character.
constexpr SpecialCode kSpecialCodes[] = {
    {QT("<="), u'l'}, {QT(">="), u'g'}, {QT("<>"), u'!'}, {QT("!="), u'!'},
    {QT("=~"), u'~'}, {QT("!~"), u'$'}, {QT("<<"), u'l'}, {QT(">>"), u'r'},
};

char16_t PlainCode(TextView text) {
  for (const SpecialCode& special : kSpecialCodes)
    if (text == special.text) return special.code;
  return text.empty() ? u'\0' : char16_t(CodeUnit(text[0]));
}

}  // namespace

char16_t OperatorCode(TextView text, bool bitwise) {
  const char16_t code = PlainCode(KeyAlias(text));
  return bitwise && code >= u'a' && code <= u'z' ? char16_t(code - 32) : code;
}

char16_t AssignmentCode(TextView text) { return text.empty() ? u'\0' : char16_t(CodeUnit(text[0])); }
