#include <climits>

#include "runtime/regex/regex_options.h"
#include "regex_fixture.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

TEST(RegexSearch, EmptyMatchesDoNotRepeat) {
  CRegex engine;
  Prepare(engine, "a*", "baa");
  EXPECT_EQ(Walk(engine), (std::vector<Found>{{1, 0, ""}, {2, 2, "aa"}, {4, 0, ""}}));
}

TEST(RegexSearch, TextAroundEachMatch) {
  CRegex engine;
  Prepare(engine, "(\\d+)", "a1b22");
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.GroupCount(), 2);
  EXPECT_EQ(engine.TextBefore(), "a");
  EXPECT_EQ(engine.TextAfter(), "b22");
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.Group(1), "22");
  EXPECT_EQ(engine.TextBefore(), "b");
  EXPECT_EQ(engine.TextAfter(), "");
  EXPECT_FALSE(engine.MatchNext());
  EXPECT_LT(engine.GroupCount(), 0);
  EXPECT_EQ(engine.Group(0), "");
  EXPECT_EQ(engine.TextBefore(), "");
}

// The character an empty match steps over belongs to the text before the
// next match.
TEST(RegexSearch, TextBeforeKeepsWhatAnEmptyMatchSteppedOver) {
  CRegex engine;
  Prepare(engine, "a*", "baa");
  ASSERT_TRUE(engine.MatchNext());
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.Group(0), "aa");
  EXPECT_EQ(engine.TextBefore(), "b");
}

TEST(RegexSearch, ExecFlags) {
  struct Case {
    uint8_t flags;
    const char* pattern;
    const char* subject;
    const char* match;
  };
  const Case cases[] = {
      {regex_exec::kNotBol, "^a", "a", nullptr},
      {regex_exec::kNotEol, "a$", "a", nullptr},
      {regex_exec::kNotEmpty, "a*", "baa", "aa"},
      {0, "a*", "baa", ""},
  };
  for (const Case& c : cases) {
    CRegex engine;
    engine.SetExecFlags(c.flags);
    Prepare(engine, c.pattern, c.subject);
    EXPECT_EQ(NextMatch(engine), Expected(c.match)) << c.pattern;
  }
}

// é has 2 bytes, 中 3 and 😀 4 (a surrogate pair in UTF-16). qel's positions
// are byte positions. The IDE searches without UTF-8 mode (options 6).
TEST(RegexSearch, PositionsInBytesAndInText) {
  struct Case {
    const char* pattern;
    Found bytes;
    Found text16;
  };
  const Case cases[] = {
      {"x", {10, 1, "x"}, {5, 1, "x"}},
      {"中😀", {3, 7, "中😀"}, {2, 3, "中😀"}},
      {"😀", {6, 4, "😀"}, {3, 2, "😀"}},
      {"é", {1, 2, "é"}, {1, 1, "é"}},
  };
  for (const uint8_t options : {kUtf8, uint8_t(kMultiline | kDotAll)}) {
    for (const Case& c : cases) {
      CRegex engine;
      Prepare(engine, c.pattern, "é中😀x", options);
      EXPECT_EQ(Walk(engine), std::vector<Found>{c.bytes}) << c.pattern;
      Prepare(engine, c.pattern, "é中😀x", options);
      EXPECT_EQ(Walk(engine, true), std::vector<Found>{kUtf16Build ? c.text16 : c.bytes}) << c.pattern;
    }
  }
}

// Without UTF-8 mode qelu's subject is still UTF-8, so an empty match steps a
// whole character; qel's 8-bit text steps a byte.
TEST(RegexSearch, EmptyMatchStepsWholeCharacters) {
  const std::vector<int32_t> utf8Bytes = {1, 3, 6, 10};
  const std::vector<int32_t> eachByte = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const std::vector<int32_t> utf16Units = {1, 2, 3, 5};
  for (const uint8_t options : {kUtf8, uint8_t(0)}) {
    CRegex engine;
    Prepare(engine, "x*", "é中😀", options);
    std::vector<int32_t> bytes, units;
    for (const Found& found : Walk(engine)) bytes.push_back(found.pos);
    Prepare(engine, "x*", "é中😀", options);
    for (const Found& found : Walk(engine, true)) units.push_back(found.pos);
    const bool wholeCharacters = kUtf16Build || options == kUtf8;
    EXPECT_EQ(bytes, wholeCharacters ? utf8Bytes : eachByte) << int(options);
    EXPECT_EQ(units, kUtf16Build ? utf16Units : bytes) << int(options);
  }
}

#ifndef QEL_ANSI
TEST(RegexSearch, LoneSurrogateCountsAsOneUnit) {
  CRegex engine;
  engine.SetOptions(kUtf8);
  engine.SetPatternText(u"b");
  engine.SetSubjectText(Text{u'a', char16_t(0xD800), u'b'});
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.TextMatchPos(), 3);
}
#endif

// Only our own UTF-8 conversion skips PCRE's check; raw bytes, and a subject
// changed by a replacement, are checked.
TEST(RegexSearch, RawSubjectsAreCheckedInUtf8Mode) {
  CRegex engine;
  engine.SetOptions(kUtf8);
  engine.SetPattern("b");
  engine.SetSubject("a\xFF" "b");
  EXPECT_EQ(ErrorOf([&] { engine.MatchNext(); }), "RE Exec() - Invalid UTF-8 in the subject at offset 1");
#ifdef QEL_ANSI
  engine.SetSubjectText("a\xC3" "b");
  EXPECT_EQ(ErrorOf([&] { engine.MatchNext(); }), "RE Exec() - Invalid UTF-8 in the subject at offset 1");
#endif
  engine.SetSubject("\xC3\xA9" "b");
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.MatchPos(), 3);

  engine.SetSubjectText(Widen("abab"));
  engine.SetTemplate("\xFF");
  EXPECT_TRUE(engine.ReplaceAll());
  EXPECT_EQ(engine.Subject(), "a\xFF" "a\xFF");
  EXPECT_EQ(ErrorOf([&] { engine.MatchNext(); }), "RE Exec() - Invalid UTF-8 in the subject at offset 1");
}

// Past 99 groups PCRE reports 0 (the offsets are full); the walk goes on.
TEST(RegexSearch, MoreGroupsThanTheOffsetsHold) {
  CRegex engine;
  Prepare(engine, Repeat("(a?)", 101), "b");
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.GroupCount(), CRegex::kMaxGroups);
  Prepare(engine, Repeat("(a?)", 101), "b");
  EXPECT_EQ(Walk(engine), (std::vector<Found>{{1, 0, ""}, {2, 0, ""}}));

  const std::string as = Repeat("a", 120);
  Prepare(engine, Repeat("(a)", 120), as);
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.MatchPos(), 1);
  EXPECT_EQ(engine.MatchLength(), 120);
  EXPECT_EQ(engine.Group(99), "a");
  EXPECT_EQ(engine.Group(100), "");
}

TEST(RegexSearch, AbsentGroupsAreEmpty) {
  CRegex engine;
  Prepare(engine, "(a)|(b)(c)|(?<n>d)", "bca");
  ASSERT_TRUE(engine.MatchNext());
  ASSERT_EQ(engine.GroupCount(), 4);
  ASSERT_TRUE(engine.MatchNext());
  ASSERT_EQ(engine.GroupCount(), 2);
  EXPECT_EQ(engine.Group(1), "a");
  for (const int32_t index : {2, 3, 4, 100, 150, INT_MAX, -1, -2, INT_MIN}) {
    EXPECT_EQ(engine.Group(index), "") << index;
  }
  for (const std::string_view name : {"n", "none", ""}) EXPECT_EQ(engine.NamedGroupText(name), "");

  Prepare(engine, "(a)?(?<n>b)", "b");
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.Group(1), "");
  EXPECT_EQ(engine.NamedGroupText("n"), "b");
  EXPECT_EQ(engine.NamedGroupText(std::string_view("n\0x", 3)), "");
}

// \K in a lookahead puts the start after the end; the walk would not move.
TEST(RegexSearch, MatchEndingBeforeItStartsIsAnError) {
  CRegex engine;
  Prepare(engine, "(?=ab\\K)", "ab");
  EXPECT_EQ(ErrorOf([&] { Walk(engine); }), "RE Exec() - The match ends before it starts (\\K in a lookahead)");
  EXPECT_EQ(engine.Group(0), "");
}

// PCRE recurses once or twice per repeat of a group.
TEST(RegexSearch, RecursionBeyondTheStackIsAnError) {
  CRegex engine;
  Prepare(engine, "(a|b)*", Repeat("a", 1000));
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.MatchLength(), 1000);
  Prepare(engine, "(a|b)*", Repeat("a", 1000000));
  EXPECT_EQ(ErrorOf([&] { engine.MatchNext(); }), "RE Exec() - The pattern recurses too deeply for this subject");
}

// Backtracking has one budget of steps for every search of a subject: a
// catastrophic pattern stops with an error, whether it backtracks at one
// start, at many starts of one search, or in many matches of one walk.
TEST(RegexSearch, CatastrophicBacktrackingUsesUpTheStepsOfTheSubject) {
  const std::string usedUp = "RE Exec() - Too much backtracking: the searches of this subject took more than ";
  CRegex engine;
  const std::string manyStarts = Repeat(Repeat("a", 18) + "c", 400) + "b";
  Prepare(engine, "(a|a)*b", manyStarts);
  EXPECT_EQ(ErrorOf([&] { engine.MatchNext(); }), usedUp + std::to_string(StepBudget(manyStarts.size())) + " steps");
  const std::string manyMatches = Repeat(Repeat("a", 16) + "c", 40);
  Prepare(engine, "(a|a)*b|c", manyMatches);
  EXPECT_EQ(ErrorOf([&] { while (engine.MatchNext()) {} }),
            usedUp + std::to_string(StepBudget(manyMatches.size())) + " steps");
  Prepare(engine, "(a|a)*b|c", manyMatches);
  EXPECT_TRUE(engine.MatchNext()) << "a new subject starts with a new budget";
}

// One long backtracking search at one start used to meet PCRE's own match
// limit first, with a message of its own.
TEST(RegexSearch, BacktrackingAtOneStartStopsWithTheMessageOfTheSteps) {
  const struct {
    const char* pattern;
    std::string subject;
  } cases[] = {
      {"(a|a)*b", Repeat("a", 30) + "cb"},
      {"(a+)+b", Repeat("a", 40) + "cb"},
      {"(x+x+)+y", Repeat("x", 40) + "zy"},
      {"^(\\w+\\s?)*$", Repeat("a", 40) + "!"},
  };
  for (const auto& c : cases) {
    CRegex engine;
    Prepare(engine, c.pattern, c.subject);
    EXPECT_EQ(ErrorOf([&] { engine.MatchNext(); }),
              "RE Exec() - Too much backtracking: the searches of this subject took more than " +
                  std::to_string(StepBudget(c.subject.size())) + " steps")
        << c.pattern;
  }
}

TEST(RegexSearch, OrdinarySearchesOfLargeSubjectsStayWithinTheSteps) {
  CRegex engine;
  const std::string text = Repeat("word 12 other-thing, x ", 480000);
  ASSERT_GT(text.size(), 10u << 20);
  Prepare(engine, "(\\w+)-(\\w+),\\s+x $", text);
  ASSERT_TRUE(engine.MatchNext());
  EXPECT_EQ(engine.Group(2), "thing");
  Prepare(engine, "[a-z]+\\d|(?:wo|rd|th)+x", text.substr(0, 1u << 20));
  EXPECT_FALSE(engine.MatchNext());
}

}  // namespace
