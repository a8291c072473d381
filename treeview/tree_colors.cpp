#include "treeview/tree_colors.h"

#include "treeview/base_lazy_tree.h"

namespace treeview {

using namespace toolkit;

TLTColors::TLTColors(TBaseLazyTree* owner)
    : owner_(owner),
      colors_{} {
  constexpr Color btnShadow = TreeSystemColor(16), highlight = TreeSystemColor(13), btnFace = TreeSystemColor(15);
  const Color defaults[kCount] = {btnShadow, highlight, highlight, highlight, btnFace, btnShadow,
                                  btnFace,   btnFace,   TreeSystemColor(8), highlight, btnFace, highlight,
                                  highlight, highlight, btnShadow, TreeSystemColor(14)};
  for (int i = 0; i < kCount; ++i) colors_[i] = defaults[i];
}

void TLTColors::Set(int index, Color value) {
  if (index < 0 || index >= kCount || colors_[index] == value) return;
  colors_[index] = value;
  if (owner_) owner_->Invalidate();
}

void TLTColors::Assign(const Persistent* source) {
  auto* other = dynamic_cast<const TLTColors*>(source);
  if (!other) return Persistent::Assign(source);
  for (int i = 0; i < kCount; ++i) colors_[i] = other->colors_[i];
  if (owner_ && owner_->UpdateCount() == 0) owner_->Invalidate();
}

}  // namespace treeview
