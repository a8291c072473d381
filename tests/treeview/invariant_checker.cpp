#include "tests/treeview/invariant_checker.h"

#include <cstdint>
#include <sstream>
#include <unordered_map>
#include <vector>

namespace treeview_test {

using namespace treeview;

namespace {

class Checker {
 public:
  explicit Checker(const TBaseLazyTree& tree) : tree_(tree), root_(tree.RootNode()) {}

  std::string Run() {
    if (root_->NextSibling != root_) return "the hidden root's next sibling is not itself";
    if (TBaseLazyTree::TreeOfNode(root_) != &tree_) return "the hidden root does not name its tree";
    std::uint64_t count = 0, height = 0;
    if (!Subtree(root_, count, height)) return problem_.str();
    if (root_->TotalCount != count) return Say("root total count", root_->TotalCount, count);
    if (root_->TotalHeight != height) return Say("root total height", root_->TotalHeight, height);
    std::uint32_t visible = 0;
    std::uint64_t top = 0;
    display_.clear();
    tops_.clear();
    for (TLTNode* n = tree_.FirstVisibleNodeNoInit(nullptr, true); n; n = tree_.NextVisibleNodeNoInit(n, true)) {
      if (++visible > count) return "the display walk does not end";
      display_.push_back(n);
      tops_.push_back(top);
      top += n->NodeHeight;
    }
    if (tree_.VisibleCount() != visible) return Say("visible count", tree_.VisibleCount(), visible);
    if (!tree_.TreeOptions().PaintOptions().Has(toChildrenAbove) && top != root_->TotalHeight - root_->NodeHeight)
      return Say("content height", root_->TotalHeight - root_->NodeHeight, top);
    return Cache();
  }

 private:
  std::string Say(const char* what, std::uint64_t has, std::uint64_t expected) {
    std::ostringstream s;
    s << what << " is " << has << ", expected " << expected;
    return s.str();
  }

  bool Shown(TLTNode* n) const {
    return n->Has(nfVisible) &&
           (!n->Has(nfFiltered) || tree_.TreeOptions().PaintOptions().Has(toShowFilteredNodes));
  }

  // Checks a node's links, counts and totals; iterative, for deep trees.
  bool Subtree(TLTNode* top, std::uint64_t& count, std::uint64_t& height) {
    struct Frame {
      TLTNode* node;
      TLTNode* child;
      std::uint32_t index;
      std::uint64_t count;
      std::uint64_t height;
    };
    std::vector<Frame> stack{{top, top->FirstChild, 0, 1, top->NodeHeight}};
    while (!stack.empty()) {
      Frame& f = stack.back();
      if (f.child) {
        TLTNode* c = f.child;
        if (c->Parent != f.node) return Fail(c, "parent link");
        if (c->Index != f.index) return Fail(c, "index");
        if (c->PrevSibling != (f.index == 0 ? nullptr : FrameLastVisited(f))) return Fail(c, "previous sibling");
        if (c->PrevSibling && c->PrevSibling->NextSibling != c) return Fail(c, "next sibling of previous");
        if (c->Has(nfDeleting | nfClearing)) return Fail(c, "deleting or clearing flag left");
        f.child = c->NextSibling;
        lastVisited_[f.node] = c;
        stack.push_back({c, c->FirstChild, 0, 1, c->NodeHeight});
        continue;
      }
      Frame done = f;
      stack.pop_back();
      TLTNode* n = done.node;
      if (n->ChildCount != done.index) return Fail(n, "child count");
      if ((n->FirstChild == nullptr) != (n->ChildCount == 0)) return Fail(n, "first child");
      if (n->ChildCount && n->LastChild != lastVisited_[n]) return Fail(n, "last child");
      if (!n->ChildCount && n->LastChild) return Fail(n, "last child of a childless node");
      if (n->ChildCount && !n->Has(nfHasChildren)) return Fail(n, "children without the has-children flag");
      if (n->TotalCount != done.count) return Fail(n, "total count");
      if (n->TotalHeight != done.height) return Fail(n, "total height");
      if (stack.empty()) {
        count = done.count;
        height = done.height;
        break;
      }
      Frame& parent = stack.back();
      ++parent.index;
      parent.count += done.count;
      bool expanded = parent.node == root_ || parent.node->Has(nfExpanded);
      if (expanded && Shown(n)) parent.height += n->TotalHeight;
    }
    return true;
  }

  TLTNode* FrameLastVisited(const auto& f) { return lastVisited_[f.node]; }

  bool Fail(TLTNode* n, const char* what) {
    problem_ << what << " wrong at node of depth " << tree_.NodeDepth(n) << " index " << n->Index;
    return false;
  }

  std::string Cache() {
    const auto& cache = tree_.PositionCache();
    std::uint32_t valid = tree_.ValidCacheCount();
    if (valid > cache.size()) return "more valid cache entries than entries";
    for (std::uint32_t i = 0; i < valid; ++i) {
      std::size_t step = std::size_t(i) * TBaseLazyTree::kCacheThreshold;
      bool closing = i + 1 == valid && step >= display_.size();
      std::size_t at = closing ? display_.size() - 1 : step;
      if (at >= display_.size()) return Say("cache entry beyond the display at", i, display_.size());
      if (cache[i].Node != display_[at]) return Say("cache entry's node at", i, at);
      if (cache[i].AbsoluteTop != tops_[at]) return Say("cache entry's top at", cache[i].AbsoluteTop, tops_[at]);
    }
    if (tree_.TreeStates().Has(tsUseCache)) {
      if (valid == 0) return "the cache is in use with no valid entry";
      std::size_t needed = (display_.size() + TBaseLazyTree::kCacheThreshold - 1) / TBaseLazyTree::kCacheThreshold;
      if (valid < needed) return Say("valid entries of a cache in use", valid, needed);
    }
    return "";
  }

  const TBaseLazyTree& tree_;
  TLTNode* root_;
  std::ostringstream problem_;
  std::vector<TLTNode*> display_;
  std::vector<std::uint64_t> tops_;
  std::unordered_map<TLTNode*, TLTNode*> lastVisited_;
};

}  // namespace

std::string FindBrokenInvariant(const TBaseLazyTree& tree) { return Checker(tree).Run(); }

}  // namespace treeview_test
