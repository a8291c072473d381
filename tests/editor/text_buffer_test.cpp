#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "editor/text_buffer.h"
#include "toolkit/core/stream.h"
#include "toolkit/core/string_list.h"

namespace {

using editor::ECodeEditStringList;
using editor::LineBreakKind;
using editor::TCodeEditStringList;
using toolkit::Object;
using toolkit::String;

std::vector<String> LinesOf(const TCodeEditStringList& buffer) {
  std::vector<String> lines;
  for (int i = 0; i < buffer.Count(); ++i) lines.push_back(buffer.Get(i));
  return lines;
}

// Records the buffer's events as short lines.
class EventLog : public Object {
 public:
  explicit EventLog(TCodeEditStringList& buffer) {
    buffer.OnChanging = {this, &EventLog::Changing};
    buffer.OnChange = {this, &EventLog::Change};
    buffer.OnLinesCleared = {this, &EventLog::Cleared};
    buffer.OnLinesInserted = {this, &EventLog::Inserted};
    buffer.OnLinesDeleted = {this, &EventLog::Deleted};
    buffer.OnLinesReplaced = {this, &EventLog::Replaced};
  }
  std::vector<std::string> events;

 private:
  void Changing(Object*) { events.push_back("changing"); }
  void Change(Object*) { events.push_back("change"); }
  void Cleared(Object*) { events.push_back("cleared"); }
  void Inserted(Object*, int index, int count) { Note("inserted", index, count); }
  void Deleted(Object*, int index, int count) { Note("deleted", index, count); }
  void Replaced(Object*, int index, int count) { Note("replaced", index, count); }
  void Note(const char* what, int index, int count) {
    events.push_back(std::string(what) + " " + std::to_string(index) + " " + std::to_string(count));
  }
};

struct CutCase {
  String text;
  std::vector<String> lines;
  LineBreakKind kind;
};

TEST(TextBuffer, SetTextCutsAtEveryBreakAndRecordsItsKind) {
  const CutCase cases[] = {
      {u"", {}, LineBreakKind::CrLf},
      {u"x", {u"x"}, LineBreakKind::CrLf},
      {u"one\r\ntwo\r\n", {u"one", u"two", u""}, LineBreakKind::CrLf},
      {u"a\nb", {u"a", u"b"}, LineBreakKind::Lf},
      {u"a\rb\r", {u"a", u"b", u""}, LineBreakKind::Cr},
      {u"a\r\nb\nc", {u"a", u"b", u"c"}, LineBreakKind::CrLf},
      {u"a\n\rb", {u"a", u"", u"b"}, LineBreakKind::CrLf},
      {u"a\x2028" u"b", {u"a", u"b"}, LineBreakKind::LineSeparator},
      {u"a\x2028\r\nb\nc", {u"a", u"b", u"c"}, LineBreakKind::LineSeparator},
      {u"\r\n", {u"", u""}, LineBreakKind::CrLf},
      {u"a\r\x2028" u"b", {u"a", u"", u"b"}, LineBreakKind::LineSeparator},
  };
  for (const CutCase& c : cases) {
    TCodeEditStringList buffer;
    buffer.SetText(c.text);
    EXPECT_EQ(LinesOf(buffer), c.lines) << std::string(c.text.begin(), c.text.end());
    EXPECT_EQ(buffer.LineBreakKind(), c.kind) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(TextBuffer, TextJoinsWithCrLfAndStreamsWithTheBufferOwnBreak) {
  TCodeEditStringList buffer;
  buffer.SetText(u"a\nb\n");
  EXPECT_EQ(buffer.Text(), u"a\r\nb\r\n");

  toolkit::MemoryStream saved;
  buffer.SaveToStream(saved);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(saved.Memory()), static_cast<std::size_t>(saved.Size())), "a\nb\n");

  TCodeEditStringList loaded;
  saved.SetPosition(0);
  loaded.LoadFromStream(saved);
  EXPECT_EQ(LinesOf(loaded), (std::vector<String>{u"a", u"b", u""}));
  EXPECT_EQ(loaded.LineBreakKind(), LineBreakKind::Lf);
  EXPECT_EQ(TCodeEditStringList().Text(), u"");
}

TEST(TextBuffer, IndexErrorsNameTheIndexAndLeaveTheBufferAlone) {
  TCodeEditStringList buffer;
  buffer.SetText(u"a\nb\nc");
  const std::vector<String> before = LinesOf(buffer);
  const int capacity = buffer.Capacity();
  struct Case {
    const char* what;
    std::function<void()> call;
    int index;
  };
  Object object;
  const Case cases[] = {
      {"Put past Count", [&] { buffer.Put(4, u"x"); }, 4},
      {"Put below 0", [&] { buffer.Put(-1, u"x"); }, -1},
      {"Delete at Count", [&] { buffer.Delete(3); }, 3},
      {"Insert past Count", [&] { buffer.Insert(4, u"x"); }, 4},
      {"Insert below 0", [&] { buffer.Insert(-1, u"x"); }, -1},
      {"InsertEmptyLines past Count", [&] { buffer.InsertEmptyLines(4, 2); }, 4},
      {"RemoveLines past Count", [&] { buffer.RemoveLines(4, 1); }, 4},
      {"Exchange", [&] { buffer.Exchange(0, 3); }, 3},
      {"PutObject", [&] { buffer.PutObject(3, &object); }, 3},
      {"SetLineRange", [&] { buffer.SetLineRange(-2, 5); }, -2},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.what << " did not raise";
    } catch (const ECodeEditStringList& error) {
      EXPECT_EQ(error.Message(), u"Invalid stringlist index " + toolkit::FormatText(u"%d", c.index)) << c.what;
    }
    EXPECT_EQ(LinesOf(buffer), before) << c.what;
    EXPECT_EQ(buffer.Capacity(), capacity) << c.what;
  }
  try {
    buffer.SetCapacity(2);
    ADD_FAILURE() << "a capacity below Count was taken";
  } catch (const toolkit::ListError& error) {
    EXPECT_EQ(error.Message(), u"Stringlist capacity cannot be smaller than count");
  }
  EXPECT_EQ(LinesOf(buffer), before);
  EXPECT_EQ(buffer.Capacity(), capacity);
}

TEST(TextBuffer, GettersOutsideTheLinesAnswerNothing) {
  TCodeEditStringList buffer;
  buffer.SetText(u"a\tb");
  for (int index : {-1, 1, 100}) {
    EXPECT_EQ(buffer.Get(index), u"");
    EXPECT_EQ(buffer.ExpandedLine(index), u"");
    EXPECT_EQ(buffer.GetObject(index), nullptr);
    EXPECT_EQ(buffer.LineRange(index), 0);
    EXPECT_EQ(buffer.ExpandedLineLength(index), 0);
    EXPECT_EQ(buffer.LineCharOffset(index), 0);
  }
  EXPECT_EQ(buffer.LineRange(0), -1);
}

TEST(TextBuffer, CapacityGrowsByTheListRules) {
  TCodeEditStringList buffer;
  std::vector<int> capacities;
  for (int i = 0; i < 101; ++i) {
    buffer.Add(u"x");
    if (capacities.empty() || capacities.back() != buffer.Capacity()) capacities.push_back(buffer.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{16, 32, 48, 64, 80, 100, 125}));
  buffer.InsertEmptyLines(0, 30);
  EXPECT_EQ(buffer.Capacity(), 131);
  buffer.InsertEmptyLines(5, 1);
  EXPECT_EQ(buffer.Capacity(), 132);

  toolkit::StringList source;
  for (int i = 0; i < 5; ++i) source.Add(u"s");
  TCodeEditStringList added;
  added.AddStrings(source);
  EXPECT_EQ(added.Capacity(), 16);
  added.SetCapacity(5);
  EXPECT_EQ(added.Capacity(), 5);
  EXPECT_EQ(added.Count(), 5);
}

TEST(TextBuffer, EditsFireTheirEventsInsideOneUpdateBracket) {
  TCodeEditStringList buffer;
  EventLog log(buffer);
  buffer.Add(u"a");
  buffer.Put(1, u"b");  // at Count: appends
  buffer.Put(0, u"A");
  buffer.InsertEmptyLines(1, 2);
  buffer.InsertEmptyLines(1, 0);
  buffer.RemoveLines(2, 5);  // cut to the two lines left from 2
  buffer.Delete(0);
  buffer.Clear();
  buffer.Clear();
  EXPECT_EQ(log.events, (std::vector<std::string>{
                            "changing", "inserted 0 1", "change",    //
                            "changing", "inserted 1 1", "change",    //
                            "changing", "replaced 0 1", "change",    //
                            "changing", "inserted 1 2", "change",    //
                            "changing", "deleted 2 2", "change",     //
                            "changing", "deleted 0 1", "change",     //
                            "changing", "cleared", "change"}));
  log.events.clear();
  buffer.BeginUpdate();
  buffer.Add(u"x");
  buffer.SetText(u"p\nq");
  buffer.EndUpdate();
  EXPECT_EQ(log.events, (std::vector<std::string>{"changing", "inserted 0 1", "cleared", "inserted 0 2", "change"}));
}

TEST(TextBuffer, RangesAndObjectsStayWithTheirLines) {
  TCodeEditStringList buffer;
  Object first, second;
  buffer.SetText(u"a\nb\nc");
  buffer.PutObject(0, &first);
  buffer.PutObject(2, &second);
  buffer.SetLineRange(0, 7);
  buffer.Put(0, u"A");
  EXPECT_EQ(buffer.GetObject(0), &first);
  EXPECT_EQ(buffer.LineRange(0), 7);
  buffer.Insert(0, u"new");
  buffer.Exchange(1, 3);
  EXPECT_EQ(LinesOf(buffer), (std::vector<String>{u"new", u"c", u"b", u"A"}));
  EXPECT_EQ(buffer.GetObject(0), nullptr);
  EXPECT_EQ(buffer.GetObject(1), &second);
  EXPECT_EQ(buffer.GetObject(3), &first);
  EXPECT_EQ(buffer.LineRange(3), 7);
  buffer.Delete(1);
  EXPECT_EQ(buffer.GetObject(2), &first);
  buffer.InsertObject(1, u"o", &second);
  EXPECT_EQ(buffer.GetObject(1), &second);
  buffer.RemoveLines(0, buffer.Count());
  buffer.SetText(u"x\ny");
  EXPECT_EQ(buffer.GetObject(1), nullptr);
}

// Widens every character from U+3000 up to two cells.
class WideGlyphs : public Object {
 public:
  String Expand(const String& expanded) {
    String result;
    for (char16_t c : expanded) {
      if (c >= u'\x3000') result += editor::kWideGlyphFiller;
      result += c;
    }
    return result;
  }
};

TEST(TextBuffer, ExpandedLinesCountColumnsOfTabsAndWideGlyphs) {
  WideGlyphs wide;
  TCodeEditStringList buffer({&wide, &WideGlyphs::Expand});
  buffer.SetText(u"a\tb\n\t\n\x4E2D\x6587x\n\nabcde");
  buffer.SetTabWidth(4);
  EXPECT_EQ(buffer.ExpandedLine(0), u"a\t\t\tb");
  EXPECT_EQ(buffer.ExpandedLineLength(0), 5);
  EXPECT_EQ(buffer.ExpandedLine(1), u"\t\t\t\t");
  EXPECT_EQ(buffer.ExpandedLine(2), u"\x4E2D\x6587x");
  EXPECT_EQ(buffer.ExpandedLineLength(2), 5);
  EXPECT_EQ(buffer.ExpandedLineLength(3), 0);
  EXPECT_EQ(buffer.LongestLineLength(), 5);

  buffer.SetTabWidth(1);
  EXPECT_EQ(buffer.ExpandedLine(0), u"a b");
  EXPECT_EQ(buffer.LongestLineLength(), 5);
  buffer.SetTabWidth(3);
  EXPECT_EQ(buffer.ExpandedLineLength(0), 4);
  buffer.Put(4, u"ab");
  EXPECT_EQ(buffer.LongestLineLength(), 5);  // the wide line
  EXPECT_EQ(TCodeEditStringList().LongestLineLength(), 0);
}

// Offsets read inside an update bracket and then changed by more edits in the
// same bracket must not size the joined text.
TEST(TextBuffer, CharOffsetsFollowEditsInsideNestedBrackets) {
  TCodeEditStringList buffer;
  buffer.BeginUpdate();
  buffer.BeginUpdate();
  buffer.SetText(u"aaaaaaaa\nbb\ncccccc");
  EXPECT_EQ(buffer.LineCharOffset(2), 10);
  buffer.Put(0, u"a");
  buffer.Delete(1);
  buffer.EndUpdate();
  EXPECT_EQ(buffer.LineCharOffset(1), 1);
  EXPECT_EQ(buffer.Text(), u"a\r\ncccccc");
  buffer.Insert(0, u"zz");
  EXPECT_EQ(buffer.Text(), u"zz\r\na\r\ncccccc");
  buffer.EndUpdate();
}

// Random edits at scattered places against a plain vector: the gap moves,
// grows and closes, and the texts' pool is compacted on the way.
TEST(TextBuffer, RandomEditsMatchAPlainList) {
  std::mt19937 random(28);
  TCodeEditStringList buffer;
  std::vector<String> model;
  auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
  for (int step = 0; step < 4000; ++step) {
    const int count = static_cast<int>(model.size());
    const String text(static_cast<std::size_t>(pick(3) == 0 ? 3000 : pick(12)), static_cast<char16_t>(u'a' + step % 26));
    switch (pick(6)) {
      case 0:
      case 1: {
        const int at = pick(count + 1);
        buffer.Insert(at, text);
        model.insert(model.begin() + at, text);
        break;
      }
      case 2:
        if (count > 0) {
          const int at = pick(count);
          buffer.Put(at, text);
          model[static_cast<std::size_t>(at)] = text;
        }
        break;
      case 3:
        if (count > 0) {
          const int at = pick(count);
          buffer.Delete(at);
          model.erase(model.begin() + at);
        }
        break;
      case 4: {
        const int at = pick(count + 1);
        const int lines = pick(4);
        buffer.RemoveLines(at, lines);
        model.erase(model.begin() + at, model.begin() + std::min(count, at + lines));
        break;
      }
      case 5:
        if (count > 1) {
          const int a = pick(count), b = pick(count);
          buffer.Exchange(a, b);
          std::swap(model[static_cast<std::size_t>(a)], model[static_cast<std::size_t>(b)]);
        }
        break;
    }
    ASSERT_EQ(buffer.Count(), static_cast<int>(model.size())) << "step " << step;
  }
  EXPECT_EQ(LinesOf(buffer), model);
  int offset = 0;
  for (int i = 0; i < buffer.Count(); ++i) {
    ASSERT_EQ(buffer.LineCharOffset(i), offset);
    offset += static_cast<int>(model[static_cast<std::size_t>(i)].size());
  }
}

}  // namespace
