// The position cache: every 2000th visible node with its top, so that the
// node at a vertical position is found without walking all visible nodes.
#include <algorithm>

#include "treeview/base_lazy_tree.h"
#include "treeview/lazy_tree_error.h"

namespace treeview {

void TBaseLazyTree::InterruptValidation() {
  ChangeStates({tsStopValidation}, {tsUseCache});
  if (states_.Has(tsValidating)) ChangeStates({tsValidationNeeded}, {});
}

void TBaseLazyTree::DropCache() {
  // Entries describe node positions: after any change in what is shown they
  // must not be used, not even inside an update bracket.
  InterruptValidation();
  validCacheCount_ = 0;
  ChangeStates({tsValidationNeeded}, {});
}

void TBaseLazyTree::InvalidateCacheAndQueue() {
  InterruptValidation();
  validCacheCount_ = 0;
  if (states_.Has(tsValidationNeeded) && visibleCount_ > kCacheThreshold) QueueValidation();
}

void TBaseLazyTree::QueueValidation() {
  // The same brackets the worker thread puts around a validation.
  ChangeStates({tsValidating}, {tsUseCache, tsStopValidation});
  if (ValidatePositionCache())
    ChangeStates({tsUseCache}, {tsStopValidation, tsValidating, tsValidationNeeded});
  else
    ChangeStates({}, {tsStopValidation, tsValidating});
}

bool TBaseLazyTree::ValidatePositionCache() {
  if (states_.Has(tsStopValidation)) return false;
  std::size_t length = visibleCount_ < 2 ? 0 : (visibleCount_ + kCacheThreshold - 1) / kCacheThreshold;
  positionCache_.resize(length);
  validCacheCount_ = std::min<std::uint32_t>(validCacheCount_, static_cast<std::uint32_t>(length));
  std::size_t index = 0;
  TLTNode* node = nullptr;
  std::uint32_t top = 0;
  if (validCacheCount_ > 0 && positionCache_[validCacheCount_ - 1].Node) {
    index = validCacheCount_ - 1;
    node = positionCache_[index].Node;
    top = positionCache_[index].AbsoluteTop;
  } else {
    node = FirstVisibleNodeNoInit(nullptr, true);
  }
  std::uint32_t steps = 0;
  TLTNode* lastNode = nullptr;
  std::uint32_t lastTop = 0;
  while (node && !states_.Has(tsStopValidation)) {
    if (steps % kCacheThreshold == 0) {
      if (index >= length) break;
      positionCache_[index++] = {node, top};
    }
    lastNode = node;
    lastTop = top;
    top += node->NodeHeight;
    ++steps;
    node = NextDisplayedNoInit(node);
  }
  bool stopped = states_.Has(tsStopValidation);
  if (!stopped && index < positionCache_.size() && lastNode) {
    // The closing entry names the last node with its own top, like every
    // other entry, so a position below the last node finds nothing.
    positionCache_.resize(index + 1);
    positionCache_[index++] = {lastNode, lastTop};
  }
  validCacheCount_ = static_cast<std::uint32_t>(index);
  return steps > 0 && !stopped;
}

TLTNode* TBaseLazyTree::NodeAtPosition(int y, bool relative, int* nodeTop) {
  std::int64_t position = y;
  if (relative) position -= offsetY_;
  position = std::max<std::int64_t>(position, 0);
  TLTNode* node;
  std::int64_t top = 0;
  if (states_.Has(tsUseCache) && validCacheCount_ > 0) {
    int low = 0, high = static_cast<int>(validCacheCount_) - 1;
    while (high >= low) {
      int middle = (low + high) / 2;
      if (positionCache_[middle].AbsoluteTop <= position)
        low = middle + 1;
      else
        high = middle - 1;
    }
    if (low == 0) return nullptr;
    node = positionCache_[low - 1].Node;
    top = positionCache_[low - 1].AbsoluteTop;
  } else {
    node = FirstVisibleNodeNoInit(nullptr, true);
  }
  while (node && position >= top + node->NodeHeight) {
    top += node->NodeHeight;
    node = NextDisplayedNoInit(node);
  }
  if (!node) return nullptr;
  if (nodeTop) *nodeTop = static_cast<int>(relative ? top + offsetY_ : top);
  return node;
}

}  // namespace treeview
