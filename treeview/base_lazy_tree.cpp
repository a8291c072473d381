#include "treeview/base_lazy_tree.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "treeview/lazy_tree_error.h"
#include "treeview/lazy_trees_unit.h"

namespace treeview {

using namespace toolkit;

namespace {
constexpr int kStandardNodeHeight = 18;
}  // namespace

TBaseLazyTree::TBaseLazyTree(Component* owner) : CustomControl((LazyTreesStartUp(), owner)), colors_(this) {
  SetBounds(Left(), Top(), 200, 100);
  TabStop = true;
  SetParentColor(false);
  options_ = CreateOptions();
  root_ = static_cast<TLTNode*>(std::calloc(1, RootBlockSize()));
  if (!root_) throw OutOfResources(u"Out of memory");
  root_->TotalCount = 1;
  root_->NodeHeight = static_cast<std::uint16_t>(defaultNodeHeight_);
  root_->TotalHeight = root_->NodeHeight;
  root_->States = nfInitialized | nfExpanded | nfHasChildren | nfVisible;
  root_->Align = 50;
  root_->NextSibling = root_;
  root_->Parent = reinterpret_cast<TLTNode*>(this);
}

TBaseLazyTree::~TBaseLazyTree() {
  InterruptValidation();
  TLTMiscOptions misc = options_->MiscOptions();
  misc.Exclude(toReadOnly);
  options_->SetMiscOptions(misc);
  destroying_ = true;
  Clear();
  std::free(root_);
}

std::unique_ptr<TCustomLazyTreeOptions> TBaseLazyTree::CreateOptions() {
  return std::make_unique<TCustomLazyTreeOptions>(this);
}

TBaseLazyTree* TBaseLazyTree::TreeOfNode(TLTNode* node) {
  TreeAssert(node != nullptr, u"Node must not be nil.");
  while (node->NextSibling != node) node = node->Parent;
  return reinterpret_cast<TBaseLazyTree*>(node->Parent);
}

void TBaseLazyTree::SetNodeDataSize(int value) {
  value = std::max(value, -1);
  if (value == nodeDataSize_) return;
  nodeDataSize_ = value;
  if (ComponentState() & (csLoading | csDesigning)) return;
  std::uint32_t count = root_->ChildCount;
  Clear();
  SetRootNodeCount(count);
}

void TBaseLazyTree::SetDefaultNodeHeight(int value) {
  // 0 (and any other height a node cannot have) means the standard height.
  if (value <= 0) value = kStandardNodeHeight;
  value = std::min(value, kMaxNodeHeight);
  if (value == defaultNodeHeight_) return;
  int delta = value - root_->NodeHeight;
  defaultNodeHeight_ = value;
  root_->NodeHeight = static_cast<std::uint16_t>(value);
  root_->TotalHeight = static_cast<std::uint32_t>(root_->TotalHeight + delta);
  if (updateCount_ == 0 && !(ComponentState() & csLoading)) {
    InvalidateCacheAndQueue();
    Invalidate();
  }
}

void TBaseLazyTree::SetRootNodeCount(std::uint32_t value) {
  if (ComponentState() & csLoading) {
    pendingRootCount_ = value;
    ChangeStates({tsNeedRootCountUpdate}, {});
    return;
  }
  if (value == root_->ChildCount) return;
  BeginUpdate();
  InterruptValidation();
  SetChildCount(root_, value);
  EndUpdate();
}

void TBaseLazyTree::Loaded() {
  CustomControl::Loaded();
  if (!states_.Has(tsNeedRootCountUpdate)) return;
  ChangeStates({}, {tsNeedRootCountUpdate});
  TLTMiscOptions misc = options_->MiscOptions();
  TLTMiscOptions writable = misc;
  writable.Exclude(toReadOnly);
  options_->SetMiscOptions(writable);
  BeginUpdate();
  SetChildCount(root_, pendingRootCount_);
  EndUpdate();
  options_->SetMiscOptions(misc);
}

void TBaseLazyTree::SetIndent(int value) {
  if (value == indent_) return;
  indent_ = value;
  if (updateCount_ == 0) Invalidate();
}

void TBaseLazyTree::SetAnimationDuration(int value) {
  if (value == animationDuration_) return;
  animationDuration_ = value;
  TLTAnimationOptions animation = options_->AnimationOptions();
  if (value != 0)
    animation.Include(toAnimatedToggle);
  else
    animation.Exclude(toAnimatedToggle);
  options_->SetAnimationOptions(animation);
}

void TBaseLazyTree::SetIncrementalSearch(TLTIncrementalSearch value) {
  if (value == incrementalSearch_) return;
  incrementalSearch_ = value;
}

void TBaseLazyTree::SetMargin(int value) {
  if (value == margin_) return;
  margin_ = value;
  Invalidate();
}

void TBaseLazyTree::SetTextMargin(int value) {
  if (value == textMargin_) return;
  textMargin_ = value;
  Invalidate();
}

void TBaseLazyTree::PaintOptionsChanged(TLTPaintOptions before, TLTPaintOptions after) {
  if (before.Has(toShowFilteredNodes) != after.Has(toShowFilteredNodes) && !(ComponentState() & csLoading)) {
    bool show = after.Has(toShowFilteredNodes);
    BeginUpdate();
    // Tree order settles an outer filtered node before the ones inside it.
    for (TLTNode* node = FirstNodeNoInit(false); node; node = NextNodeNoInit(node, false)) {
      TLTNode* parent = node->Parent;
      if (!node->Has(nfFiltered) || !node->Has(nfVisible) || (parent != root_ && !parent->Has(nfExpanded))) continue;
      AdjustTotalHeights(parent, show ? node->TotalHeight : -std::int64_t(node->TotalHeight));
    }
    visibleCount_ = CountVisibleBelow(root_);
    DropCache();
    EndUpdate();
  }
  if (before.Has(toChildrenAbove) != after.Has(toChildrenAbove)) DropCache();
  Invalidate();
}

void TBaseLazyTree::ChangeStates(TLazyTreeStates enter, TLazyTreeStates leave) {
  if (OnStateChange && !((enter - states_) | (states_ & leave)).Empty()) OnStateChange(this, enter, leave);
  states_ = (states_ | enter) - leave;
}

void TBaseLazyTree::NotifyUpdating(TLTUpdateState state) { OnUpdating(this, state); }

void TBaseLazyTree::BeginUpdate() {
  if (!destroying_) NotifyUpdating(updateCount_ == 0 ? usBegin : usUpdate);
  ++updateCount_;
  ChangeStates({tsUpdating}, {});
}

void TBaseLazyTree::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  if (destroying_) return;
  if (updateCount_ == 0 && states_.Has(tsUpdating)) {
    ChangeStates({}, {tsUpdating, tsUpdateHiddenChildrenNeeded});
    ChangeStates({tsValidationNeeded}, {tsUseCache});
    InvalidateCacheAndQueue();
    if (states_.Has(tsStructureChangePending)) StructureChange(structureChangeNode_, structureChangeReason_);
    if (states_.Has(tsChangePending)) {
      ChangeStates({}, {tsChangePending});
      NoteChange(lastChangedNode_);
    }
    if (HandleAllocated()) Invalidate();
  }
  NotifyUpdating(updateCount_ > 0 ? usUpdate : usEnd);
}

void TBaseLazyTree::StructureChange(TLTNode* node, TChangeReason reason) {
  // Notes the change; outside an update bracket it is reported at once.
  if (states_.Has(tsStructureChangePending)) {
    if (reason != crIgnore && reason != structureChangeReason_) structureChangeReason_ = crAccumulated;
  } else {
    ChangeStates({tsStructureChangePending}, {});
    structureChangeReason_ = reason;
  }
  structureChangeNode_ = node;
  if (updateCount_ > 0) return;
  TChangeReason fired = structureChangeReason_;
  ChangeStates({}, {tsStructureChangePending});
  structureChangeNode_ = nullptr;
  structureChangeReason_ = crIgnore;
  OnStructureChange(this, node, fired);
}

void TBaseLazyTree::NoteChange(TLTNode* node) {
  if (updateCount_ > 0) {
    ChangeStates({tsChangePending}, {});
    lastChangedNode_ = node;
    return;
  }
  OnChange(this, node);
}

void TBaseLazyTree::AskNodeDataSize() {
  int size = 4;
  OnGetNodeDataSize(this, size);
  nodeDataSize_ = std::max(size, 0);
}

}  // namespace treeview
