#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/string_list.h"

using namespace toolkit;

namespace {

std::string Lines(const Strings& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) {
    if (i) out += '|';
    out += ToUtf8(list.Get(i));
  }
  return out;
}

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& error) {
    return error.what();
  }
  return "";
}

struct SortedCase {
  const char* name;
  Duplicates rule;
  bool caseSensitive;
  std::vector<const char16_t*> adds;
  std::string lines;
  std::string error;
};

class SortedAddTest : public HeadlessTest, public ::testing::WithParamInterface<SortedCase> {};

TEST_P(SortedAddTest, KeepsOrderAndAppliesTheDuplicatesRule) {
  const SortedCase& c = GetParam();
  StringList list;
  list.SetSorted(true);
  list.SetDuplicates(c.rule);
  list.SetCaseSensitive(c.caseSensitive);
  std::string error;
  for (const char16_t* text : c.adds) {
    const std::string e = ErrorOf([&] { list.Add(text); });
    if (!e.empty()) error = e;
  }
  EXPECT_EQ(Lines(list), c.lines);
  EXPECT_EQ(error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortedAddTest,
    ::testing::Values(
        SortedCase{"ignore", Duplicates::Ignore, false, {u"pear", u"apple", u"Pear", u"fig"}, "apple|fig|pear", ""},
        SortedCase{"accept", Duplicates::Accept, false, {u"b", u"a", u"b", u"c"}, "a|b|b|c", ""},
        SortedCase{"error", Duplicates::Error, false, {u"b", u"a", u"B"}, "a|b",
                   "String list does not allow duplicates"},
        SortedCase{"caseSensitive", Duplicates::Ignore, true, {u"b", u"B", u"a", u"A"}, "A|B|a|b", ""},
        SortedCase{"empty", Duplicates::Ignore, false, {u"", u"x", u""}, "|x", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeadlessTest, SortedListRefusesPositionalChangesAndFindsItsLines) {
  StringList list;
  list.SetSorted(true);
  for (const char16_t* t : {u"delta", u"alpha", u"charlie", u"bravo"}) list.Add(t);
  int index = -1;
  EXPECT_TRUE(list.Find(u"CHARLIE", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find(u"bz", index));
  EXPECT_EQ(index, 2);  // where it would go
  EXPECT_EQ(list.IndexOf(u"delta"), 3);
  EXPECT_EQ(ErrorOf([&] { list.Insert(0, u"x"); }), "Operation not allowed on sorted list");
  EXPECT_EQ(ErrorOf([&] { list.Put(0, u"x"); }), "Operation not allowed on sorted list");
  EXPECT_EQ(Lines(list), "alpha|bravo|charlie|delta");
}

TEST_F(HeadlessTest, IndexAndCapacityErrorsUseTheLibraryTextsAndKeepTheList) {
  StringList list;
  list.Add(u"one");
  list.Add(u"two");
  EXPECT_EQ(ErrorOf([&] { list.Get(2); }), "List index out of bounds (2)");
  EXPECT_EQ(ErrorOf([&] { list.Delete(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf([&] { list.Insert(3, u"x"); }), "List index out of bounds (3)");
  EXPECT_EQ(ErrorOf([&] { list.SetCapacity(1); }), "Stringlist capacity cannot be smaller than count");
  EXPECT_EQ(Lines(list), "one|two");
  list.SetCapacity(40);
  EXPECT_EQ(list.Capacity(), 40);
}

TEST_F(HeadlessTest, NameValuePairs) {
  StringList list;
  list.SetText(u"Width=80\r\nname=first=second\r\nplain\r\n=empty name\r\n");
  EXPECT_EQ(ToUtf8(list.Names(0)), "Width");
  EXPECT_EQ(ToUtf8(list.Values(u"width")), "80");
  EXPECT_EQ(ToUtf8(list.Values(u"name")), "first=second");  // the first separator splits
  EXPECT_EQ(ToUtf8(list.Names(2)), "");
  EXPECT_EQ(ToUtf8(list.ValueFromIndex(3)), "empty name");
  EXPECT_EQ(ToUtf8(list.Values(u"missing")), "");
  list.SetValue(u"WIDTH", u"100");
  list.SetValue(u"Height", u"20");
  list.SetValue(u"name", u"");
  EXPECT_EQ(Lines(list), "WIDTH=100|plain|=empty name|Height=20");
  list.SetNameValueSeparator(u':');
  list.Add(u"key:value");
  EXPECT_EQ(ToUtf8(list.Values(u"key")), "value");
}

struct BreakCase {
  const char* name;
  const char16_t* text;
  std::string lines;
};

class TextSplitTest : public HeadlessTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(TextSplitTest, SplitsAtEachLineBreakAndRoundTrips) {
  StringList list;
  list.SetText(GetParam().text);
  EXPECT_EQ(Lines(list), GetParam().lines);
  for (const char16_t* lineBreak : {u"\r\n", u"\n", u"\r", u"\u2028"}) {
    list.SetLineBreak(lineBreak);
    StringList copy;
    copy.SetLineBreak(lineBreak);
    copy.SetText(list.Text());
    EXPECT_EQ(Lines(copy), GetParam().lines) << ToUtf8(lineBreak).size();
  }
}

INSTANTIATE_TEST_SUITE_P(Table, TextSplitTest,
                         ::testing::Values(BreakCase{"crlf", u"a\r\nb\r\n", "a|b"}, BreakCase{"lf", u"a\nb", "a|b"},
                                           BreakCase{"cr", u"a\rb\r", "a|b"},
                                           BreakCase{"mixed", u"a\r\n\nb\r\rc", "a||b||c"},
                                           BreakCase{"crThenLf", u"a\r\r\nb", "a||b"},
                                           BreakCase{"empty", u"", ""}, BreakCase{"onlyBreak", u"\r\n", ""},
                                           BreakCase{"blankLast", u"a\r\n\r\n", "a|"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeadlessTest, TextUsesTheLineBreakAfterEveryLine) {
  StringList list;
  list.Add(u"x");
  list.Add(u"");
  EXPECT_EQ(ToUtf8(list.Text()), "x\r\n\r\n");
  list.SetLineBreak(u"\u2028");
  EXPECT_EQ(list.Text(), u"x\u2028\u2028");
  list.SetText(u"p\u2028q\nr");  // its own break splits too
  EXPECT_EQ(Lines(list), "p|q|r");
}

TEST_F(HeadlessTest, StreamsKeepTextInEachEncoding) {
  const String text = u"caf\u00E9\r\n\u4E2D\U0001F600\r\n";
  for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
    for (bool bom : {false, true}) {
      if (encoding != TextEncoding::Utf8 && !bom) continue;  // UTF-16 is only recognised by its mark
      StringList list;
      list.SetText(text);
      list.SetEncoding(encoding, bom);
      MemoryStream stream;
      list.SaveToStream(stream);
      stream.SetPosition(0);
      StringList loaded;
      loaded.LoadFromStream(stream);
      EXPECT_EQ(loaded.Text(), text);
      EXPECT_EQ(loaded.Encoding(), encoding);
    }
  }
}

TEST_F(HeadlessTest, LoadingUndecodableBytesShowsReplacementsInsteadOfDroppingThem) {
  const std::uint8_t bytes[] = {'a', 0xFF, 'b', 0xC3};
  MemoryStream stream;
  stream.WriteBuffer(bytes, sizeof bytes);
  stream.SetPosition(0);
  StringList list;
  list.LoadFromStream(stream);
  EXPECT_EQ(list.Get(0), u"a\uFFFDb\uFFFD");
}

class Owned : public Object {
 public:
  explicit Owned(int& alive) : alive_(alive) { ++alive_; }
  ~Owned() override { --alive_; }

 private:
  int& alive_;
};

TEST_F(HeadlessTest, OwnedObjectsGoWithTheirLines) {
  int alive = 0;
  {
    StringList list(true);
    list.AddObject(u"a", new Owned(alive));
    list.AddObject(u"b", new Owned(alive));
    list.AddObject(u"c", new Owned(alive));
    list.Delete(1);
    EXPECT_EQ(alive, 2);
    list.Exchange(0, 1);
    EXPECT_EQ(Lines(list), "c|a");
  }
  EXPECT_EQ(alive, 0);
}

class ChangeCounter {
 public:
  void Changing(Object*) { ++changing; }
  void Changed(Object*) { ++changed; }
  int changing = 0;
  int changed = 0;
};

TEST_F(HeadlessTest, UpdateBracketsFireOneChangePair) {
  StringList list;
  ChangeCounter counter;
  list.OnChanging = NotifyEvent(&counter, &ChangeCounter::Changing);
  list.OnChange = NotifyEvent(&counter, &ChangeCounter::Changed);
  list.Add(u"a");
  EXPECT_EQ(counter.changed, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add(u"b");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(counter.changed, 1);
  list.EndUpdate();
  EXPECT_EQ(counter.changing, 2);
  EXPECT_EQ(counter.changed, 2);
  list.SetText(u"x\ny\nz");
  EXPECT_EQ(counter.changed, 3);
}

TEST_F(HeadlessTest, AssignCopiesLinesObjectsAndSettings) {
  StringList source;
  Object marker;
  source.SetLineBreak(u"\n");
  source.AddObject(u"k=v", &marker);
  StringList copy;
  copy.Add(u"old");
  copy.Assign(&source);
  EXPECT_EQ(Lines(copy), "k=v");
  EXPECT_EQ(copy.GetObject(0), &marker);
  EXPECT_EQ(ToUtf8(copy.Text()), "k=v\n");
  EXPECT_TRUE(copy.Equals(source));
}

TEST_F(HeadlessTest, CustomSortOrdersByTheCallback) {
  StringList list;
  list.SetText(u"ccc\na\nbb");
  list.CustomSort([](const StringList& l, int a, int b) {
    return static_cast<int>(l.Get(a).size()) - static_cast<int>(l.Get(b).size());
  });
  EXPECT_EQ(Lines(list), "a|bb|ccc");
}

}  // namespace
