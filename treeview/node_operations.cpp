// Creating, initialising and deleting nodes, and keeping the totals of their
// ancestors and the tree's visible count right on every change.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "treeview/base_lazy_tree.h"
#include "treeview/lazy_tree_error.h"

namespace treeview {

using namespace toolkit;

std::size_t TBaseLazyTree::NodeBlockSize() const {
  return sizeof(TLTNode) + internalDataSize_ + static_cast<std::size_t>(std::max(nodeDataSize_, 0));
}

TLTNode* TBaseLazyTree::MakeNewNode() {
  if (nodeDataSize_ == -1) AskNodeDataSize();
  auto* node = static_cast<TLTNode*>(std::calloc(1, NodeBlockSize()));
  if (!node) throw OutOfResources(u"Out of memory");
  node->TotalCount = 1;
  node->NodeHeight = static_cast<std::uint16_t>(defaultNodeHeight_);
  node->TotalHeight = node->NodeHeight;
  node->States = nfVisible;
  node->Align = 50;
  return node;
}

std::size_t TBaseLazyTree::AllocateInternalData(int size) {
  TreeAssert(root_->FirstChild == nullptr, u"Internal data allocation must be done before any node is created.");
  std::size_t offset = sizeof(TLTNode) + internalDataSize_;
  std::size_t oldSize = RootBlockSize();
  internalDataSize_ += (static_cast<std::size_t>(std::max(size, 0)) + 3) & ~std::size_t(3);
  auto* root = static_cast<TLTNode*>(std::realloc(root_, RootBlockSize()));
  if (!root) throw OutOfResources(u"Out of memory");
  std::memset(reinterpret_cast<char*>(root) + oldSize, 0, RootBlockSize() - oldSize);
  root_ = root;
  root_->NextSibling = root_;
  return offset;
}

bool TBaseLazyTree::FilteredAway(TLTNode* node) const {
  return node->Has(nfFiltered) && !options_->PaintOptions().Has(toShowFilteredNodes);
}

bool TBaseLazyTree::IsEffectivelyVisible(TLTNode* node) const { return node->Has(nfVisible) && !FilteredAway(node); }

bool TBaseLazyTree::IsFullyVisible(TLTNode* node) const {
  TreeAssert(node != nullptr, u"Invalid parameter.");
  if (!node->Has(nfVisible)) return false;
  for (TLTNode* p = node->Parent; node != root_ && p != root_; p = p->Parent)
    if (!p->Has(nfExpanded) || !p->Has(nfVisible)) return false;
  return true;
}

bool TBaseLazyTree::IsNodeVisible(TLTNode* node) {
  if (!node) return false;
  if (node != root_ && !node->Has(nfInitialized)) InitNodeNow(node);
  return node->Has(nfVisible);
}

bool TBaseLazyTree::InVisibleExpandedPath(TLTNode* node) const {
  for (; node != root_; node = node->Parent)
    if (!node->Has(nfExpanded) || !IsEffectivelyVisible(node)) return false;
  return true;
}

std::uint32_t TBaseLazyTree::CountVisibleBelow(TLTNode* node) const {
  // Walks the displayed part of the subtree without recursion: deep chains are legal.
  std::uint32_t count = 0;
  TLTNode* current = node->FirstChild;
  while (current) {
    bool shown = IsEffectivelyVisible(current);
    if (shown) ++count;
    if (shown && current->Has(nfExpanded) && current->FirstChild) {
      current = current->FirstChild;
      continue;
    }
    while (current != node && !current->NextSibling) current = current->Parent;
    if (current == node) break;
    current = current->NextSibling;
  }
  return count;
}

void TBaseLazyTree::AdjustTotalHeights(TLTNode* node, std::int64_t delta) {
  // A node's total counts in its parent's only while the parent shows its children.
  while (node) {
    node->TotalHeight = static_cast<std::uint32_t>(node->TotalHeight + delta);
    if (node == root_ || !IsEffectivelyVisible(node)) break;
    node = node->Parent;
    if (node != root_ && !node->Has(nfExpanded)) break;
  }
}

void TBaseLazyTree::AdjustTotalCounts(TLTNode* node, std::int64_t delta) {
  for (; node; node = node == root_ ? nullptr : node->Parent)
    node->TotalCount = static_cast<std::uint32_t>(node->TotalCount + delta);
}

void TBaseLazyTree::SetChildCount(TLTNode* node, std::uint32_t count) {
  if (ReadOnly()) return;
  if (!node) node = root_;
  if (count == 0) {
    DeleteChildren(node, false);
    return;
  }
  if (count == node->ChildCount) return;
  InterruptValidation();
  if (count < node->ChildCount) {
    while (node->ChildCount > count) DeleteNode(node->LastChild, false);
  } else {
    if (node->ChildCount == 0) node->Set(nfHasChildren);
    node->Clear(nfAllChildrenHidden | nfHeightMeasured);
    std::uint32_t added = count - node->ChildCount;
    std::uint32_t index = node->LastChild ? node->LastChild->Index + 1 : 0;
    std::int64_t heights = 0;
    for (std::uint32_t i = 0; i < added; ++i) {
      TLTNode* child = MakeNewNode();
      child->Index = index++;
      child->Parent = node;
      child->PrevSibling = node->LastChild;
      if (node->LastChild)
        node->LastChild->NextSibling = child;
      else
        node->FirstChild = child;
      node->LastChild = child;
      heights += child->NodeHeight;
    }
    node->ChildCount = count;
    if (node == root_ || node->Has(nfExpanded)) AdjustTotalHeights(node, heights);
    if (InVisibleExpandedPath(node)) visibleCount_ += added;
    AdjustTotalCounts(node, added);
  }
  DropCache();
  if (updateCount_ == 0) {
    InvalidateCacheAndQueue();
    Invalidate();
  }
  StructureChange(node == root_ ? nullptr : node, crChildAdded);
}

TLTNode* TBaseLazyTree::AddChild(TLTNode* parent, void* userValue) {
  if (ReadOnly()) return nullptr;
  if (!parent) parent = root_;
  if (parent != root_ && !parent->Has(nfInitialized)) InitNodeNow(parent);
  if (userValue) {
    // Refused before anything changes, so a failed add leaves no node behind.
    if (nodeDataSize_ == -1) AskNodeDataSize();
    if (nodeDataSize_ < static_cast<int>(sizeof(void*)))
      throw ELazyTreeError(2008, u"Cannot set initial user data because there is not enough user data space allocated.");
  }
  ++updateCount_;
  SetChildCount(parent, parent->ChildCount + 1);
  --updateCount_;
  parent->Clear(nfAllChildrenHidden);
  TLTNode* node = parent->LastChild;
  if (userValue) {
    std::memcpy(reinterpret_cast<char*>(node) + sizeof(TLTNode) + internalDataSize_, &userValue, sizeof(void*));
    node->Set(nfFreeNodeEventRequired);
  }
  DropCache();
  if (updateCount_ == 0) {
    InvalidateCacheAndQueue();
    if (states_.Has(tsStructureChangePending)) StructureChange(parent == root_ ? nullptr : parent, crChildAdded);
    Invalidate();
  }
  return node;
}

void TBaseLazyTree::FreeSubtree(TLTNode* node) {
  // Children go first, last to first, without any bookkeeping: the caller
  // settles the totals of what remains.
  TLTNode* current = node;
  while (true) {
    while (current->LastChild) current = current->LastChild;
    TLTNode* next = current == node ? nullptr : current->Parent;
    if (next) {
      next->LastChild = current->PrevSibling;
      if (!next->LastChild) next->FirstChild = nullptr;
    }
    current->Set(nfDeleting);
    FreeNode(current);
    if (!next) return;
    current = next;
  }
}

void TBaseLazyTree::DeleteChildren(TLTNode* node, bool resetHasChildren) {
  if (!node) node = root_;
  if (!node->FirstChild || (ReadOnly() && !destroying_)) {
    if (resetHasChildren) node->Clear(nfHasChildren);
    return;
  }
  TreeAssert(!states_.Has(tsIterating), u"Deleting nodes during tree iteration leads to invalid pointers.");
  ++updateCount_;
  InterruptValidation();
  node->Set(nfClearing);
  if (InVisibleExpandedPath(node)) visibleCount_ -= CountVisibleBelow(node);
  std::int64_t heights = static_cast<std::int64_t>(node->TotalHeight) - node->NodeHeight;
  std::int64_t counts = static_cast<std::int64_t>(node->TotalCount) - 1;
  while (TLTNode* child = node->LastChild) {
    node->LastChild = child->PrevSibling;
    FreeSubtree(child);
  }
  node->FirstChild = nullptr;
  node->Clear(nfClearing);
  node->ChildCount = 0;
  if (resetHasChildren) node->Clear(nfHasChildren);
  if (node == root_) {
    root_->NodeHeight = static_cast<std::uint16_t>(defaultNodeHeight_);
    root_->TotalHeight = root_->NodeHeight;
    root_->TotalCount = 1;
    visibleCount_ = 0;
  } else if (!node->Has(nfDeleting)) {
    AdjustTotalHeights(node, -heights);
    AdjustTotalCounts(node, -counts);
    node->Clear(nfExpanded);
  }
  --updateCount_;
  DropCache();
  if (updateCount_ == 0) {
    InvalidateCacheAndQueue();
    Invalidate();
  }
  StructureChange(node == root_ ? nullptr : node, crChildDeleted);
}

void TBaseLazyTree::UnlinkNode(TLTNode* node, bool reindex) {
  TreeAssert(node && node != root_, u"Node must neither be nil nor the root node.");
  TLTNode* parent = node->Parent;
  if (node->PrevSibling)
    node->PrevSibling->NextSibling = node->NextSibling;
  else
    parent->FirstChild = node->NextSibling;
  if (node->NextSibling)
    node->NextSibling->PrevSibling = node->PrevSibling;
  else
    parent->LastChild = node->PrevSibling;
  if (reindex)
    for (TLTNode* n = node->NextSibling; n; n = n->NextSibling) --n->Index;
  --parent->ChildCount;
  node->PrevSibling = node->NextSibling = nullptr;
}

void TBaseLazyTree::DeleteNode(TLTNode* node, bool reindex) {
  if (!node || node == root_ || ReadOnly()) return;
  TreeAssert(!states_.Has(tsIterating), u"Deleting nodes during tree iteration leads to invalid pointers.");
  TLTNode* parent = node->Parent;
  bool parentClearing = parent->Has(nfClearing);
  ++updateCount_;
  if (!parentClearing) InterruptValidation();
  DeleteChildren(node, false);
  node->Set(nfDeleting);
  if ((parent == root_ || parent->Has(nfExpanded)) && IsEffectivelyVisible(node))
    AdjustTotalHeights(parent, -static_cast<std::int64_t>(node->TotalHeight));
  if (InVisibleExpandedPath(parent) && IsEffectivelyVisible(node)) --visibleCount_;
  AdjustTotalCounts(parent, -1);
  UnlinkNode(node, reindex);
  FreeNode(node);
  --updateCount_;
  if (parentClearing) return;
  bool anyShown = false;
  for (TLTNode* n = parent->FirstChild; n && !anyShown; n = n->NextSibling) anyShown = IsEffectivelyVisible(n);
  if (anyShown || (!parent->FirstChild && parent->Has(nfHasChildren)))
    parent->Clear(nfAllChildrenHidden);
  else
    parent->Set(nfAllChildrenHidden);
  DropCache();
  if (updateCount_ == 0) {
    InvalidateCacheAndQueue();
    Invalidate();
  }
  StructureChange(parent == root_ ? nullptr : parent, crChildDeleted);
}

void TBaseLazyTree::ForgetNode(TLTNode* node) {
  if (focusedNode_ == node) focusedNode_ = nullptr;
  if (lastChangedNode_ == node) lastChangedNode_ = nullptr;
  if (structureChangeNode_ == node) structureChangeNode_ = nullptr;
}

void TBaseLazyTree::FreeNodeEvent(TLTNode* node) { OnFreeNode(this, node); }

void TBaseLazyTree::FreeNode(TLTNode* node) {
  ForgetNode(node);
  if (node->Has(nfInitialized | nfFreeNodeEventRequired)) FreeNodeEvent(node);
  std::free(node);
}

void TBaseLazyTree::Clear() {
  if (ReadOnly() && !destroying_) return;
  BeginUpdate();
  InterruptValidation();
  ChangeStates({}, {tsCopyPending, tsCutPending});
  focusedNode_ = lastChangedNode_ = structureChangeNode_ = nullptr;
  DeleteChildren(root_, true);
  offsetX_ = offsetY_ = 0;
  EndUpdate();
}

void TBaseLazyTree::ResetNode(TLTNode* node) {
  if (!node || node == root_) return Clear();
  OnResetNode(this, node);
  DeleteChildren(node, false);
  node->Clear(nfInitialized | nfChecking | nfCutOrCopy | nfDeleting | nfExpanded | nfHasChildren | nfHeightMeasured);
  Invalidate();
}

void TBaseLazyTree::InitChildCount(TLTNode* node) {
  if (!node || node == root_ || !node->Has(nfHasChildren)) return;
  std::uint32_t count = node->ChildCount;
  OnInitChildren(this, node, count);
  if (count != node->ChildCount) SetChildCount(node, count);
  if (count == 0) node->Clear(nfHasChildren);
}

void TBaseLazyTree::InitNodeNow(TLTNode* node) {
  TLazyNodeInitStates states;
  if (node->Has(nfInitialized)) states.Include(ivsReInit);
  node->Set(nfInitialized);
  TLTNode* parent = node->Parent;
  OnInitNode(this, parent == root_ ? nullptr : parent, node, states);
  if (states.Has(ivsDisabled)) node->Set(nfDisabled);
  if (states.Has(ivsHasChildren)) node->Set(nfHasChildren);
  if (states.Has(ivsMultiline)) node->Set(nfMultiline);
  if (states.Has(ivsFiltered) && !node->Has(nfFiltered)) {
    bool shown = IsEffectivelyVisible(node);
    bool contributes = shown && (parent == root_ || parent->Has(nfExpanded));
    bool inPath = shown && InVisibleExpandedPath(parent);
    std::uint32_t below = inPath && node->Has(nfExpanded) ? CountVisibleBelow(node) : 0;
    node->Set(nfFiltered);
    if (FilteredAway(node)) {
      if (contributes) AdjustTotalHeights(parent, -static_cast<std::int64_t>(node->TotalHeight));
      if (inPath) visibleCount_ -= 1 + below;
      DropCache();
    }
  }
  if (states.Has(ivsExpanded) != node->Has(nfExpanded)) {
    if (states.Has(ivsExpanded))
      SetNodeExpanded(node, true);
    else if (node->Has(nfHasChildren))
      InitChildCount(node);
  }
}

void TBaseLazyTree::SetNodeExpanded(TLTNode* node, bool expanded) {
  if (!node || node == root_ || expanded == node->Has(nfExpanded)) return;
  if (expanded && node->Has(nfHasChildren) && node->ChildCount == 0) InitChildCount(node);
  std::int64_t heights = 0;
  for (TLTNode* child = node->FirstChild; child; child = child->NextSibling)
    if (IsEffectivelyVisible(child)) heights += child->TotalHeight;
  bool inPath = IsEffectivelyVisible(node) && InVisibleExpandedPath(node->Parent);
  if (expanded) {
    node->Set(nfExpanded);
    AdjustTotalHeights(node, heights);
    if (inPath) visibleCount_ += CountVisibleBelow(node);
  } else {
    if (inPath) visibleCount_ -= CountVisibleBelow(node);
    node->Clear(nfExpanded);
    AdjustTotalHeights(node, -heights);
  }
  DropCache();
  if (updateCount_ == 0) {
    InvalidateCacheAndQueue();
    Invalidate();
  }
}

void TBaseLazyTree::SetNodeVisible(TLTNode* node, bool visible) {
  if (!node || node == root_ || visible == node->Has(nfVisible)) return;
  TLTNode* parent = node->Parent;
  bool contributes = !FilteredAway(node) && (parent == root_ || parent->Has(nfExpanded));
  bool inPath = !FilteredAway(node) && InVisibleExpandedPath(parent);
  std::uint32_t shown = inPath ? 1 + (node->Has(nfExpanded) ? CountVisibleBelow(node) : 0) : 0;
  if (visible) {
    node->Set(nfVisible);
    if (contributes) AdjustTotalHeights(parent, node->TotalHeight);
    visibleCount_ += shown;
  } else {
    if (contributes) AdjustTotalHeights(parent, -static_cast<std::int64_t>(node->TotalHeight));
    node->Clear(nfVisible);
    visibleCount_ -= shown;
  }
  DropCache();
  if (updateCount_ == 0) {
    InvalidateCacheAndQueue();
    Invalidate();
  }
}

void TBaseLazyTree::SetNodeHeight(TLTNode* node, int height) {
  if (!node || node == root_ || ReadOnly()) return;
  height = std::clamp(height, 0, kMaxNodeHeight);
  if (height == node->NodeHeight) return;
  std::int64_t delta = height - node->NodeHeight;
  node->NodeHeight = static_cast<std::uint16_t>(height);
  if (FilteredAway(node)) {
    node->TotalHeight = static_cast<std::uint32_t>(node->TotalHeight + delta);
    return;
  }
  AdjustTotalHeights(node, delta);
  DropCache();
  if (updateCount_ == 0) {
    InvalidateCacheAndQueue();
    Invalidate();
  }
}

void* TBaseLazyTree::NodeUserData(TLTNode* node) {
  TreeAssert(nodeDataSize_ >= 1, u"NodeDataSize not initialized.");
  if (!node || node == root_) return nullptr;
  node->Set(nfFreeNodeEventRequired);
  return reinterpret_cast<char*>(node) + sizeof(TLTNode) + internalDataSize_;
}

int TBaseLazyTree::NodeDepth(TLTNode* node) const {
  if (!node || node == root_) return 0;
  int depth = 0;
  for (TLTNode* p = node->Parent; p != root_; p = p->Parent) ++depth;
  return depth;
}

TLTNode* TBaseLazyTree::FirstChildOf(TLTNode* node) {
  TLTNode* result;
  if (!node || node == root_) {
    result = root_->FirstChild;
  } else {
    if (!node->Has(nfInitialized)) InitNodeNow(node);
    if (node->Has(nfHasChildren) && node->ChildCount == 0) InitChildCount(node);
    result = node->Has(nfHasChildren) ? node->FirstChild : nullptr;
  }
  if (result && !result->Has(nfInitialized)) InitNodeNow(result);
  return result;
}

}  // namespace treeview
