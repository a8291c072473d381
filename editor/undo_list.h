// The editor's change history: TCodeEditUndoItem records one change,
// TCodeEditUndoList numbers, groups and bounds them and remembers which state
// was saved. What a change kind means is the editor's; the list knows only
// "no change" and the group break.
#pragma once
#include <cstdint>
#include <deque>
#include <memory>

#include "editor/positions.h"
#include "toolkit/core/component.h"
#include "toolkit/core/method.h"

namespace editor {

inline constexpr std::uint8_t kUndoNoChange = 20;
inline constexpr std::uint8_t kUndoGroupBreak = 21;

// The change number after number: positive numbers only, so that a number
// never meets 0 (the saved empty list) or -1 (no saved state).
std::int32_t NextChangeNumberAfter(std::int32_t number);

class TCodeEditUndoItem : public toolkit::Persistent {
 public:
  toolkit::String ClassName() const override { return u"TCodeEditUndoItem"; }
  void Assign(const toolkit::Persistent* source) override;

  std::uint8_t changeKind = 0;
  std::uint8_t selectionMode = 0;
  BufferPos startPosition;
  BufferPos endPosition;
  toolkit::String text;
  std::int32_t changeNumber = 0;
};

class TCodeEditUndoList : public toolkit::Persistent {
 public:
  toolkit::String ClassName() const override { return u"TCodeEditUndoList"; }
  // Copies items, numbering, blocks, lock, limit and the inside-redo flag;
  // the saved point and the event stay this list's own.
  void Assign(const toolkit::Persistent* source) override;

  void RecordChange(std::uint8_t kind, BufferPos start, BufferPos end, const toolkit::String& text,
                    std::uint8_t selectionMode);
  // Every change recorded while a block is open shares one number.
  void OpenBlock();
  void CloseBlock();
  void RecordGroupBreak();

  void Clear();
  bool HasChanges() const { return !items_.empty(); }
  int ChangeCount() const { return static_cast<int>(items_.size()); }
  TCodeEditUndoItem* TopItem() const { return items_.empty() ? nullptr : items_.back().get(); }
  std::unique_ptr<TCodeEditUndoItem> TakeTopItem();
  void PutItem(std::unique_ptr<TCodeEditUndoItem> item);

  void Suspend() { ++lockCount_; }
  void Resume();
  int MaxUndo() const { return maxUndo_; }
  void SetMaxUndo(int maxUndo);
  std::uint8_t LastChangeKind() const { return items_.empty() ? kUndoNoChange : items_.back()->changeKind; }
  bool HistoryTruncated() const { return historyTruncated_; }
  bool InsideRedo() const { return insideRedo_; }
  void SetInsideRedo(bool insideRedo) { insideRedo_ = insideRedo; }
  int BlockChangeNumber() const { return blockChangeNumber_; }
  void SetBlockChangeNumber(int number) { blockChangeNumber_ = number; }

  void MarkSaved(bool saved);
  bool IsAtSavedPoint() const;

  toolkit::NotifyEvent OnChangeRecorded;

 private:
  void Trim();

  std::int32_t blockChangeNumber_ = 0;
  std::int32_t blockNesting_ = 0;
  bool historyTruncated_ = false;
  std::deque<std::unique_ptr<TCodeEditUndoItem>> items_;
  std::int32_t lockCount_ = 0;
  std::int32_t maxUndo_ = 1024;
  std::int32_t nextChangeNumber_ = 1;
  // The top item's number when saved; 0 the empty list; -1 no reachable state.
  std::int32_t savedChangeNumber_ = 0;
  bool insideRedo_ = false;
};

}  // namespace editor
