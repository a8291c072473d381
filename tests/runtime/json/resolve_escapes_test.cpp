// Backslash escapes as the "escape" built-in and the JSON reader resolve them.
#include <gtest/gtest.h>

#include "runtime/error.h"
#include "runtime/json/json_syntax.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

struct EscapeCase {
  Text text;
  Text resolved;
};

void ExpectResolves(std::initializer_list<EscapeCase> cases) {
  for (const EscapeCase& c : cases) EXPECT_EQ(ResolveEscapes(c.text), c.resolved) << Narrow(c.text);
}

}  // namespace

TEST(ResolveEscapes, LettersGiveControlCharactersAndPunctuationItself) {
  ExpectResolves({
      {QT("\\a\\b\\t\\n\\v\\f\\r"), QT("\a\b\t\n\v\f\r")},
      {QT("\\\"\\'\\/\\?\\\\"), QT("\"'/?\\")},
      {QT("a\\qb"), QT("a\\qb")},
      {QT("end\\"), QT("end\\")},
      {QT("\\\\n"), QT("\\n")},
  });
}

TEST(ResolveEscapes, HexEscapesNeedAllTheirDigits) {
  ExpectResolves({
      {QT("\\x41\\x6a"), QT("Aj")},
      {QT("\\x4"), QT("\\x4")},
      {QT("\\x"), QT("\\x")},
  });
  EXPECT_THROW(ResolveEscapes(QT("\\x4G")), EScriptError);
  EXPECT_THROW(ResolveEscapes(QT("\\x-1")), EScriptError);
}

#ifdef QEL_ANSI
TEST(ResolveEscapes, QelHasNoUnicodeEscapeAndHexGivesOneByte) {
  ExpectResolves({
      {"\\u4E2D", "\\u4E2D"},
      {"\\xE9", "\xE9"},
  });
}
#else
TEST(ResolveEscapes, UnicodeEscapesGiveOneCodeUnit) {
  ExpectResolves({
      {u"\\u4E2D", u"\u4E2D"},
      {u"\\ud83d\\ude00", u"\U0001F600"},
      {u"\\u4E2", u"\\u4E2"},
      {u"\\xE9", u"\u00E9"},
  });
  EXPECT_THROW(ResolveEscapes(u"\\u12G4"), EScriptError);
}
#endif
