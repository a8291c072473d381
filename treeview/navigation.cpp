// Walking the nodes: tree order (parents first, or children above their
// parents with toChildrenAbove), display order, siblings, and the filters on
// initialised and checked nodes. The initialising forms create children and
// initialise nodes as they pass; the no-init forms only follow what exists.
#include "treeview/base_lazy_tree.h"
#include "treeview/lazy_tree_error.h"

namespace treeview {

namespace {
// The no-init forms share the initialising walks with init off, which never
// changes the tree.
TBaseLazyTree* Mutable(const TBaseLazyTree* tree) { return const_cast<TBaseLazyTree*>(tree); }
}  // namespace

bool TBaseLazyTree::UseChildrenAbove(bool asked) const {
  return asked && options_->PaintOptions().Has(toChildrenAbove);
}

void TBaseLazyTree::AssertNotRoot(TLTNode* node) const {
  TreeAssert(node != root_, u"Node must not be the hidden root node.");
}

void TBaseLazyTree::Prepare(TLTNode* node, bool init) {
  if (init && node && node != root_ && !node->Has(nfInitialized)) InitNodeNow(node);
}

void TBaseLazyTree::PrepareChildren(TLTNode* node, bool init) {
  if (!init || node == root_) return;
  Prepare(node, true);
  if (node->Has(nfHasChildren) && node->ChildCount == 0) InitChildCount(node);
}

bool TBaseLazyTree::Shown(TLTNode* node, bool includeFiltered) const {
  return node->Has(nfVisible) && (includeFiltered || !FilteredAway(node));
}

bool TBaseLazyTree::FullyShown(TLTNode* node, bool includeFiltered) const {
  if (!Shown(node, includeFiltered)) return false;
  for (TLTNode* p = node->Parent; p != root_; p = p->Parent)
    if (!p->Has(nfExpanded) || !Shown(p, includeFiltered)) return false;
  return true;
}

TLTNode* TBaseLazyTree::FirstShownChild(TLTNode* node, bool includeFiltered, bool init) {
  PrepareChildren(node, init);
  for (TLTNode* child = node->FirstChild; child; child = child->NextSibling) {
    Prepare(child, init);
    if (Shown(child, includeFiltered)) return child;
  }
  return nullptr;
}

TLTNode* TBaseLazyTree::LastShownChild(TLTNode* node, bool includeFiltered, bool init) {
  PrepareChildren(node, init);
  for (TLTNode* child = node->LastChild; child; child = child->PrevSibling) {
    Prepare(child, init);
    if (Shown(child, includeFiltered)) return child;
  }
  return nullptr;
}

// --- tree order

TLTNode* TBaseLazyTree::FirstNode(bool childrenAbove) {
  TLTNode* node = root_->FirstChild;
  Prepare(node, true);
  if (UseChildrenAbove(childrenAbove))
    while (node) {
      PrepareChildren(node, true);
      if (!node->FirstChild) break;
      node = node->FirstChild;
      Prepare(node, true);
    }
  return node;
}

TLTNode* TBaseLazyTree::FirstNodeNoInit(bool childrenAbove) const {
  TLTNode* node = root_->FirstChild;
  if (UseChildrenAbove(childrenAbove))
    while (node && node->FirstChild) node = node->FirstChild;
  return node;
}

TLTNode* TBaseLazyTree::WalkNext(TLTNode* node, bool childrenAbove, bool init) {
  if (!node) return nullptr;
  AssertNotRoot(node);
  TLTNode* result;
  if (UseChildrenAbove(childrenAbove)) {
    if (node->NextSibling) {
      result = node->NextSibling;
      for (;;) {
        PrepareChildren(result, init);
        if (!result->FirstChild) break;
        result = result->FirstChild;
      }
    } else {
      result = node->Parent == root_ ? nullptr : node->Parent;
    }
  } else {
    PrepareChildren(node, init);
    if (node->FirstChild) {
      result = node->FirstChild;
    } else {
      while (node != root_ && !node->NextSibling) node = node->Parent;
      result = node == root_ ? nullptr : node->NextSibling;
    }
  }
  Prepare(result, init);
  return result;
}

TLTNode* TBaseLazyTree::NextNode(TLTNode* node, bool childrenAbove) { return WalkNext(node, childrenAbove, true); }

TLTNode* TBaseLazyTree::NextNodeNoInit(TLTNode* node, bool childrenAbove) const {
  return Mutable(this)->WalkNext(node, childrenAbove, false);
}

TLTNode* TBaseLazyTree::WalkPrevious(TLTNode* node, bool childrenAbove, bool init) {
  if (!node) return nullptr;
  AssertNotRoot(node);
  TLTNode* result;
  if (UseChildrenAbove(childrenAbove)) {
    PrepareChildren(node, init);
    if (node->LastChild) {
      result = node->LastChild;
    } else {
      while (node != root_ && !node->PrevSibling) node = node->Parent;
      result = node == root_ ? nullptr : node->PrevSibling;
    }
  } else if (node->PrevSibling) {
    result = node->PrevSibling;
    for (;;) {
      PrepareChildren(result, init);
      if (!result->LastChild) break;
      result = result->LastChild;
    }
  } else {
    result = node->Parent == root_ ? nullptr : node->Parent;
  }
  Prepare(result, init);
  return result;
}

TLTNode* TBaseLazyTree::PreviousNode(TLTNode* node, bool childrenAbove) {
  return WalkPrevious(node, childrenAbove, true);
}

TLTNode* TBaseLazyTree::PreviousNodeNoInit(TLTNode* node, bool childrenAbove) const {
  return Mutable(this)->WalkPrevious(node, childrenAbove, false);
}

TLTNode* TBaseLazyTree::WalkLast(TLTNode* node, bool childrenAbove, bool init) {
  if (!node) node = root_;
  PrepareChildren(node, init);
  TLTNode* result = node->LastChild;
  if (!UseChildrenAbove(childrenAbove))
    while (result) {
      PrepareChildren(result, init);
      if (!result->LastChild) break;
      result = result->LastChild;
    }
  Prepare(result, init);
  return result;
}

TLTNode* TBaseLazyTree::LastNode(TLTNode* node, bool childrenAbove) { return WalkLast(node, childrenAbove, true); }

TLTNode* TBaseLazyTree::LastNodeNoInit(TLTNode* node, bool childrenAbove) const {
  return Mutable(this)->WalkLast(node, childrenAbove, false);
}

TLTNode* TBaseLazyTree::LastChildOf(TLTNode* node) {
  if (!node) node = root_;
  PrepareChildren(node, true);
  TLTNode* result = node->LastChild;
  Prepare(result, true);
  return result;
}

TLTNode* TBaseLazyTree::LastChildOfNoInit(TLTNode* node) const { return (node ? node : root_)->LastChild; }

TLTNode* TBaseLazyTree::NextSibling(TLTNode* node) {
  TreeAssert(node && node != root_, u"Invalid parameter.");
  TLTNode* result = node->NextSibling;
  Prepare(result, true);
  return result;
}

TLTNode* TBaseLazyTree::PreviousSibling(TLTNode* node) {
  TreeAssert(node && node != root_, u"Invalid parameter.");
  TLTNode* result = node->PrevSibling;
  Prepare(result, true);
  return result;
}

TLTNode* TBaseLazyTree::FirstInitializedNode() const {
  TLTNode* node = FirstNodeNoInit(false);
  return node && !node->Has(nfInitialized) ? NextInitializedNode(node) : node;
}

TLTNode* TBaseLazyTree::NextInitializedNode(TLTNode* node) const {
  do node = NextNodeNoInit(node, false);
  while (node && !node->Has(nfInitialized));
  return node;
}

TLTNode* TBaseLazyTree::FirstCheckedNode(TCheckState state) {
  TLTNode* node = FirstNodeNoInit(false);
  if (node && node->CheckState == state) {
    Prepare(node, true);
    return node;
  }
  return NextCheckedNode(node, state);
}

TLTNode* TBaseLazyTree::NextCheckedNode(TLTNode* node, TCheckState state) {
  do node = NextNodeNoInit(node, false);
  while (node && node->CheckState != state);
  Prepare(node, true);
  return node;
}

// --- display order

int TBaseLazyTree::HiddenStart(TLTNode*& node) const {
  // The outermost node off the display stands for the asked one (1); when
  // its parent is collapsed, the parent does (2). Either's children are
  // skipped. One pass up: the highest node that is hidden or under a
  // collapsed parent is the outermost one off the display.
  TLTNode* hidden = nullptr;
  for (TLTNode* n = node; n != root_; n = n->Parent)
    if (!Shown(n, false) || (n->Parent != root_ && !n->Parent->Has(nfExpanded))) hidden = n;
  if (!hidden) return 0;
  TLTNode* parent = hidden->Parent;
  if (parent != root_ && !parent->Has(nfExpanded)) {
    node = parent;
    return 2;
  }
  node = hidden;
  return 1;
}

TLTNode* TBaseLazyTree::WalkFirstVisible(TLTNode* node, bool childrenAbove, bool includeFiltered, bool init) {
  if (!node) node = root_;
  TLTNode* result = FirstShownChild(node, includeFiltered, init);
  if (UseChildrenAbove(childrenAbove))
    while (result && result->Has(nfExpanded)) {
      TLTNode* child = FirstShownChild(result, includeFiltered, init);
      if (!child) break;
      result = child;
    }
  return result;
}

TLTNode* TBaseLazyTree::FirstVisibleNode(TLTNode* node, bool childrenAbove, bool includeFiltered) {
  return WalkFirstVisible(node, childrenAbove, includeFiltered, true);
}

TLTNode* TBaseLazyTree::FirstVisibleNodeNoInit(TLTNode* node, bool childrenAbove, bool includeFiltered) const {
  return Mutable(this)->WalkFirstVisible(node, childrenAbove, includeFiltered, false);
}

TLTNode* TBaseLazyTree::WalkNextVisible(TLTNode* node, bool childrenAbove, bool init) {
  if (!node) return nullptr;
  AssertNotRoot(node);
  // A node off the display continues after the ancestor that hides it.
  bool skipChildren = HiddenStart(node) != 0;
  return StepNextVisible(node, childrenAbove, init, skipChildren);
}

TLTNode* TBaseLazyTree::StepNextVisible(TLTNode* node, bool childrenAbove, bool init, bool skipChildren) {
  if (UseChildrenAbove(childrenAbove)) {
    for (;;) {
      if (!node->NextSibling) return node->Parent == root_ ? nullptr : node->Parent;
      node = node->NextSibling;
      Prepare(node, init);
      if (!Shown(node, false)) continue;
      while (node->Has(nfExpanded)) {
        TLTNode* child = FirstShownChild(node, false, init);
        if (!child) break;
        node = child;
      }
      return node;
    }
  }
  if (!skipChildren && node->Has(nfExpanded)) {
    if (TLTNode* child = FirstShownChild(node, false, init)) return child;
  }
  for (;;) {
    while (node != root_ && !node->NextSibling) node = node->Parent;
    if (node == root_) return nullptr;
    node = node->NextSibling;
    Prepare(node, init);
    if (Shown(node, false)) return node;
  }
}

TLTNode* TBaseLazyTree::NextDisplayedNoInit(TLTNode* node) const {
  return Mutable(this)->StepNextVisible(node, true, false, false);
}

TLTNode* TBaseLazyTree::NextVisibleNode(TLTNode* node, bool childrenAbove) {
  return WalkNextVisible(node, childrenAbove, true);
}

TLTNode* TBaseLazyTree::NextVisibleNodeNoInit(TLTNode* node, bool childrenAbove) const {
  return Mutable(this)->WalkNextVisible(node, childrenAbove, false);
}

TLTNode* TBaseLazyTree::WalkPreviousVisible(TLTNode* node, bool childrenAbove, bool init) {
  if (!node) return nullptr;
  AssertNotRoot(node);
  int hidden = HiddenStart(node);
  // Under a collapsed parent, the parent itself comes just before.
  if (hidden == 2 && !UseChildrenAbove(childrenAbove)) return node;
  bool skipChildren = hidden != 0;
  if (UseChildrenAbove(childrenAbove)) {
    if (!skipChildren && node->Has(nfExpanded)) {
      if (TLTNode* child = LastShownChild(node, false, init)) return child;
    }
    for (;;) {
      while (node != root_ && !node->PrevSibling) node = node->Parent;
      if (node == root_) return nullptr;
      node = node->PrevSibling;
      Prepare(node, init);
      if (Shown(node, false)) return node;
    }
  }
  for (;;) {
    if (!node->PrevSibling) return node->Parent == root_ ? nullptr : node->Parent;
    node = node->PrevSibling;
    Prepare(node, init);
    if (!Shown(node, false)) continue;
    while (node->Has(nfExpanded)) {
      TLTNode* child = LastShownChild(node, false, init);
      if (!child) break;
      node = child;
    }
    return node;
  }
}

TLTNode* TBaseLazyTree::PreviousVisibleNode(TLTNode* node, bool childrenAbove) {
  return WalkPreviousVisible(node, childrenAbove, true);
}

TLTNode* TBaseLazyTree::PreviousVisibleNodeNoInit(TLTNode* node, bool childrenAbove) const {
  return Mutable(this)->WalkPreviousVisible(node, childrenAbove, false);
}

TLTNode* TBaseLazyTree::NextVisibleSibling(TLTNode* node, bool includeFiltered) {
  TreeAssert(node && node != root_, u"Invalid parameter.");
  do {
    node = node->NextSibling;
    Prepare(node, true);
  } while (node && !Shown(node, includeFiltered));
  return node;
}

TLTNode* TBaseLazyTree::PreviousVisibleSibling(TLTNode* node, bool includeFiltered) {
  TreeAssert(node && node != root_, u"Invalid parameter.");
  do {
    node = node->PrevSibling;
    Prepare(node, true);
  } while (node && !Shown(node, includeFiltered));
  return node;
}

TLTNode* TBaseLazyTree::WalkLastVisible(TLTNode* node, bool childrenAbove, bool includeFiltered, bool init) {
  if (!node) node = root_;
  TLTNode* start = node;
  TLTNode* result = WalkLast(node, childrenAbove, false);
  while (result && result != start && !FullyShown(result, includeFiltered))
    result = WalkPrevious(result, childrenAbove, false);
  if (!result || result == start) return nullptr;
  if (init) {
    for (TLTNode* n = result; n != root_; n = n->Parent) Prepare(n, true);
  }
  return result;
}

TLTNode* TBaseLazyTree::LastVisibleNode(TLTNode* node, bool childrenAbove, bool includeFiltered) {
  return WalkLastVisible(node, childrenAbove, includeFiltered, true);
}

TLTNode* TBaseLazyTree::LastVisibleNodeNoInit(TLTNode* node, bool childrenAbove, bool includeFiltered) const {
  return Mutable(this)->WalkLastVisible(node, childrenAbove, includeFiltered, false);
}

}  // namespace treeview
