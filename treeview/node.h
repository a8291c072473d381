// The node record: one small block per node, allocated by the tree, with the
// internal data of descendants and then the user data right after it.
#pragma once
#include <cstdint>

namespace treeview {

// Bits of TLTNode::States.
enum TLTNodeFlag : std::uint16_t {
  nfInitialized = 1 << 0,
  nfChecking = 1 << 1,
  nfCutOrCopy = 1 << 2,
  nfDisabled = 1 << 3,
  nfDeleting = 1 << 4,
  nfExpanded = 1 << 5,
  nfHasChildren = 1 << 6,
  nfVisible = 1 << 7,
  nfSelected = 1 << 8,
  nfFreeNodeEventRequired = 1 << 9,
  nfAllChildrenHidden = 1 << 10,
  nfClearing = 1 << 11,
  nfMultiline = 1 << 12,
  nfHeightMeasured = 1 << 13,
  nfMarked = 1 << 14,
  nfFiltered = 1 << 15,
};

enum TCheckType : std::uint8_t { ctNone, ctTriStateCheckBox, ctCheckBox, ctRadioButton, ctButton };
enum TCheckState : std::uint8_t {
  csUncheckedNormal,
  csUncheckedPressed,
  csCheckedNormal,
  csCheckedPressed,
  csMixedNormal,
  csMixedPressed
};

// The highest height a node record holds; larger requests are clamped to it.
inline constexpr int kMaxNodeHeight = 0xFFFF;

struct TLTNode {
  std::uint32_t Index;
  std::uint32_t ChildCount;
  std::uint16_t NodeHeight;
  std::uint16_t States;
  std::uint8_t Align;
  TCheckState CheckState;
  TCheckType CheckType;
  std::uint32_t TotalCount;
  std::uint32_t TotalHeight;
  TLTNode* Parent;
  TLTNode* PrevSibling;
  TLTNode* NextSibling;
  TLTNode* FirstChild;
  TLTNode* LastChild;

  bool Has(std::uint16_t flags) const { return (States & flags) != 0; }
  void Set(std::uint16_t flags) { States = static_cast<std::uint16_t>(States | flags); }
  void Clear(std::uint16_t flags) { States = static_cast<std::uint16_t>(States & ~flags); }
};

}  // namespace treeview
