// Regex literals and flag letters: how the text splits into pattern and
// flags, and that the flags reach the engine.
#include <optional>

#include "runtime/regex/regex.h"
#include "rxlib_fixture.h"

using namespace runtime;

namespace {

struct LiteralCase {
  const char* literal;
  const char* pattern;
  const char* flags;
  uint8_t optionByte;
  bool global;
};

class RegexLiteral : public testing::TestWithParam<LiteralCase> {};

TEST_P(RegexLiteral, SplitsIntoPatternAndFlags) {
  const LiteralCase& c = GetParam();
  CValue* node = NewRegexLiteral(nullptr, T(c.literal));
  auto* regex = RegexValueOf(node->ValueRef());
  ASSERT_EQ(regex, node);
  EXPECT_EQ(regex->Pattern(), T(c.pattern));
  EXPECT_EQ(regex->Flags(), T(c.flags));
  EXPECT_EQ(regex->OptionByte(), c.optionByte);
  EXPECT_EQ(regex->IsGlobal(), c.global);
  EXPECT_EQ(regex->Id(), ClassId::kRegexValue);
  node->Release();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexLiteral,
    testing::Values(LiteralCase{"/a+/", "a+", "", 0, false},
                    LiteralCase{"/a/gimsxu", "a", "gimsxu", 0x8F, true},
                    LiteralCase{"/a/xq", "a", "xq", 0x08, false},        // other letters ignored
                    LiteralCase{"/a/IG", "a", "IG", 0, false},           // flags are small letters
                    LiteralCase{"%a/b%i", "a/b", "i", 0x01, false},
                    LiteralCase{"#a/b#g", "a/b", "g", 0, true},          // any delimiter
                    LiteralCase{"$\"x/y\"m", "x/y", "m", 0x02, false},
                    LiteralCase{"$'q'", "q", "", 0, false},
                    LiteralCase{"$\"a\"\"b\"s", "a", "\"b\"s", 0x04, false},  // no escape for the delimiter
                    LiteralCase{"/a//g", "a", "/g", 0, true},
                    LiteralCase{"/ig", "ig", "ig", 0x01, true},          // unclosed: the rest is both
                    LiteralCase{"//", "", "", 0, false},
                    LiteralCase{"$", "", "", 0, false},
                    LiteralCase{"", "", "", 0, false}));

struct OptionCase {
  const char* literal;
  const char* subject;  // UTF-8
  const char* found;    // UTF-8; null when nothing matches
};

class RegexOptions : public testing::TestWithParam<OptionCase> {};

TEST_P(RegexOptions, ReachTheEngine) {
  const OptionCase& c = GetParam();
  CValue* node = NewRegexLiteral(nullptr, Widen(c.literal));
  CRegex* engine = RegexValueOf(node->ValueRef())->NewEngine(Widen(c.subject));
  const bool matched = engine->MatchNext();
  EXPECT_EQ(matched ? std::optional<Text>(Widen(engine->Group(0))) : std::nullopt,
            c.found ? std::optional<Text>(Widen(c.found)) : std::nullopt);
  engine->Release();
  node->Release();
}

INSTANTIATE_TEST_SUITE_P(Cases, RegexOptions,
                         testing::Values(OptionCase{"/A/", "xa", nullptr}, OptionCase{"/A/i", "xa", "a"},
                                         OptionCase{"/^b/", "a\nb", nullptr}, OptionCase{"/^b/m", "a\nb", "b"},
                                         OptionCase{"/a.b/", "a\nb", nullptr}, OptionCase{"/a.b/s", "a\nb", "a\nb"},
                                         OptionCase{"%a b%", "ab", nullptr}, OptionCase{"%a b%x", "ab", "ab"},
                                         OptionCase{"/^.$/", "\xC3\xA9", nullptr},
                                         OptionCase{"/^.$/u", "\xC3\xA9", "\xC3\xA9"}));

}  // namespace
