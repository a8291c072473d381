// TBaseLazyTree: a tree control that stores no content of its own. It keeps
// small node records and asks its owner, through events, for child counts,
// node states and everything shown.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/controls/custom_control.h"
#include "toolkit/core/method.h"
#include "treeview/node.h"
#include "treeview/tree_colors.h"
#include "treeview/tree_options.h"
#include "treeview/tree_states.h"

namespace treeview {

class TBaseLazyTree;

using TLTInitNodeEvent =
    toolkit::Method<void(TBaseLazyTree* sender, TLTNode* parent, TLTNode* node, TLazyNodeInitStates& states)>;
using TLTInitChildrenEvent = toolkit::Method<void(TBaseLazyTree* sender, TLTNode* node, std::uint32_t& childCount)>;
using TLTFreeNodeEvent = toolkit::Method<void(TBaseLazyTree* sender, TLTNode* node)>;
using TLTChangeEvent = toolkit::Method<void(TBaseLazyTree* sender, TLTNode* node)>;
using TLTStateChangeEvent = toolkit::Method<void(TBaseLazyTree* sender, TLazyTreeStates enter, TLazyTreeStates leave)>;
using TLTStructureChangeEvent = toolkit::Method<void(TBaseLazyTree* sender, TLTNode* node, TChangeReason reason)>;
using TLTUpdatingEvent = toolkit::Method<void(TBaseLazyTree* sender, TLTUpdateState state)>;
using TLTGetNodeDataSizeEvent = toolkit::Method<void(TBaseLazyTree* sender, int& size)>;
using TLTResetNodeEvent = toolkit::Method<void(TBaseLazyTree* sender, TLTNode* node)>;

enum TLTIncrementalSearch { isAll, isNone, isInitializedOnly, isVisibleOnly };
enum TLTNodeAlignment { naFromBottom, naFromTop, naProportional };
enum TLTLineStyle { lsCustomStyle, lsDotted, lsSolid };
enum TLTButtonStyle { bsRectangle, bsTriangle };
enum TLTButtonFillMode { fmTreeColor, fmWindowColor, fmShaded, fmTransparent };

// One entry of the position cache: a visible node and its top in content pixels.
struct TLTCacheEntry {
  TLTNode* Node;
  std::uint32_t AbsoluteTop;
};

class TBaseLazyTree : public toolkit::CustomControl {
 public:
  // Trees with more visible nodes than this keep a position cache, one entry
  // every this many visible nodes.
  static constexpr std::uint32_t kCacheThreshold = 2000;

  explicit TBaseLazyTree(toolkit::Component* owner);
  ~TBaseLazyTree() override;
  toolkit::String ClassName() const override { return u"TBaseLazyTree"; }

  // The tree a node belongs to, found through the hidden root.
  static TBaseLazyTree* TreeOfNode(TLTNode* node);
  TLTNode* RootNode() const { return root_; }

  // --- properties
  TCustomLazyTreeOptions& TreeOptions() const { return *options_; }
  void SetTreeOptions(const TCustomLazyTreeOptions& value) { options_->Assign(&value); }
  TLTColors& Colors() { return colors_; }
  TScrollBarOptions& ScrollBarOptions() { return scrollBarOptions_; }
  int NodeDataSize() const { return nodeDataSize_; }
  void SetNodeDataSize(int value);
  int DefaultNodeHeight() const { return defaultNodeHeight_; }
  void SetDefaultNodeHeight(int value);
  std::uint32_t RootNodeCount() const {
    return states_.Has(tsNeedRootCountUpdate) ? pendingRootCount_ : root_->ChildCount;
  }
  void SetRootNodeCount(std::uint32_t value);
  int Indent() const { return indent_; }
  void SetIndent(int value);
  int AnimationDuration() const { return animationDuration_; }
  void SetAnimationDuration(int value);
  TLTIncrementalSearch IncrementalSearch() const { return incrementalSearch_; }
  void SetIncrementalSearch(TLTIncrementalSearch value);
  int FocusedColumn() const { return focusedColumn_; }
  TLTNode* FocusedNode() const { return focusedNode_; }
  int BottomSpace() const { return bottomSpace_; }
  void SetBottomSpace(int value) { bottomSpace_ = value; }
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int TextMargin() const { return textMargin_; }
  void SetTextMargin(int value);
  TLTNodeAlignment NodeAlignment() const { return nodeAlignment_; }
  TLTLineStyle LineStyle() const { return lineStyle_; }
  TLTButtonStyle ButtonStyle() const { return buttonStyle_; }
  TLTButtonFillMode ButtonFillMode() const { return buttonFillMode_; }
  int ChangeDelay() const { return changeDelay_; }
  void SetChangeDelay(int value) { changeDelay_ = value; }
  std::uint8_t SelectionBlendFactor() const { return selectionBlendFactor_; }
  int AutoExpandDelay = 1000;
  int AutoScrollDelay = 1000;
  int AutoScrollInterval = 1;
  int EditDelay = 1000;
  int IncrementalSearchTimeout = 1000;
  int DragHeight = 350;
  int DragWidth = 200;
  bool WantTabs = false;

  // --- state
  TLazyTreeStates TreeStates() const { return states_; }
  // The only way the state set changes; fires OnStateChange when something would change.
  virtual void ChangeStates(TLazyTreeStates enter, TLazyTreeStates leave);
  std::uint32_t VisibleCount() const { return visibleCount_; }
  int UpdateCount() const { return updateCount_; }
  virtual void BeginUpdate();
  virtual void EndUpdate();

  // --- nodes
  // Reserves bytes in every node before the user data; answers their offset.
  virtual std::size_t AllocateInternalData(int size);
  // A user value (an address) goes into the first bytes of the new node's user data.
  virtual TLTNode* AddChild(TLTNode* parent, void* userValue = nullptr);
  virtual void DeleteNode(TLTNode* node, bool reindex = true);
  virtual void DeleteChildren(TLTNode* node, bool resetHasChildren = false);
  virtual void Clear();
  virtual void ResetNode(TLTNode* node);
  // Sets a node's child count, creating or deleting children at the end.
  void SetChildCount(TLTNode* node, std::uint32_t count);
  std::uint32_t ChildCount(TLTNode* node) const { return node ? node->ChildCount : root_->ChildCount; }
  virtual void InitChildCount(TLTNode* node);
  virtual void InitNodeNow(TLTNode* node);
  void* NodeUserData(TLTNode* node);
  int NodeDepth(TLTNode* node) const;
  TLTNode* FirstChildOf(TLTNode* node);
  int NodeHeight(TLTNode* node) const { return node ? node->NodeHeight : 0; }
  // Heights beyond the record's 16-bit field are clamped to 0..65535.
  void SetNodeHeight(TLTNode* node, int height);
  // Expands or collapses a node in the model: flags, total heights and the visible count.
  void SetNodeExpanded(TLTNode* node, bool expanded);
  void SetNodeVisible(TLTNode* node, bool visible);
  bool IsExpanded(TLTNode* node) const { return node && node->Has(nfExpanded); }
  bool HasChildren(TLTNode* node) const { return (node ? node : root_)->Has(nfHasChildren); }
  bool IsNodeVisible(TLTNode* node);
  bool IsFullyVisible(TLTNode* node) const;
  // Visible and not hidden by filtering.
  bool IsEffectivelyVisible(TLTNode* node) const;

  // --- position cache
  const std::vector<TLTCacheEntry>& PositionCache() const { return positionCache_; }
  std::uint32_t ValidCacheCount() const { return validCacheCount_; }
  void InterruptValidation();
  virtual void InvalidateCacheAndQueue();
  virtual bool ValidatePositionCache();
  // The visible node at a vertical position (client coordinates when relative).
  TLTNode* NodeAtPosition(int y, bool relative, int* nodeTop = nullptr);
  int OffsetY() const { return offsetY_; }

  // --- navigation
  TLTNode* FirstNode(bool childrenAbove = true);
  TLTNode* FirstNodeNoInit(bool childrenAbove = true) const;
  TLTNode* NextNode(TLTNode* node, bool childrenAbove = true);
  TLTNode* NextNodeNoInit(TLTNode* node, bool childrenAbove = true) const;
  TLTNode* PreviousNode(TLTNode* node, bool childrenAbove = true);
  TLTNode* PreviousNodeNoInit(TLTNode* node, bool childrenAbove = true) const;
  TLTNode* LastNode(TLTNode* node = nullptr, bool childrenAbove = true);
  TLTNode* LastNodeNoInit(TLTNode* node = nullptr, bool childrenAbove = true) const;
  TLTNode* LastChildOf(TLTNode* node);
  TLTNode* LastChildOfNoInit(TLTNode* node) const;
  TLTNode* NextSibling(TLTNode* node);
  TLTNode* PreviousSibling(TLTNode* node);
  TLTNode* FirstInitializedNode() const;
  TLTNode* NextInitializedNode(TLTNode* node) const;
  TLTNode* FirstCheckedNode(TCheckState state = csCheckedNormal);
  TLTNode* NextCheckedNode(TLTNode* node, TCheckState state = csCheckedNormal);
  TLTNode* FirstVisibleNode(TLTNode* node = nullptr, bool childrenAbove = true, bool includeFiltered = false);
  TLTNode* FirstVisibleNodeNoInit(TLTNode* node = nullptr, bool childrenAbove = true,
                                  bool includeFiltered = false) const;
  TLTNode* NextVisibleNode(TLTNode* node, bool childrenAbove = true);
  TLTNode* NextVisibleNodeNoInit(TLTNode* node, bool childrenAbove = true) const;
  TLTNode* PreviousVisibleNode(TLTNode* node, bool childrenAbove = true);
  TLTNode* PreviousVisibleNodeNoInit(TLTNode* node, bool childrenAbove = true) const;
  TLTNode* NextVisibleSibling(TLTNode* node, bool includeFiltered = false);
  TLTNode* PreviousVisibleSibling(TLTNode* node, bool includeFiltered = false);
  TLTNode* LastVisibleNode(TLTNode* node = nullptr, bool childrenAbove = true, bool includeFiltered = false);
  TLTNode* LastVisibleNodeNoInit(TLTNode* node = nullptr, bool childrenAbove = true,
                                 bool includeFiltered = false) const;

  // --- events
  TLTInitNodeEvent OnInitNode;
  TLTInitChildrenEvent OnInitChildren;
  TLTFreeNodeEvent OnFreeNode;
  TLTChangeEvent OnChange;
  TLTStateChangeEvent OnStateChange;
  TLTStructureChangeEvent OnStructureChange;
  TLTUpdatingEvent OnUpdating;
  TLTGetNodeDataSizeEvent OnGetNodeDataSize;
  TLTResetNodeEvent OnResetNode;

  // Called by the options object after a set changed.
  void PaintOptionsChanged(TLTPaintOptions before, TLTPaintOptions after);

 protected:
  virtual std::unique_ptr<TCustomLazyTreeOptions> CreateOptions();
  void Loaded() override;
  virtual void AskNodeDataSize();
  virtual void NotifyUpdating(TLTUpdateState state);
  virtual void StructureChange(TLTNode* node, TChangeReason reason);
  virtual void NoteChange(TLTNode* node);
  virtual void FreeNodeEvent(TLTNode* node);
  // Hands the tree to the cache validation; validates at once here.
  virtual void QueueValidation();

 private:
  TLTNode* MakeNewNode();
  void FreeNode(TLTNode* node);
  std::size_t NodeBlockSize() const;
  std::size_t RootBlockSize() const { return sizeof(TLTNode) + internalDataSize_; }
  void FreeSubtree(TLTNode* node);
  void UnlinkNode(TLTNode* node, bool reindex);
  void AdjustTotalHeights(TLTNode* node, std::int64_t delta);
  void AdjustTotalCounts(TLTNode* node, std::int64_t delta);
  bool InVisibleExpandedPath(TLTNode* node) const;
  std::uint32_t CountVisibleBelow(TLTNode* node) const;
  bool ReadOnly() const { return options_->MiscOptions().Has(toReadOnly); }
  bool FilteredAway(TLTNode* node) const;
  void ForgetNode(TLTNode* node);
  // Navigation helpers: init runs InitNodeNow and InitChildCount on the way.
  bool UseChildrenAbove(bool asked) const;
  void AssertNotRoot(TLTNode* node) const;
  void Prepare(TLTNode* node, bool init);
  void PrepareChildren(TLTNode* node, bool init);
  bool Shown(TLTNode* node, bool includeFiltered) const;
  bool FullyShown(TLTNode* node, bool includeFiltered) const;
  int HiddenStart(TLTNode*& node) const;
  TLTNode* FirstShownChild(TLTNode* node, bool includeFiltered, bool init);
  TLTNode* LastShownChild(TLTNode* node, bool includeFiltered, bool init);
  TLTNode* WalkNext(TLTNode* node, bool childrenAbove, bool init);
  TLTNode* WalkPrevious(TLTNode* node, bool childrenAbove, bool init);
  TLTNode* WalkNextVisible(TLTNode* node, bool childrenAbove, bool init);
  TLTNode* StepNextVisible(TLTNode* node, bool childrenAbove, bool init, bool skipChildren);
  // The next node in display order after one known to be displayed.
  TLTNode* NextDisplayedNoInit(TLTNode* node) const;
  TLTNode* WalkPreviousVisible(TLTNode* node, bool childrenAbove, bool init);
  TLTNode* WalkFirstVisible(TLTNode* node, bool childrenAbove, bool includeFiltered, bool init);
  TLTNode* WalkLast(TLTNode* node, bool childrenAbove, bool init);
  TLTNode* WalkLastVisible(TLTNode* node, bool childrenAbove, bool includeFiltered, bool init);
  void DropCache();

  TLTNode* root_ = nullptr;
  std::size_t internalDataSize_ = 0;
  int nodeDataSize_ = -1;
  int defaultNodeHeight_ = 18;
  int updateCount_ = 0;
  TLazyTreeStates states_;
  std::uint32_t visibleCount_ = 0;
  TLTNode* focusedNode_ = nullptr;
  TLTNode* lastChangedNode_ = nullptr;
  TLTNode* structureChangeNode_ = nullptr;
  TChangeReason structureChangeReason_ = crIgnore;
  int focusedColumn_ = -1;
  int offsetX_ = 0;
  int offsetY_ = 0;
  std::vector<TLTCacheEntry> positionCache_;
  std::uint32_t validCacheCount_ = 0;
  std::uint32_t pendingRootCount_ = 0;
  std::unique_ptr<TCustomLazyTreeOptions> options_;
  TLTColors colors_;
  TScrollBarOptions scrollBarOptions_;
  int indent_ = 18;
  int animationDuration_ = 200;
  TLTIncrementalSearch incrementalSearch_ = isNone;
  int bottomSpace_ = 0;
  int margin_ = 4;
  int textMargin_ = 4;
  int changeDelay_ = 0;
  TLTNodeAlignment nodeAlignment_ = naProportional;
  TLTLineStyle lineStyle_ = lsDotted;
  TLTButtonStyle buttonStyle_ = bsRectangle;
  TLTButtonFillMode buttonFillMode_ = fmTreeColor;
  std::uint8_t selectionBlendFactor_ = 128;
  bool destroying_ = false;
};

}  // namespace treeview
