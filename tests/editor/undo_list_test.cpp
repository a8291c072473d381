#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "editor/undo_list.h"

namespace {

using editor::TCodeEditUndoItem;
using editor::TCodeEditUndoList;
using toolkit::Object;

class RecordedCounter : public Object {
 public:
  explicit RecordedCounter(TCodeEditUndoList& list) { list.OnChangeRecorded = {this, &RecordedCounter::Recorded}; }
  int fired = 0;

 private:
  void Recorded(Object*) { ++fired; }
};

void Record(TCodeEditUndoList& list, std::uint8_t kind = 0) { list.RecordChange(kind, {1, 1}, {2, 1}, u"x", 0); }

std::vector<int> Numbers(TCodeEditUndoList& list) {
  std::vector<int> numbers;
  std::vector<std::unique_ptr<TCodeEditUndoItem>> taken;
  while (auto item = list.TakeTopItem()) {
    numbers.insert(numbers.begin(), item->changeNumber);
    taken.push_back(std::move(item));
  }
  while (!taken.empty()) {
    list.PutItem(std::move(taken.back()));
    taken.pop_back();
  }
  return numbers;
}

TEST(UndoList, RecordsItemsWithTheirFieldsAndNumbers) {
  TCodeEditUndoList list;
  RecordedCounter counter(list);
  EXPECT_EQ(list.LastChangeKind(), editor::kUndoNoChange);
  EXPECT_EQ(list.TopItem(), nullptr);
  EXPECT_EQ(list.TakeTopItem(), nullptr);
  list.RecordChange(4, {3, 2}, {5, 7}, u"gone", 2);
  const TCodeEditUndoItem* top = list.TopItem();
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->changeKind, 4);
  EXPECT_EQ(top->startPosition, (editor::BufferPos{3, 2}));
  EXPECT_EQ(top->endPosition, (editor::BufferPos{5, 7}));
  EXPECT_EQ(top->text, u"gone");
  EXPECT_EQ(top->selectionMode, 2);
  Record(list);
  EXPECT_EQ(Numbers(list), (std::vector<int>{1, 2}));
  EXPECT_EQ(counter.fired, 4);  // two records, and the two put back by Numbers
}

TEST(UndoList, TheLimitDropsTheOldestAndSaysSo) {
  TCodeEditUndoList list;
  list.SetMaxUndo(3);
  for (int i = 0; i < 5; ++i) Record(list);
  EXPECT_EQ(Numbers(list), (std::vector<int>{3, 4, 5}));
  EXPECT_TRUE(list.HistoryTruncated());
  list.SetMaxUndo(-5);
  EXPECT_EQ(list.MaxUndo(), 0);
  EXPECT_FALSE(list.HasChanges());
  list.Clear();
  EXPECT_FALSE(list.HistoryTruncated());
}

TEST(UndoList, ABlockSharesOneNumberHoweverDeeplyNested) {
  TCodeEditUndoList list;
  RecordedCounter counter(list);
  Record(list);
  list.OpenBlock();
  list.OpenBlock();
  list.OpenBlock();
  Record(list);
  list.CloseBlock();
  Record(list);
  list.CloseBlock();
  list.CloseBlock();
  list.CloseBlock();  // none open: nothing
  Record(list);
  EXPECT_EQ(Numbers(list), (std::vector<int>{1, 2, 2, 3}));
  EXPECT_EQ(counter.fired, 4 + 1 + 4);  // four records, the block's close, Numbers' puts

  counter.fired = 0;
  list.OpenBlock();
  list.CloseBlock();
  EXPECT_EQ(counter.fired, 0);  // a block that recorded nothing
}

TEST(UndoList, ChangeNumbersStayPositive) {
  EXPECT_EQ(editor::NextChangeNumberAfter(1), 2);
  EXPECT_EQ(editor::NextChangeNumberAfter(std::numeric_limits<std::int32_t>::max()), 1);
  EXPECT_EQ(editor::NextChangeNumberAfter(-1), 1);
}

TEST(UndoList, GroupBreaksAreAddedOnceAndNotAnnounced) {
  TCodeEditUndoList list;
  RecordedCounter counter(list);
  list.RecordGroupBreak();
  list.RecordGroupBreak();
  EXPECT_EQ(list.ChangeCount(), 1);
  EXPECT_EQ(list.LastChangeKind(), editor::kUndoGroupBreak);
  EXPECT_EQ(counter.fired, 0);
  Record(list);
  list.RecordGroupBreak();
  EXPECT_EQ(list.ChangeCount(), 3);
}

TEST(UndoList, ASuspendedListDropsChanges) {
  TCodeEditUndoList list;
  list.Resume();
  list.Suspend();
  Record(list);
  EXPECT_FALSE(list.HasChanges());
  list.Resume();
  list.Resume();
  Record(list);
  EXPECT_EQ(list.ChangeCount(), 1);
}

TEST(UndoList, TheSavedPointFollowsTheTopItem) {
  TCodeEditUndoList list;
  list.MarkSaved(true);
  EXPECT_TRUE(list.IsAtSavedPoint());
  Record(list);
  EXPECT_FALSE(list.IsAtSavedPoint());
  auto taken = list.TakeTopItem();
  EXPECT_TRUE(list.IsAtSavedPoint());
  list.PutItem(std::move(taken));
  list.MarkSaved(true);
  EXPECT_TRUE(list.IsAtSavedPoint());
  list.MarkSaved(false);
  EXPECT_FALSE(list.IsAtSavedPoint());
  Record(list);
  list.MarkSaved(false);  // not at the saved point: nothing changes
  list.TakeTopItem();
  EXPECT_FALSE(list.IsAtSavedPoint());
}

// Saved with an empty list, then more changes than the limit keeps: undoing
// all that is left does not give the saved text back.
TEST(UndoList, TrimmedHistoryNeverReturnsToTheSavedEmptyList) {
  TCodeEditUndoList list;
  list.SetMaxUndo(2);
  list.MarkSaved(true);
  for (int i = 0; i < 3; ++i) Record(list);
  while (list.TakeTopItem()) {
  }
  EXPECT_FALSE(list.IsAtSavedPoint());
}

TEST(UndoList, AssignCopiesTheHistoryButNotTheSavedPoint) {
  TCodeEditUndoList source;
  source.SetMaxUndo(2);
  for (int i = 0; i < 3; ++i) Record(source, static_cast<std::uint8_t>(i));
  source.Suspend();
  source.SetInsideRedo(true);
  source.MarkSaved(true);

  TCodeEditUndoList copy;
  Record(copy);
  copy.Assign(&source);
  EXPECT_EQ(Numbers(copy), (std::vector<int>{2, 3}));
  EXPECT_EQ(copy.LastChangeKind(), 2);
  EXPECT_NE(copy.TopItem(), source.TopItem());
  EXPECT_TRUE(copy.HistoryTruncated());
  EXPECT_EQ(copy.MaxUndo(), 2);
  EXPECT_TRUE(copy.InsideRedo());
  EXPECT_FALSE(copy.IsAtSavedPoint());
  Record(copy);
  EXPECT_EQ(copy.ChangeCount(), 2);  // the lock came along
  copy.Resume();
  Record(copy);
  EXPECT_EQ(copy.TopItem()->changeNumber, 4);
}

}  // namespace
