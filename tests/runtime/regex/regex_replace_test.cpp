#include "regex_fixture.h"

using namespace runtime;

namespace {

struct ReplaceCase {
  const char* pattern;
  uint8_t options;
  const char* subject;
  const char* replacementTemplate;
  bool all;
  const char* result;
};

const ReplaceCase kReplaceCases[] = {
    {"o", 0, "boo", "0", true, "b00"},
    {"o", 0, "boo", "0", false, "b0o"},
    {"(o)", 0, "boo", "<$1$1>", true, "b<oo><oo>"},
    {"o+", 0, "boo", "", true, "b"},
    {"x*", 0, "ab", "-", true, "-a-b-"},
    {"b", 0, "abab", "$`", true, "aaaa"},
    {"(?:)", 0, "é中😀", "|", true,
     kUtf16Build ? "|é|中|😀|" : "|\xC3|\xA9|\xE4|\xB8|\xAD|\xF0|\x9F|\x98|\x80|"},
    {"(?:)", kUtf8, "é中😀", "|", true, "|é|中|😀|"},
    // Every match is searched in the subject as given: what was put in
    // before is no context for lookbehinds, "$_" or "$'".
    {"(?<=b)a", 0, "baa", "b", true, "bba"},
    {"a", 0, "aa", "[$_]", true, "[aa][aa]"},
    {"a", 0, "ab", "$'", true, "bb"},
};

TEST(RegexReplace, ReplacesOneOrEveryMatch) {
  for (const ReplaceCase& c : kReplaceCases) {
    CRegex engine;
    Prepare(engine, c.pattern, c.subject, c.options);
    engine.SetTemplateText(Widen(c.replacementTemplate));
    if (c.all) {
      EXPECT_TRUE(engine.ReplaceAll()) << c.pattern;
    } else {
      ASSERT_TRUE(engine.MatchNext());
      engine.Replace();
    }
    EXPECT_EQ(engine.Subject(), c.result) << c.pattern << " -> " << c.replacementTemplate;
    EXPECT_EQ(engine.GroupCount(), c.all ? -1 : 0) << c.pattern;
  }
}

TEST(RegexReplace, NothingToReplace) {
  CRegex engine;
  Prepare(engine, "z", "ab");
  EXPECT_FALSE(engine.ReplaceAll());
  EXPECT_EQ(engine.Subject(), "ab");
  engine.Replace();
  EXPECT_EQ(engine.Subject(), "ab");
}

// A callback that searches on has the match it found replaced.
TEST(RegexReplace, ACallbackThatSearchesOnMovesTheReplacement) {
  CRegex engine;
  Prepare(engine, "\\d", "a1b2c3d4");
  engine.SetCallback([](CRegex& e) {
    if (!e.MatchNext()) return std::string("!");
    std::string marked = "<";
    marked += e.Group(0);
    marked += ">";
    return marked;
  });
  EXPECT_TRUE(engine.ReplaceAll());
  EXPECT_EQ(engine.Subject(), "a1b<2>c3d<4>");
}

TEST(RegexCallback, GivesTheTextOfEachMatch) {
  CRegex engine;
  Prepare(engine, "(\\d+)", "a1b22");
  EXPECT_EQ(engine.MatchAll(), "122");
  Prepare(engine, "(\\d+)", "a1b22");
  engine.SetCallback([](CRegex& e) { return e.Group(1) + "|" + e.TextBefore() + ";"; });
  EXPECT_EQ(engine.MatchAll(), "1|a;22|b;");
  Prepare(engine, "(\\d+)", "a1b22");
  EXPECT_EQ(engine.MatchText(), "1|a;");
  EXPECT_EQ(engine.MatchText(), "22|b;");
  EXPECT_EQ(engine.MatchText(), "");
  Prepare(engine, "\\d+", "a1b22c");
  engine.SetCallback([](CRegex& e) { return e.Group(0) + e.Group(0); });
  EXPECT_TRUE(engine.ReplaceAll());
  EXPECT_EQ(engine.Subject(), "a11b2222c");
}

// A test engine that counts its instances, and a stored match result that
// holds a reference to its engine, as a match value does.
class TrackedRegex : public CRegex {
public:
  TrackedRegex() { ++alive; }
  ~TrackedRegex() override { --alive; }
  static inline int alive = 0;
};

class MatchResult : public CBase {
public:
  explicit MatchResult(CRegex* engine) : engine(engine), text(engine->Group(0)) { engine->AddRef(); }
  ~MatchResult() override { engine->Release(); }
  CRegex* const engine;
  const std::string text;
};

TEST(RegexOwnership, StoredMatchResultsKeepTheEngine) {
  auto* engine = new TrackedRegex;
  std::vector<MatchResult*> kept;
  engine->SetCallback([&kept](CRegex& e) {
    kept.push_back(new MatchResult(&e));
    return e.Group(0);
  });
  Prepare(*engine, "\\d+", "a1b22");
  EXPECT_EQ(engine->MatchAll(), "122");
  engine->Release();
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(TrackedRegex::alive, 1);
  EXPECT_EQ(kept[1]->engine->Subject(), "a1b22");
  kept[0]->Release();
  EXPECT_EQ(TrackedRegex::alive, 1);
  kept[1]->Release();
  EXPECT_EQ(TrackedRegex::alive, 0);
}

// The callback lets go of the only other reference while the walk goes on.
TEST(RegexOwnership, EngineOutlivesItsLastReleaseInACallback) {
  auto* engine = new TrackedRegex;
  MatchResult* owner = new MatchResult(engine);
  engine->Release();
  engine->SetCallback([&owner](CRegex& e) {
    if (owner) owner->Release();
    owner = nullptr;
    return e.Group(0) + ";";
  });
  Prepare(*engine, "\\d+", "a1b22");
  EXPECT_EQ(engine->MatchAll(), "1;22;");
  EXPECT_EQ(TrackedRegex::alive, 0);
}

}  // namespace
