#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "editor/word_wrap.h"

namespace {

using editor::BufferPos;
using editor::DisplayPos;
using editor::TCodeEditStringList;
using editor::TCodeWordWrapPlugin;
using toolkit::String;

// An editor as word wrap sees it: blanks and punctuation break words, and
// characters from U+3000 up are two cells wide.
class FakeEditor : public toolkit::Object, public editor::WordWrapOwner {
 public:
  explicit FakeEditor(int width) : lines({this, &FakeEditor::Widen}), width(width) {}
  const TCodeEditStringList& Lines() const override { return lines; }
  int CharsInWindow() const override { return width; }
  bool IsWordBreakChar(char16_t c) const override { return c == u' ' || c == u'\t' || c == u',' || c == u'.'; }
  String ExpandAtWideGlyphs(const String& expanded) const override {
    expanded_.push_back(expanded);
    return WidenText(expanded);
  }
  String Widen(const String& expanded) { return WidenText(expanded); }
  static String WidenText(const String& expanded) {
    String result;
    for (char16_t c : expanded) {
      if (c >= u'\x3000') result += editor::kWideGlyphFiller;
      result += c;
    }
    return result;
  }

  // The texts wrap has built, and forgetting them.
  std::vector<String> Built() {
    std::vector<String> built;
    built.swap(expanded_);
    return built;
  }

  TCodeEditStringList lines;
  int width;

 private:
  mutable std::vector<String> expanded_;
};

// The plug-in as the editor holds it: one reference for its lifetime.
class Wrap {
 public:
  explicit Wrap(FakeEditor& editor) : plugin_(new TCodeWordWrapPlugin(&editor)) { plugin_->AddRef(); }
  ~Wrap() { plugin_->Release(); }
  Wrap(const Wrap&) = delete;
  Wrap& operator=(const Wrap&) = delete;
  TCodeWordWrapPlugin* operator->() const { return plugin_; }
  std::vector<int> Rows() const {
    std::vector<int> rows;
    for (int row = 1; row <= plugin_->TotalRows(); ++row) rows.push_back(plugin_->LengthOfRow(row));
    return rows;
  }

 private:
  TCodeWordWrapPlugin* plugin_;
};

struct WrapCase {
  const char* what;
  int width;
  int tabWidth;
  String line;
  std::vector<int> rows;
};

TEST(WordWrap, LinesBreakBeforeWordBreaksElseHard) {
  const WrapCase cases[] = {
      {"three words: the blank at 9 starts the second row", 10, 8, u"AAAA BBBB CCCC", {9, 5}},
      {"no break characters", 10, 8, u"abcdefghijklmnopqrstuvwxy", {10, 10, 5}},
      {"a break at the candidate end keeps the full row", 10, 8, u"abcdefghij klm", {10, 4}},
      {"a break too near the row start is not taken", 10, 8, u"ab cdefghijklmn", {10, 5}},
      {"an empty line has one empty row", 10, 8, u"", {0}},
      {"a line as wide as the area", 10, 8, u"abcdefghij", {10}},
      {"a wide glyph whose filler would end the row moves with it", 10, 8, u"abcdefghi\x4E2Dz", {9, 3}},
      {"wide glyphs only", 5, 8, u"\x4E2D\x4E2D\x4E2D\x4E2D", {4, 4}},
      {"tabs count their columns", 10, 4, u"a\tb\tc\td", {10, 3}},
      {"width 1", 1, 8, u"abc", {1, 1, 1}},
  };
  for (const WrapCase& c : cases) {
    FakeEditor editor(c.width);
    editor.lines.SetTabWidth(c.tabWidth);
    editor.lines.Add(c.line);
    Wrap wrap(editor);
    EXPECT_EQ(wrap.Rows(), c.rows) << c.what;
  }
  FakeEditor editor(10);
  Wrap wrap(editor);
  EXPECT_EQ(wrap->MaxRowLength(), 10);
  EXPECT_EQ(wrap->MinRowLength(), 7);
}

TEST(WordWrap, PositionsConvertBothWays) {
  FakeEditor editor(10);
  editor.lines.SetText(u"AAAA BBBB CCCC\nshort\n");
  Wrap wrap(editor);
  ASSERT_EQ(wrap.Rows(), (std::vector<int>{9, 5, 5, 0}));
  struct Case {
    BufferPos buffer;
    DisplayPos display;
  };
  const Case both[] = {
      {{1, 1}, {1, 1}}, {{9, 1}, {9, 1}}, {{10, 1}, {1, 2}}, {{14, 1}, {5, 2}},
      {{15, 1}, {6, 2}},  // just behind the line's end
      {{3, 2}, {3, 3}}, {{1, 3}, {1, 4}},
      {{4, 5}, {4, 6}},  // beyond the wrapped lines
  };
  for (const Case& c : both) {
    EXPECT_EQ(wrap->ToDisplayPosition(c.buffer), c.display) << c.buffer.Char << "," << c.buffer.Line;
    EXPECT_EQ(wrap->ToBufferPosition(c.display), c.buffer) << c.display.Column << "," << c.display.Row;
  }
  // Columns past a row's end stop one behind it; on a line's last row one
  // behind the widest row.
  EXPECT_EQ(wrap->ToBufferPosition({30, 1}), (BufferPos{10, 1}));
  EXPECT_EQ(wrap->ToBufferPosition({30, 2}), (BufferPos{20, 1}));
  EXPECT_EQ(wrap->ToDisplayPosition({20, 2}), (DisplayPos{20, 3}));
}

TEST(WordWrap, ChangedLinesAloneAreWrappedAgain) {
  FakeEditor editor(10);
  editor.lines.SetText(u"one\nAAAA BBBB CCCC\nthree");
  Wrap wrap(editor);
  EXPECT_EQ(wrap->TotalRows(), 4);

  editor.lines.Insert(1, u"abcdefghijklmnopqrstuvwxy");
  editor.Built();
  EXPECT_EQ(wrap->NoteLinesInserted(1, 1), 3);
  EXPECT_EQ(editor.Built(), std::vector<String>{u"abcdefghijklmnopqrstuvwxy"});
  EXPECT_EQ(wrap.Rows(), (std::vector<int>{3, 10, 10, 5, 9, 5, 5}));

  editor.lines.Put(2, u"x");
  EXPECT_EQ(wrap->NoteLinesReplaced(2, 1), -1);
  EXPECT_EQ(wrap.Rows(), (std::vector<int>{3, 10, 10, 5, 1, 5}));

  editor.lines.RemoveLines(0, 2);
  EXPECT_EQ(wrap->NoteLinesDeleted(0, 2), 4);
  EXPECT_EQ(wrap.Rows(), (std::vector<int>{1, 5}));
  EXPECT_EQ(wrap->ToBufferPosition({1, 2}), (BufferPos{1, 2}));

  editor.Built();
  wrap->NoteDisplayChange();
  EXPECT_EQ(wrap->TotalRows(), 2);
  editor.width = 3;
  wrap->NoteDisplayChange();
  EXPECT_EQ(wrap.Rows(), (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(editor.Built(), std::vector<String>{u"three"});  // the line that fits is not built
}

// Edits at random places, each told to the plug-in, end in the rows of a
// fresh wrap of the same lines.
TEST(WordWrap, NotedEditsMatchAWholeRewrap) {
  std::mt19937 random(108);
  auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
  FakeEditor editor(12);
  Wrap wrap(editor);
  const String words[] = {u"alpha", u"be", u"\x4E2D\x6587", u"\t", u"gamma,delta", u" ", u"epsilonzetaeta"};
  for (int step = 0; step < 300; ++step) {
    String text;
    for (int n = pick(8); n > 0; --n) text += words[pick(7)];
    const int count = editor.lines.Count();
    switch (pick(3)) {
      case 0: {
        const int at = pick(count + 1);
        editor.lines.Insert(at, text);
        wrap->NoteLinesInserted(at, 1);
        break;
      }
      case 1:
        if (count > 0) {
          const int at = pick(count);
          editor.lines.Put(at, text);
          wrap->NoteLinesReplaced(at, 1);
        }
        break;
      case 2:
        if (count > 0) {
          const int at = pick(count);
          const int lines = 1 + pick(std::min(3, count - at));
          editor.lines.RemoveLines(at, lines);
          wrap->NoteLinesDeleted(at, lines);
        }
        break;
    }
  }
  Wrap fresh(editor);
  EXPECT_EQ(wrap.Rows(), fresh.Rows());
  for (int line = 1; line <= editor.lines.Count(); ++line)
    ASSERT_EQ(wrap->ToDisplayPosition({1, line}), fresh->ToDisplayPosition({1, line}));
}

TEST(WordWrap, NeedsAnOwnerAndRowsInRange) {
  try {
    new TCodeWordWrapPlugin(nullptr);
    ADD_FAILURE() << "no owner was taken";
  } catch (const toolkit::Exception& error) {
    EXPECT_EQ(error.Message(), u"Owner of TCodeWordWrapPlugin must be a TCustomCodeEdit");
  }
  FakeEditor editor(10);
  editor.lines.Add(u"x");
  Wrap wrap(editor);
  for (int row : {0, 2}) {
    try {
      wrap->LengthOfRow(row);
      ADD_FAILURE() << "row " << row;
    } catch (const toolkit::ListError& error) {
      EXPECT_EQ(error.Message(), u"List index out of bounds (" + toolkit::FormatText(u"%d", row) + u")");
    }
  }
}

TEST(WordWrap, NoWidthMeansNoRows) {
  FakeEditor editor(0);
  editor.lines.SetText(u"a\nb");
  Wrap wrap(editor);
  EXPECT_EQ(wrap->TotalRows(), 0);
  editor.lines.Add(u"c");
  EXPECT_EQ(wrap->NoteLinesInserted(2, 1), 0);
  EXPECT_EQ(wrap->ToDisplayPosition({2, 3}), (DisplayPos{2, 3}));
  editor.width = 100000;  // wider than a row length holds
  wrap->NoteDisplayChange();
  EXPECT_EQ(wrap->MaxRowLength(), 65535);
  EXPECT_EQ(wrap.Rows(), (std::vector<int>{1, 1, 1}));
}

}  // namespace
