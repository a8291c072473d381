#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/highlighter.h"
#include "editor/highlighter_list.h"

using namespace editor;
using toolkit::SettingsRoot;
using toolkit::String;

namespace {

// A small language: words (the keyword "begin"), numbers, blanks, symbols
// and "{ }" comments that may run over several lines.
class TestHighlighter : public TCodeCustomHighlighter {
 public:
  enum Kind { kComment, kIdentifier, kKeyword, kNumber, kSpace, kSymbol };
  enum Range : TCodeRangeState { kNormal = 0, kInComment = 1 };

  explicit TestHighlighter(toolkit::Component* owner, bool caseSensitive = false)
      : TCodeCustomHighlighter(owner) {
    SetCaseSensitive(caseSensitive);
    comment_ = new TCodeHighlighterAttributes(u"Comment", u"Comment");
    RegisterAttribute(comment_);
    keyword_ = new TCodeHighlighterAttributes(u"Reserved word", u"Reserved word");
    RegisterAttribute(keyword_);
    number_ = new TCodeHighlighterAttributes(u"Number", u"Number");
    RegisterAttribute(number_);
    comment_->SetStyle(fsItalic);
    BindAttributeChanges(
        toolkit::NotifyEvent(static_cast<TCodeCustomHighlighter*>(this), &TCodeCustomHighlighter::NotifyAttributeChange));
  }
  static TCodeCustomHighlighter* Create(toolkit::Component* owner) { return new TestHighlighter(owner); }

  TCodeHighlighterAttributes* CommonAttribute(int index) const override {
    return index == 0 ? comment_ : index == 1 ? keyword_ : nullptr;
  }
  bool ScanFinished() const override { return finished_; }
  TCodeHighlighterAttributes* TokenStyle() const override {
    switch (kind_) {
      case kComment: return comment_;
      case kKeyword: return keyword_;
      case kNumber: return number_;
      default: return nullptr;
    }
  }
  int TokenClass() const override { return kind_; }
  TCodeRangeState LineEndState() const override { return range_; }
  void RestoreState(TCodeRangeState state) override { range_ = state; }
  void ClearState() override { range_ = kNormal; }
  String SampleText() const override { return sample_; }
  void SetSampleText(const String& text) override { sample_ = text; }

  void Next() override {
    const toolkit::StringView text = ScanText();
    const int length = static_cast<int>(text.size());
    tokenPos_ = run_;
    finished_ = run_ >= length;
    if (finished_) {
      TCodeCustomHighlighter::Next();
      return;
    }
    const auto at = [&](int i) { return text[static_cast<std::size_t>(i)]; };
    if (range_ == kInComment || at(run_) == u'{') {
      kind_ = kComment;
      range_ = kInComment;
      while (run_ < length && at(run_) != u'}') ++run_;
      if (run_ < length) {
        ++run_;
        range_ = kNormal;
      }
    } else if (IsIdentifierChar(at(run_)) && !(at(run_) >= u'0' && at(run_) <= u'9')) {
      while (run_ < length && IsIdentifierChar(at(run_))) ++run_;
      SetIdentifier(tokenPos_, run_ - tokenPos_);
      kind_ = TokenEquals(u"begin") ? kKeyword : kIdentifier;
    } else if (at(run_) >= u'0' && at(run_) <= u'9') {
      while (run_ < length && at(run_) >= u'0' && at(run_) <= u'9') ++run_;
      kind_ = kNumber;
    } else if (at(run_) <= u' ') {
      while (run_ < length && at(run_) <= u' ') ++run_;
      kind_ = kSpace;
    } else {
      ++run_;
      kind_ = kSymbol;
    }
    TCodeCustomHighlighter::Next();
  }

  TCodeHighlighterAttributes* comment_;
  TCodeHighlighterAttributes* keyword_;
  TCodeHighlighterAttributes* number_;

 private:
  int kind_ = kSpace;
  TCodeRangeState range_ = kNormal;
  bool finished_ = false;
  String sample_;
};

struct Token {
  std::string text;
  int kind;
  friend bool operator==(const Token&, const Token&) = default;
};

// Scans the lines the editor's way, keeping each line's end state.
std::vector<std::vector<Token>> ScanLines(TCodeCustomHighlighter& h, const std::vector<String>& lines,
                                          std::vector<TCodeRangeState>& states) {
  std::vector<std::vector<Token>> result;
  states.clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 0) {
      h.ClearState();
    } else {
      h.RestoreState(states.back());
    }
    std::vector<Token> tokens;
    for (h.StartLine(lines[i], static_cast<int>(i)); !h.ScanFinished(); h.Next())
      tokens.push_back({toolkit::ToUtf8(h.TokenText()), h.TokenClass()});
    states.push_back(h.LineEndState());
    result.push_back(tokens);
  }
  return result;
}

using K = TestHighlighter::Kind;

TEST(HighlighterTest, RangeStatesCarryACommentAcrossLines) {
  TestHighlighter h(nullptr);
  std::vector<TCodeRangeState> states;
  const auto tokens = ScanLines(h, {u"x {open", u"still", u"end} 42", u"y"}, states);
  EXPECT_EQ(states, (std::vector<TCodeRangeState>{1, 1, 0, 0}));
  EXPECT_EQ(tokens[0], (std::vector<Token>{{"x", K::kIdentifier}, {" ", K::kSpace}, {"{open", K::kComment}}));
  EXPECT_EQ(tokens[1], (std::vector<Token>{{"still", K::kComment}}));
  EXPECT_EQ(tokens[2], (std::vector<Token>{{"end}", K::kComment}, {" ", K::kSpace}, {"42", K::kNumber}}));
  EXPECT_EQ(tokens[3], (std::vector<Token>{{"y", K::kIdentifier}}));
  // Rescanning one line from its predecessor's state gives the same tokens.
  h.RestoreState(states[0]);
  h.StartLine(u"still", 1);
  EXPECT_EQ(h.TokenClass(), K::kComment);
}

TEST(HighlighterTest, CaseInsensitiveScanSeesLowerCaseButShowsTheText) {
  TestHighlighter insensitive(nullptr);
  insensitive.StartLine(u"BEGIN", 0);
  EXPECT_EQ(insensitive.TokenClass(), K::kKeyword);
  EXPECT_EQ(insensitive.TokenText(), u"BEGIN");
  EXPECT_EQ(insensitive.TokenStyle(), insensitive.keyword_);

  TestHighlighter sensitive(nullptr, true);
  sensitive.StartLine(u"BEGIN begin", 0);
  EXPECT_EQ(sensitive.TokenClass(), K::kIdentifier);
  sensitive.Next();
  sensitive.Next();
  EXPECT_EQ(sensitive.TokenClass(), K::kKeyword);
  EXPECT_EQ(sensitive.TokenStart(), 6);
}

TEST(HighlighterTest, ExpandedPositionsStepOverWideGlyphFillers) {
  TestHighlighter h(nullptr);
  // One filler before a letter: the letter's token ends two cells on.
  h.StartLineExpanded(u"a", String(1, kWideGlyphFiller) + u"a", 0);
  EXPECT_EQ(h.TokenStartExpanded(), 0);
  EXPECT_EQ(h.TokenTextExpanded(), String(1, kWideGlyphFiller) + u"a");
  // A wide character and its filler, then a number.
  String wide = u"\u6c49";
  wide += kWideGlyphFiller;
  wide += u" 12";
  h.StartLineExpanded(u"\u6c49 12", wide, 0);
  h.Next();
  h.Next();
  EXPECT_EQ(h.TokenText(), u"12");
  EXPECT_EQ(h.TokenStartExpanded(), 3);
  EXPECT_EQ(h.TokenTextExpanded(), u"12");
  // An expanded text shorter than the line never takes the scan past its end.
  h.StartLineExpanded(u"abc def", String(2, kWideGlyphFiller), 0);
  h.SkipToLineEnd();
  EXPECT_EQ(h.TokenTextExpanded(), u"");
  // Without an expanded line the expanded queries give the plain ones.
  h.StartLine(u"x y", 0);
  EXPECT_EQ(h.TokenTextExpanded(), u"x");
}

TEST(HighlighterTest, CharacterClasses) {
  TestHighlighter h(nullptr);
  struct Case {
    char16_t c;
    bool identifier, blank, separator;
  };
  const Case cases[] = {
      {u'a', true, false, false},    {u'_', true, false, false},     {u'7', true, false, false},
      {u'\t', false, true, true},    {u' ', false, true, true},      {u'~', false, false, true},
      {u'+', false, false, true},    {u'`', false, false, true},     {0x7F, false, true, false},
      {0xA7, false, false, true},    {0xB0, false, false, true},     {0xB4, false, false, true},
      {0xE9, false, true, false},    {0x6C49, false, true, false},   {u'@', false, false, true},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(static_cast<int>(test.c));
    EXPECT_EQ(h.IsIdentifierChar(test.c), test.identifier);
    EXPECT_EQ(h.IsBlankChar(test.c), test.blank);
    EXPECT_EQ(h.IsWordSeparator(test.c), test.separator);
  }
  h.StartLine(u"ab\r", 0);
  EXPECT_FALSE(h.PastLineEnd(1));
  EXPECT_TRUE(h.PastLineEnd(2));
  EXPECT_TRUE(h.PastLineEnd(3));
}

class HookCounter : public toolkit::Object {
 public:
  void Changed(toolkit::Object* sender) { senders.push_back(sender); }
  toolkit::NotifyEvent Event() { return toolkit::NotifyEvent(this, &HookCounter::Changed); }
  std::vector<toolkit::Object*> senders;
};

TEST(HighlighterAttributesTest, ChangesReachTheHooksOnlyWhenValuesChange) {
  TestHighlighter h(nullptr);
  HookCounter hooks;
  h.AddChangeHook(hooks.Event());
  h.number_->SetBackground(h.number_->Background());
  EXPECT_TRUE(hooks.senders.empty());
  h.number_->SetForeground(toolkit::clRed);
  h.SetEnabled(false);
  h.SetEnabled(false);
  EXPECT_EQ(hooks.senders, (std::vector<toolkit::Object*>{h.number_, nullptr}));
  // Defaults were kept when the changes were bound: only later changes are stored.
  EXPECT_TRUE(h.number_->ForegroundStored());
  EXPECT_FALSE(h.comment_->StyleStored());
  h.SetLoading(true);
  h.number_->SetForeground(toolkit::clBlue);
  EXPECT_EQ(hooks.senders.size(), 2u) << "quiet while loading";
  h.SetLoading(false);
  EXPECT_EQ(hooks.senders.size(), 3u) << "loaded: one notification";
  h.RemoveChangeHook(hooks.Event());
  h.number_->SetForeground(toolkit::clGreen);
  EXPECT_EQ(hooks.senders.size(), 3u);
}

TEST(HighlighterAttributesTest, ANestedNotificationKeepsTheOuterSender) {
  TestHighlighter h(nullptr);
  HookCounter first, last;
  h.AddChangeHook(first.Event());
  h.AddChangeHook(last.Event());
  bool nested = false;
  class Renotify : public toolkit::Object {
   public:
    std::function<void()> run;
    void Changed(toolkit::Object*) { run(); }
  } renotify;
  renotify.run = [&] {
    if (nested) return;
    nested = true;
    h.NotifyAttributeChange(nullptr);
  };
  h.RemoveChangeHook(last.Event());
  h.AddChangeHook(toolkit::NotifyEvent(&renotify, &Renotify::Changed));
  h.AddChangeHook(last.Event());
  h.number_->SetForeground(toolkit::clRed);
  EXPECT_EQ(first.senders, (std::vector<toolkit::Object*>{h.number_, nullptr}));
  EXPECT_EQ(last.senders, (std::vector<toolkit::Object*>{nullptr, h.number_}));
}

TEST(HighlighterAttributesTest, AttributesAreListedByNameAndUnique) {
  TestHighlighter h(nullptr);
  ASSERT_EQ(h.CountAttributes(), 3);
  EXPECT_EQ(h.AttributeAt(0)->Name(), u"Comment");
  EXPECT_EQ(h.AttributeAt(1)->Name(), u"Number");
  EXPECT_EQ(h.AttributeAt(2)->Name(), u"Reserved word");
  EXPECT_EQ(h.AttributeAt(3), nullptr);
  EXPECT_EQ(h.AttributeAt(-1), nullptr);
  try {
    h.RegisterAttribute(new TCodeHighlighterAttributes(u"Number", u"Other number"));
    FAIL();
  } catch (const toolkit::ListError& error) {
    EXPECT_EQ(error.Message(), u"String list does not allow duplicates");
  }
  EXPECT_EQ(h.CountAttributes(), 3);
}

TEST(HighlighterAttributesTest, AssignCopiesNamesakesOnly) {
  class Other : public TestHighlighter {
   public:
    Other() : TestHighlighter(nullptr) {
      extra_ = new TCodeHighlighterAttributes(u"Extra", u"Extra");
      RegisterAttribute(extra_);
    }
    TCodeHighlighterAttributes* extra_;
  } source;
  source.number_->SetForeground(toolkit::clRed);
  source.comment_->SetStyle(fsBold | fsUnderline);
  source.extra_->SetBackground(toolkit::clAqua);
  source.SetSampleText(u"sample");
  source.SetDefaultFilter(u"*.x");
  source.SetEnabled(false);

  TestHighlighter target(nullptr);
  target.Assign(&source);
  EXPECT_EQ(target.number_->Foreground(), toolkit::clRed);
  EXPECT_EQ(target.comment_->Style(), fsBold | fsUnderline);
  EXPECT_EQ(target.CountAttributes(), 3);
  EXPECT_EQ(target.SampleText(), u"") << "another class keeps its own sample";
  EXPECT_EQ(target.DefaultFilter(), u"*.x");
  EXPECT_FALSE(target.Enabled());

  TestHighlighter twin(nullptr), sameClass(nullptr);
  twin.SetSampleText(u"twin sample");
  sameClass.SetSampleText(u"mine");
  sameClass.Assign(&twin);
  EXPECT_EQ(sameClass.SampleText(), u"twin sample");
}

TEST(HighlighterAttributesTest, AttributeAssignNotifiesOnceWhenAnythingDiffered) {
  TCodeHighlighterAttributes a(u"A", u"A"), b(u"B", u"B");
  HookCounter changes;
  a.OnChange = changes.Event();
  b.SetForeground(toolkit::clRed);
  b.SetStyle(fsBold);
  a.Assign(&b);
  EXPECT_EQ(changes.senders.size(), 1u);
  EXPECT_EQ(a.Name(), u"B");
  a.Assign(&b);
  EXPECT_EQ(changes.senders.size(), 1u);
}

TEST(HighlighterSettingsTest, AttributesRoundTripThroughTheStore) {
  toolkit::MemorySettingsStore store;
  const String key = u"Software\\Qel\\Highlighters\\Test";
  TestHighlighter source(nullptr);
  EXPECT_FALSE(source.ReadFromRegistry(store, SettingsRoot::CurrentUser, key)) << "nothing stored yet";
  source.comment_->SetBackground(static_cast<toolkit::Color>(0xFF00000D));
  source.number_->SetForeground(0x123456);
  source.keyword_->SetStyle(fsBold | fsStrikeOut);
  ASSERT_TRUE(source.WriteToRegistry(store, SettingsRoot::CurrentUser, key));
  EXPECT_EQ(store.ReadInteger(SettingsRoot::CurrentUser, key + u"\\Reserved word", u"Style"), 9);

  TestHighlighter target(nullptr);
  ASSERT_TRUE(target.ReadFromRegistry(store, SettingsRoot::CurrentUser, key));
  EXPECT_EQ(target.comment_->Background(), static_cast<toolkit::Color>(0xFF00000D));
  EXPECT_EQ(target.number_->Foreground(), 0x123456);
  EXPECT_EQ(target.keyword_->Style(), fsBold | fsStrikeOut);
}

TEST(HighlighterSettingsTest, PartialAndDamagedSettings) {
  toolkit::MemorySettingsStore store;
  const String key = u"Software\\Qel\\Highlighters\\Test";
  const SettingsRoot user = SettingsRoot::CurrentUser;
  store.CreateKey(user, key + u"\\Number");
  store.WriteInteger(user, key + u"\\Number", u"Foreground", 0xFF);
  store.CreateKey(user, key + u"\\Comment");
  store.WriteString(user, key + u"\\Comment", u"Style", u"bold");
  store.WriteInteger(user, key + u"\\Comment", u"Background", 0x00FF00);

  TestHighlighter h(nullptr);
  EXPECT_FALSE(h.ReadFromRegistry(store, user, key)) << "Reserved word is missing, Comment's style is text";
  EXPECT_EQ(h.number_->Foreground(), 0xFF);
  EXPECT_EQ(h.number_->Background(), kColorNone) << "values not present stay";
  EXPECT_EQ(h.comment_->Background(), 0x00FF00) << "the good values of a damaged key are read";
  EXPECT_EQ(h.comment_->Style(), fsItalic);
}

TEST(HighlighterSettingsTest, ImportOldLayout) {
  toolkit::MemorySettingsStore store;
  const SettingsRoot user = SettingsRoot::CurrentUser;
  const String key = u"Software\\Other\\Colors";
  store.CreateKey(user, key);
  store.WriteString(user, key, u"Comment", u"x,y,BI,0,0,12,14");
  store.WriteString(user, key, u"Defaults", u"x,y,,1,1");
  store.WriteString(user, key, u"Bad", u"x,y,U,0,0,16,1");

  TCodeHighlighterAttributes attribute(u"A", u"A");
  ASSERT_TRUE(attribute.ImportExternalRegistry(store, user, key, u"Comment", true));
  EXPECT_EQ(attribute.Foreground(), 0xFF0000);
  EXPECT_EQ(attribute.Background(), 0xFFFF00);
  EXPECT_EQ(attribute.Style(), fsBold | fsItalic);
  ASSERT_TRUE(attribute.ImportExternalRegistry(store, user, key, u"Defaults", true));
  EXPECT_EQ(attribute.Foreground(), kColorWindowText);
  EXPECT_EQ(attribute.Background(), kColorWindow);
  EXPECT_EQ(attribute.Style(), 0);
  EXPECT_FALSE(attribute.ImportExternalRegistry(store, user, key, u"Bad", true)) << "palette number 16";
  EXPECT_FALSE(attribute.ImportExternalRegistry(store, user, key, u"Missing", true));
  EXPECT_EQ(attribute.Background(), kColorWindow);
}

TEST(HighlighterSettingsTest, ImportNewLayout) {
  toolkit::MemorySettingsStore store;
  const SettingsRoot user = SettingsRoot::CurrentUser;
  const String key = u"Software\\Other\\Colors";
  const String path = key + u"\\Comment";
  store.CreateKey(user, path);
  store.WriteInteger(user, path, u"Foreground Color", 9);
  store.WriteString(user, path, u"Background Color New", u"clInfoBk");
  store.WriteString(user, path, u"Bold", u"True");
  store.WriteString(user, path, u"Italic", u"0");
  store.WriteString(user, path, u"Underline", u"false");
  store.WriteString(user, path, u"Default Foreground", u"False");

  TCodeHighlighterAttributes attribute(u"A", u"A");
  HookCounter changes;
  attribute.OnChange = changes.Event();
  EXPECT_FALSE(attribute.ImportExternalRegistry(store, user, key, u"Comment", false))
      << "\"Default Background\" is missing";
  EXPECT_TRUE(changes.senders.empty()) << "and nothing changed";
  EXPECT_EQ(attribute.Foreground(), kColorNone);

  store.WriteString(user, path, u"Default Background", u"FALSE");
  ASSERT_TRUE(attribute.ImportExternalRegistry(store, user, key, u"Comment", false));
  EXPECT_EQ(attribute.Foreground(), 0x0000FF);
  EXPECT_EQ(attribute.Background(), CodeSystemColor(24));
  EXPECT_EQ(attribute.Style(), fsBold);

  store.WriteString(user, path, u"Default Background", u"1");
  store.WriteString(user, path, u"Default Foreground", u"no");  // only "false" and "0" are false
  ASSERT_TRUE(attribute.ImportExternalRegistry(store, user, key, u"Comment", false));
  EXPECT_EQ(attribute.Foreground(), kColorWindowText);
  EXPECT_EQ(attribute.Background(), kColorWindow);
}

TEST(HighlighterListTest, ClassesAreRegisteredOnce) {
  const int index = RegisterHighlighterClass(&TestHighlighter::Create);
  EXPECT_EQ(RegisterHighlighterClass(&TestHighlighter::Create), index);
  EXPECT_EQ(HighlighterClassList().Items(index), &TestHighlighter::Create);
  TCodeCustomHighlighter* made = HighlighterClassList().Items(index)(nullptr);
  EXPECT_EQ(made->LanguageTitle(), u"<Unknown>");
  delete made;
}

}  // namespace
