// The tree's option sets and the options object that holds them; its
// setters tell the owning tree what changed.
#pragma once
#include "toolkit/core/component.h"
#include "treeview/enum_set.h"

namespace treeview {

class TBaseLazyTree;

enum TLTPaintOption {
  toHideFocusRect, toHideSelection, toHotTrack, toPopupMode, toShowBackground, toShowButtons,
  toShowDropmark, toShowHorzGridLines, toShowRoot, toShowTreeLines, toShowVertGridLines, toThemeAware,
  toUseBlendedImages, toGhostedIfUnfocused, toFullVertGridLines, toAlwaysHideSelection,
  toUseBlendedSelection, toStaticBackground, toChildrenAbove, toFixedIndent, toUseExplorerTheme,
  toHideTreeLinesIfThemed, toShowFilteredNodes
};
enum TLTAnimationOption { toAnimatedToggle, toAdvancedAnimatedToggle };
enum TLTAutoOption {
  toAutoDropExpand, toAutoExpand, toAutoScroll, toAutoScrollOnExpand, toAutoSort, toAutoSpanColumns,
  toAutoTristateTracking, toAutoHideButtons, toAutoDeleteMovedNodes, toDisableAutoscrollOnFocus,
  toAutoChangeScale, toAutoFreeOnCollapse, toDisableAutoscrollOnEdit, toAutoBidiColumnOrdering
};
enum TLTSelectionOption {
  toDisableDrawSelection, toExtendedFocus, toFullRowSelect, toLevelSelectConstraint, toMiddleClickSelect,
  toMultiSelect, toRightClickSelect, toSiblingSelectConstraint, toCenterScrollIntoView,
  toSimpleDrawSelection
};
enum TLTMiscOption {
  toAcceptOLEDrop, toCheckSupport, toEditable, toFullRepaintOnResize, toGridExtensions, toInitOnSave,
  toReportMode, toToggleOnDblClick, toWheelPanning, toReadOnly, toVariableNodeHeight, toFullRowDrag,
  toNodeHeightResize, toNodeHeightDblClickResize, toEditOnClick, toEditOnDblClick,
  toReverseFullExpandHotKey
};
enum TLTExportMode { emAll, emChecked, emUnchecked };
enum TLTStringOption { toSaveCaptions, toShowStaticText, toAutoAcceptEditChange };

using TLTPaintOptions = EnumSet<TLTPaintOption>;
using TLTAnimationOptions = EnumSet<TLTAnimationOption>;
using TLTAutoOptions = EnumSet<TLTAutoOption>;
using TLTSelectionOptions = EnumSet<TLTSelectionOption>;
using TLTMiscOptions = EnumSet<TLTMiscOption>;
using TLTStringOptions = EnumSet<TLTStringOption>;

inline constexpr TLTPaintOptions kDefaultPaintOptions = TLTPaintOptions::FromBits(7008);
inline constexpr TLTAutoOptions kDefaultAutoOptions = TLTAutoOptions::FromBits(1369);
inline constexpr TLTMiscOptions kDefaultMiscOptions = TLTMiscOptions::FromBits(16809);
inline constexpr TLTStringOptions kDefaultStringOptions = TLTStringOptions::FromBits(5);

class TCustomLazyTreeOptions : public toolkit::Persistent {
 public:
  explicit TCustomLazyTreeOptions(TBaseLazyTree* owner) : owner_(owner) {}
  toolkit::String ClassName() const override { return u"TCustomLazyTreeOptions"; }
  TBaseLazyTree* Owner() const { return owner_; }

  TLTPaintOptions PaintOptions() const { return paint_; }
  TLTAnimationOptions AnimationOptions() const { return animation_; }
  TLTAutoOptions AutoOptions() const { return auto_; }
  TLTSelectionOptions SelectionOptions() const { return selection_; }
  TLTMiscOptions MiscOptions() const { return misc_; }
  TLTExportMode ExportMode() const { return exportMode_; }

  void SetPaintOptions(TLTPaintOptions value);
  void SetAnimationOptions(TLTAnimationOptions value) { animation_ = value; }
  void SetAutoOptions(TLTAutoOptions value);
  void SetSelectionOptions(TLTSelectionOptions value);
  void SetMiscOptions(TLTMiscOptions value);
  void SetExportMode(TLTExportMode value) { exportMode_ = value; }

  void Assign(const toolkit::Persistent* source) override;

 private:
  TBaseLazyTree* owner_;
  TLTPaintOptions paint_ = kDefaultPaintOptions;
  TLTAnimationOptions animation_;
  TLTAutoOptions auto_ = kDefaultAutoOptions;
  TLTSelectionOptions selection_;
  TLTMiscOptions misc_ = kDefaultMiscOptions;
  TLTExportMode exportMode_ = emAll;
};

class TStringTreeOptions : public TCustomLazyTreeOptions {
 public:
  using TCustomLazyTreeOptions::TCustomLazyTreeOptions;
  toolkit::String ClassName() const override { return u"TStringTreeOptions"; }
  TLTStringOptions StringOptions() const { return string_; }
  void SetStringOptions(TLTStringOptions value) { string_ = value; }
  void Assign(const toolkit::Persistent* source) override;

 private:
  TLTStringOptions string_ = kDefaultStringOptions;
};

}  // namespace treeview
