// The store of the line buffer's texts: lines are carved from large chunks
// instead of one heap block each, so a line costs its characters and nothing
// more. Released text is only counted; the owner compacts when the waste
// outgrows what is live.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

#include "toolkit/core/text.h"

namespace editor {

class LineTextPool {
 public:
  // Room for count characters (count > 0), valid until Reset or the pool is replaced.
  toolkit::Char* Allocate(std::size_t count);
  // The next chunk holds at least count characters: a loader that knows its
  // total makes its lines one block.
  void Reserve(std::size_t count);
  void Release(std::size_t count) { wasted_ += count; }
  void Reset();

  bool WantsCompaction() const { return wasted_ > kCompactionFloor && wasted_ > used_ - wasted_; }
  std::size_t LiveCharacters() const { return used_ - wasted_; }

 private:
  static constexpr std::size_t kChunkCharacters = 32768;
  static constexpr std::size_t kCompactionFloor = 1 << 20;

  std::vector<std::unique_ptr<toolkit::Char[]>> chunks_;
  toolkit::Char* next_ = nullptr;
  std::size_t room_ = 0;
  std::size_t used_ = 0;
  std::size_t wasted_ = 0;
};

}  // namespace editor
