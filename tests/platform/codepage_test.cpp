#include "platform/codepage.h"
#include "platform/environment.h"
#include "platform/errors.h"
#ifndef _WIN32
#include "platform/posix/charsets.h"
#endif
#include "support/temp_folder.h"

using namespace platform;

namespace {

struct RoundTrip {
  int codePage;
  std::u16string_view text;
  std::string_view bytes;
};

const RoundTrip kRoundTrips[] = {
    {65001, u"h\u00e9llo \u20ac\U0001D11E", "h\xC3\xA9llo \xE2\x82\xAC\xF0\x9D\x84\x9E"},
    {1200, u"h\u00e9\u4e2d", std::string_view("h\0\xE9\0\x2D\x4E", 6)},
    {1201, u"h\u00e9\u4e2d", std::string_view("\0h\0\xE9\x4E\x2D", 6)},
    {1252, u"caf\u00e9 \u20ac", "caf\xE9 \x80"},
    {936, u"a\u4e2d\u6587", "a\xD6\xD0\xCE\xC4"},
    {28591, u"\u00e9\u00ff", "\xE9\xFF"},
    {20127, u"plain", "plain"},
};

TEST(CodePageTest, RoundTripsBothWays) {
  for (const RoundTrip& c : kRoundTrips) {
    std::string bytes;
    std::u16string text;
    ASSERT_TRUE(EncodeCodePage(c.codePage, c.text, bytes)) << c.codePage;
    EXPECT_EQ(bytes, c.bytes) << c.codePage;
    ASSERT_TRUE(DecodeCodePage(c.codePage, c.bytes, text)) << c.codePage;
    EXPECT_EQ(text, c.text) << c.codePage;
  }
}

TEST(CodePageTest, BadInputIsReplacedNotRefused) {
  struct Decode {
    int codePage;
    std::string_view bytes;
    std::u16string_view text;
  } decodes[] = {
      {65001, "a\xFF" "b", u"a\uFFFD" "b"},
      {65001, "a\xE2\x82", u"a\uFFFD"},           // cut at the end
      {65001, "\xC0\xAF", u"\uFFFD\uFFFD"},       // overlong
      {65001, "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
      {1200, std::string_view("a\0b", 3), u"a\uFFFD"},
      // What a code page leaves undefined reads as on Windows.
      {1252, "a\x81" "b", u"a\u0081" "b"},
      {936, "a\x81\x20" "b", u"a?b"},
      {936, "\xD6\xD0\x81\x7F", u"\u4E2D?"},
      {936, "a\xD6", u"a?"},
  };
  for (const Decode& c : decodes) {
    std::u16string text;
    ASSERT_TRUE(DecodeCodePage(c.codePage, c.bytes, text));
    EXPECT_EQ(text, c.text) << c.codePage << " " << c.bytes;
  }
  struct Encode {
    int codePage;
    std::u16string_view text;
    std::string_view bytes;
  } encodes[] = {
      {1252, u"a\u4e2db", "a?b"},
      {1252, u"\U0001D11E", "??"},
      {28591, u"\u0100", "?"},
      {65001, u"a\xD800" "b", "a\xEF\xBF\xBD" "b"},
      {65001, u"ab\u00E9\u4E2D\U0001D11E" "c", "ab\xC3\xA9\xE4\xB8\xAD\xF0\x9D\x84\x9E" "c"},
  };
  for (const Encode& c : encodes) {
    std::string bytes;
    ASSERT_TRUE(EncodeCodePage(c.codePage, c.text, bytes));
    EXPECT_EQ(bytes, c.bytes) << c.codePage << " " << Utf8(c.text);
  }
}

TEST(CodePageTest, UnknownCodePagesFail) {
  std::u16string text;
  std::string bytes;
  for (int codePage : {12345, -7}) {
    EXPECT_FALSE(DecodeCodePage(codePage, "abc", text)) << codePage;
    EXPECT_FALSE(LastErrorText().empty());
    EXPECT_FALSE(EncodeCodePage(codePage, u"abc", bytes)) << codePage;
  }
}

TEST(CodePageTest, ZeroMeansTheSystemCodePage) {
  const int system = SystemCodePage();
  EXPECT_GT(system, 0);
  const std::string bytes = "plain \xE9";
  std::u16string viaZero, viaNumber;
  ASSERT_TRUE(DecodeCodePage(0, bytes, viaZero));
  ASSERT_TRUE(DecodeCodePage(system, bytes, viaNumber));
  EXPECT_EQ(viaZero, viaNumber);
}

TEST(CodePageTest, ALocaleGivesItsOwnCodePageOrTheSystems) {
#ifdef _WIN32
  EXPECT_EQ(LocaleAnsiCodePage(0x0409), 1252);  // English (United States)
  EXPECT_EQ(LocaleAnsiCodePage(0x0419), 1251);  // Russian
  EXPECT_EQ(LocaleAnsiCodePage(0x0411), 932);   // Japanese
#endif
  EXPECT_EQ(LocaleAnsiCodePage(0xFFFFFF), SystemCodePage());  // no such locale
}

#ifndef _WIN32
TEST(CodePageTest, EnvironmentOverridesTheLocaleNatively) {
  ASSERT_TRUE(UnsetEnv(u"QEL_CODEPAGE"));
  const int fromLocale = SystemCodePage();
  ASSERT_TRUE(SetEnv(u"QEL_CODEPAGE", u"1252"));
  EXPECT_EQ(SystemCodePage(), 1252);
  std::u16string text;
  ASSERT_TRUE(DecodeCodePage(0, "\xE9", text));
  EXPECT_EQ(text, u"\u00e9");
  for (const char16_t* ignored : {u"", u"cp1252", u"12x", u"-5"}) {
    ASSERT_TRUE(SetEnv(u"QEL_CODEPAGE", ignored));
    EXPECT_EQ(SystemCodePage(), fromLocale) << Utf8(ignored);
  }
  ASSERT_TRUE(UnsetEnv(u"QEL_CODEPAGE"));
}

// The names start-up reads without opening the locale give what opening it
// gives, installed or not; the rest are left to the system.
TEST(CodePageTest, LocaleNamesThatTellTheirCharset) {
  const struct {
    std::string_view name;
    int codePage;
  } cases[] = {
      {"", 65001},           {"C", 65001},          {"POSIX", 65001},         {"C.UTF-8", 65001},
      {"en_US.utf8", 65001}, {"de_DE.UTF-8@euro", 65001}, {"xx_YY.UTF-8", 65001}, {"en_US", 0},
      {"de_DE@euro", 0},     {"de_DE.ISO-8859-15", 0}, {"ja_JP.eucJP", 0},       {"en_US.", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(detail::KnownLocaleCodePage(c.name), c.codePage) << c.name;
}
#endif

}  // namespace
