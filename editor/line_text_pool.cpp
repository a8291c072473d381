#include "editor/line_text_pool.h"

#include "platform/memory.h"

namespace editor {

toolkit::Char* LineTextPool::Allocate(std::size_t count) {
  if (count > room_) Reserve(count);
  toolkit::Char* text = next_;
  next_ += count;
  room_ -= count;
  used_ += count;
  return text;
}

void LineTextPool::Reserve(std::size_t count) {
  if (count <= room_) return;
  // The tail of the old chunk is never handed out again.
  wasted_ += room_;
  used_ += room_;
  const std::size_t size = count > kChunkCharacters ? count : kChunkCharacters;
  chunks_.push_back(std::unique_ptr<toolkit::Char[]>(new toolkit::Char[size]));
  next_ = chunks_.back().get();
  // A chunk beyond the usual size is a loader's or a compaction's, filled at once.
  if (size > kChunkCharacters) platform::AdviseFilledSoon(next_, size * sizeof(toolkit::Char));
  room_ = size;
}

void LineTextPool::Reset() {
  chunks_.clear();
  next_ = nullptr;
  room_ = 0;
  used_ = 0;
  wasted_ = 0;
}

}  // namespace editor
