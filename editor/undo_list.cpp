#include "editor/undo_list.h"

#include <limits>

namespace editor {

void TCodeEditUndoItem::Assign(const toolkit::Persistent* source) {
  const auto* other = dynamic_cast<const TCodeEditUndoItem*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  changeKind = other->changeKind;
  selectionMode = other->selectionMode;
  startPosition = other->startPosition;
  endPosition = other->endPosition;
  text = other->text;
  changeNumber = other->changeNumber;
}

void TCodeEditUndoList::Assign(const toolkit::Persistent* source) {
  const auto* other = dynamic_cast<const TCodeEditUndoList*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  if (other == this) return;
  items_.clear();
  for (const auto& item : other->items_) {
    auto copy = std::make_unique<TCodeEditUndoItem>();
    copy->Assign(item.get());
    items_.push_back(std::move(copy));
  }
  blockChangeNumber_ = other->blockChangeNumber_;
  blockNesting_ = other->blockNesting_;
  historyTruncated_ = other->historyTruncated_;
  lockCount_ = other->lockCount_;
  maxUndo_ = other->maxUndo_;
  nextChangeNumber_ = other->nextChangeNumber_;
  insideRedo_ = other->insideRedo_;
}

std::int32_t NextChangeNumberAfter(std::int32_t number) {
  return number <= 0 || number == std::numeric_limits<std::int32_t>::max() ? 1 : number + 1;
}

void TCodeEditUndoList::RecordChange(std::uint8_t kind, BufferPos start, BufferPos end, const toolkit::String& text,
                                     std::uint8_t selectionMode) {
  if (lockCount_ > 0) return;
  auto item = std::make_unique<TCodeEditUndoItem>();
  item->changeKind = kind;
  item->startPosition = start;
  item->endPosition = end;
  item->text = text;
  item->selectionMode = selectionMode;
  if (blockChangeNumber_ != 0) {
    item->changeNumber = blockChangeNumber_;
  } else {
    item->changeNumber = nextChangeNumber_;
    if (blockNesting_ == 0) nextChangeNumber_ = NextChangeNumberAfter(nextChangeNumber_);
  }
  PutItem(std::move(item));
}

void TCodeEditUndoList::PutItem(std::unique_ptr<TCodeEditUndoItem> item) {
  if (!item) return;
  const bool groupBreak = item->changeKind == kUndoGroupBreak;
  items_.push_back(std::move(item));
  Trim();
  if (!groupBreak) OnChangeRecorded(this);
}

std::unique_ptr<TCodeEditUndoItem> TCodeEditUndoList::TakeTopItem() {
  if (items_.empty()) return nullptr;
  std::unique_ptr<TCodeEditUndoItem> item = std::move(items_.back());
  items_.pop_back();
  return item;
}

// Dropping the oldest items also drops the empty list as a state the history
// can return to: undoing everything that is left no longer gives the text
// that was saved there.
void TCodeEditUndoList::Trim() {
  if (static_cast<int>(items_.size()) <= maxUndo_) return;
  while (static_cast<int>(items_.size()) > maxUndo_) items_.pop_front();
  historyTruncated_ = true;
  if (savedChangeNumber_ == 0) savedChangeNumber_ = -1;
}

void TCodeEditUndoList::OpenBlock() {
  ++blockNesting_;
  blockChangeNumber_ = nextChangeNumber_;
}

void TCodeEditUndoList::CloseBlock() {
  if (blockNesting_ == 0) return;
  if (--blockNesting_ > 0) return;
  const std::int32_t block = blockChangeNumber_;
  blockChangeNumber_ = 0;
  nextChangeNumber_ = NextChangeNumberAfter(nextChangeNumber_);
  if (!items_.empty() && items_.back()->changeNumber == block) OnChangeRecorded(this);
}

void TCodeEditUndoList::RecordGroupBreak() {
  if (LastChangeKind() == kUndoGroupBreak) return;
  RecordChange(kUndoGroupBreak, {}, {}, {}, 0);
}

void TCodeEditUndoList::Clear() {
  items_.clear();
  historyTruncated_ = false;
}

void TCodeEditUndoList::Resume() {
  if (lockCount_ > 0) --lockCount_;
}

void TCodeEditUndoList::SetMaxUndo(int maxUndo) {
  if (maxUndo < 0) maxUndo = 0;
  if (maxUndo == maxUndo_) return;
  maxUndo_ = maxUndo;
  Trim();
}

void TCodeEditUndoList::MarkSaved(bool saved) {
  if (saved) {
    savedChangeNumber_ = items_.empty() ? 0 : items_.back()->changeNumber;
  } else if (IsAtSavedPoint()) {
    savedChangeNumber_ = -1;
  }
}

bool TCodeEditUndoList::IsAtSavedPoint() const {
  if (items_.empty()) return savedChangeNumber_ == 0;
  return items_.back()->changeNumber == savedChangeNumber_;
}

}  // namespace editor
