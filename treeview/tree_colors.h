// The tree's colours (16 indexed values) and scroll bar options, persistent
// objects owned by the tree.
#pragma once
#include "toolkit/core/component.h"
#include "toolkit/graphics/color.h"

namespace treeview {

class TBaseLazyTree;

// System colour nn stored as $FF0000nn, as the tree's stored colours hold it
// (the toolkit draws that form too).
constexpr toolkit::Color TreeSystemColor(int index) { return static_cast<toolkit::Color>(0xFF000000u | index); }

class TLTColors : public toolkit::Persistent {
 public:
  static constexpr int kCount = 16;
  explicit TLTColors(TBaseLazyTree* owner);
  toolkit::String ClassName() const override { return u"TLTColors"; }

  toolkit::Color Get(int index) const { return colors_[index]; }
  // Stores and repaints when the value differs.
  void Set(int index, toolkit::Color value);
  void Assign(const toolkit::Persistent* source) override;

  toolkit::Color DisabledColor() const { return colors_[0]; }
  toolkit::Color TreeLineColor() const { return colors_[5]; }
  toolkit::Color BorderColor() const { return colors_[7]; }
  toolkit::Color SelectionTextColor() const { return colors_[15]; }

 private:
  TBaseLazyTree* owner_;
  toolkit::Color colors_[kCount];
};

enum TScrollBarStyle { sbmRegular, sbm3D };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

struct TScrollBarOptions {
  bool AlwaysVisible = false;
  int HorizontalIncrement = 20;
  TScrollStyle ScrollBars = ssBoth;
  TScrollBarStyle ScrollBarStyle = sbmRegular;
  int VerticalIncrement = 20;
};

}  // namespace treeview
