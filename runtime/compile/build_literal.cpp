// Literal values: constants owned by the current block.
#include "../error.h"
#include "../parse/literal_value.h"
#include "../value/convert.h"
#include "build_routines.h"
#include "regex_literal.h"

namespace {

CValue* Constant(const TRule& r, const Value& value) { return new CValue(r.builder.Current(), value); }

void Boolean(const TRule& r, bool truth) {
  Value value;
  value.SetBool(truth);
  r.Give(Constant(r, value));
}

}  // namespace

void BuildNumber(const TRule& r) { r.Give(Constant(r, NumberLiteralValue(r.TextOf(1)))); }

// The sign token is joined to the digits.
void BuildSignedNumber(const TRule& r) { r.Give(Constant(r, NumberLiteralValue(r.TextOf(1) + r.TextOf(2)))); }

void BuildString(const TRule& r) { r.Give(r.builder.Compiler().MakeString(r.TextOf(1), false)); }

// A text that is no date is reported and the literal reads as null.
void BuildDate(const TRule& r) {
  Value date;
  try {
    Value text;
    text.SetText(UnquoteString(TextView(r.TextOf(1)).substr(1)));
    date.SetDate(ToDate(text));
  } catch (const EScriptError& error) {
    r.builder.Report(error.Message());
  }
  r.Give(Constant(r, date));
}

void BuildTrue(const TRule& r) { Boolean(r, true); }

void BuildFalse(const TRule& r) { Boolean(r, false); }

void BuildNull(const TRule& r) { r.Give(Constant(r, Value())); }

void BuildRegex(const TRule& r) {
  if (TRegexLiteralMaker maker = RegexLiteralMaker()) {
    r.Give(maker(r.builder.Current(), r.TextOf(1)));
    return;
  }
  r.builder.Report(r.TextOf(1) + QT(": regular expressions are not available"));
  r.Give(Constant(r, Value()));
}
