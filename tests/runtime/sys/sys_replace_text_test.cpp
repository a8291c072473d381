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
}

}  // namespace
