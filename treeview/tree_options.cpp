#include "treeview/tree_options.h"

#include "treeview/base_lazy_tree.h"

namespace treeview {

void TCustomLazyTreeOptions::SetPaintOptions(TLTPaintOptions value) {
  // A fixed indent needs the root's level shown.
  if (value.Has(toFixedIndent)) value.Include(toShowRoot);
  if (value == paint_) return;
  TLTPaintOptions before = paint_;
  paint_ = value;
  if (owner_) owner_->PaintOptionsChanged(before, value);
}

void TCustomLazyTreeOptions::SetAutoOptions(TLTAutoOptions value) {
  if (value == auto_) return;
  bool spanChanged = value.Has(toAutoSpanColumns) != auto_.Has(toAutoSpanColumns);
  auto_ = value;
  if (spanChanged && owner_) owner_->Invalidate();
}

void TCustomLazyTreeOptions::SetSelectionOptions(TLTSelectionOptions value) { selection_ = value; }

void TCustomLazyTreeOptions::SetMiscOptions(TLTMiscOptions value) {
  if (value == misc_) return;
  bool editableChanged = value.Has(toEditable) != misc_.Has(toEditable);
  misc_ = value;
  if (editableChanged && owner_) owner_->Invalidate();
}

void TCustomLazyTreeOptions::Assign(const toolkit::Persistent* source) {
  auto* other = dynamic_cast<const TCustomLazyTreeOptions*>(source);
  if (!other) return Persistent::Assign(source);
  SetPaintOptions(other->paint_);
  SetAnimationOptions(other->animation_);
  SetAutoOptions(other->auto_);
  SetSelectionOptions(other->selection_);
  SetMiscOptions(other->misc_);
}

void TStringTreeOptions::Assign(const toolkit::Persistent* source) {
  TCustomLazyTreeOptions::Assign(source);
  if (auto* other = dynamic_cast<const TStringTreeOptions*>(source)) string_ = other->string_;
}

}  // namespace treeview
