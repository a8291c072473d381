#include <gtest/gtest.h>

#include "support/sys_fixture.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace {

struct Replacement {
  const char* source;
  const char* find;
  const char* replacement;
  int flags;
  const char* result;
};

const Replacement kReplacements[] = {
    {"aXbx", "x", "yy", 3, "ayybyy"},
    {"aXbx", "x", "yy", 2, "ayybx"},
    {"aXbx", "x", "yy", 1, "aXbyy"},
    {"aXbx", "x", "yy", 0, "aXbyy"},
    {"aXbx", "x", "Z", 3, "aZbZ"},
    {"Hello HELLO", "hello", "bye", 3, "bye bye"},
    {"aaaa", "aa", "b", 1, "bb"},
    {"aaa", "aa", "b", 1, "ba"},
    {"aa", "a", "aa", 1, "aaaa"},
    {"abcabc", "abc", "", 1, ""},
    {"ab", "abc", "x", 1, "ab"},
    {"abc", "", "z", 3, "abc"},
    {"", "x", "y", 3, ""},
    {"[@`{", "[", "!", 3, "!@`{"},
    // Texts longer than the search steps over at once: occurrences across
    // its steps, at the very end, and near misses.
    {"0123456789abcdefXY", "34", "-", 3, "012-56789abcdefXY"},
    {"0123456789abcdefXY", "78", "-", 3, "0123456-9abcdefXY"},
    {"0123456789abcdefXY", "xy", "-", 3, "0123456789abcdef-"},
    {"0123456789abcdefXY", "Xy", "-", 1, "0123456789abcdefXY"},
    {"fofofofofofofofoXfoxFOX", "fOx", "!", 3, "fofofofofofofo!!!"},
    {"````````````````@`", "@", "a", 3, "````````````````a`"},
    {"@@@@@@@@@@@@@@@@`@", "`", "a", 3, "@@@@@@@@@@@@@@@@a@"},
    {"zzzzzzzzzzzzzzzzzz", "zzz", "y", 2, "yzzzzzzzzzzzzzzz"},
};

TEST(SysReplaceText, Cases) {
  for (const Replacement& c : kReplacements) {
    EXPECT_EQ(ReplaceText(T(c.source), T(c.find), T(c.replacement), c.flags), T(c.result))
        << c.source << " " << c.find << " " << c.flags;
  }
}

TEST(SysReplaceText, IgnoringCaseFoldsOnlyAsciiLetters) {
  const Char upper = Char(0xC4), lower = Char(0xE4);
  EXPECT_EQ(ReplaceText(Text{upper, lower}, Text{lower}, T("-"), 3), (Text{upper, Char('-')}));
  EXPECT_EQ(ReplaceText(T("@`"), T("`"), T("b"), 3), T("@b"));
  // Units that differ by the ASCII case bit only, in a text long enough to be
  // searched in steps; in 16 bits also units whose low byte is a letter.
  const Text units{upper, lower, upper, lower, upper, lower, upper, lower, upper, Char('x')};
  EXPECT_EQ(ReplaceText(units, Text{upper, Char('X')}, T("-"), 3), units.substr(0, 8) + T("-"));
  if (sizeof(Char) > 1) {
    const Char wideA = Char(0x141), wideSmallA = Char(0x161);
    const Text wide{wideA, wideA, wideA, wideA, wideA, wideSmallA, Char('a'), Char('A')};
    EXPECT_EQ(ReplaceText(wide, Text{wideSmallA}, T("-"), 3), wide.substr(0, 5) + T("-aA"));
    EXPECT_EQ(ReplaceText(wide, T("a"), T("-"), 3), wide.substr(0, 6) + T("--"));
  }
}

}  // namespace
