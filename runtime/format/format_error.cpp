#include "format_error.h"

#include <string>

#include "../error.h"
#include "../value/convert.h"
#include "../value/predicates.h"
#include "../value/text_access.h"
#include "../value/text_forms.h"

namespace {

constexpr size_t kExcerptLength = 40;

Text Quoted(TextView text) {
  if (text.size() <= kExcerptLength) return QT("\"") + Text(text) + QT("\"");
  return QT("\"") + Text(text.substr(0, kExcerptLength)) + QT("...\"");
}

// The type and, for texts and numbers, the value: "Text "12"", "Double 1.5".
Text Describe(const Value& v) {
  Text out = TextFromAscii(TypeName(v.Type()));
  if (IsStringType(v.Type())) return out + QT(" ") + Quoted(BuildTextOf(v));
  std::string number = NumberValueText(v);
  return number.empty() ? out : out + QT(" ") + TextFromAscii(number);
}

Text FormatPrefix(TextView directive) { return QT("Format ") + Quoted(directive); }

}  // namespace

void RaisePatternError(std::string_view kind, TextView pattern, std::string_view problem) {
  RaiseError(TextFromAscii(kind) + QT(" pattern ") + Quoted(pattern) + QT(": ") + TextFromAscii(problem));
}

void RaiseArgumentMismatch(TextView directive, std::string_view wanted, const Value& argument) {
  RaiseError(FormatPrefix(directive) + QT(" needs ") + TextFromAscii(wanted) + QT(", not ") + Describe(argument));
}

void RaiseMissingArgument(TextView directive, size_t given) {
  RaiseError(FormatPrefix(directive) + QT(": too few arguments (") + TextFromAscii(std::to_string(given)) +
             QT(" given)"));
}

void RaiseDirectiveError(TextView directive, std::string_view problem) {
  RaiseError(FormatPrefix(directive) + QT(": ") + TextFromAscii(problem));
}
