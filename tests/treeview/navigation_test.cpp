// Walking the nodes in tree and display order, with and without
// initialisation, children above their parents, and the filters.
#include <string>
#include <vector>

#include "tests/treeview/tree_fixture.h"
#include "treeview/lazy_tree_error.h"

using namespace treeview;

namespace {

// Top-level nodes 0..2 each have two children; 1 is expanded, 2 collapsed,
// 0 hidden.  Display order: 1, 1.0, 1.1, 2.
class NavigationTest : public TreeTest {
 protected:
  void SetUp() override {
    TreeTest::SetUp();
    for (int i = 0; i < 3; ++i) Grow(tree->AddChild(nullptr), 2);
    tree->SetNodeExpanded(At("0"), true);
    tree->SetNodeExpanded(At("1"), true);
    tree->SetNodeVisible(At("0"), false);
  }

  template <class Step>
  std::string Walk(TLTNode* node, Step step) {
    std::string out;
    for (int guard = 0; node && guard < 50; ++guard, node = step(node)) {
      if (!out.empty()) out += ' ';
      out += PathOf(node);
    }
    return out;
  }

  void ChildrenAbove(bool on) {
    TCustomLazyTreeOptions& o = tree->TreeOptions();
    TLTPaintOptions paint = o.PaintOptions();
    if (on)
      paint.Include(toChildrenAbove);
    else
      paint.Exclude(toChildrenAbove);
    o.SetPaintOptions(paint);
  }
};

}  // namespace

TEST_F(NavigationTest, TreeOrderBothWays) {
  EXPECT_TREE_SOUND(*tree);
  auto next = [&](TLTNode* n) { return tree->NextNode(n); };
  auto previous = [&](TLTNode* n) { return tree->PreviousNode(n); };
  EXPECT_EQ(Walk(tree->FirstNode(), next), "0 0.0 0.1 1 1.0 1.1 2 2.0 2.1");
  EXPECT_EQ(Walk(tree->LastNode(), previous), "2.1 2.0 2 1.1 1.0 1 0.1 0.0 0");
  // Without the paint option the argument changes nothing.
  EXPECT_EQ(Walk(tree->FirstNode(true), [&](TLTNode* n) { return tree->NextNode(n, true); }),
            "0 0.0 0.1 1 1.0 1.1 2 2.0 2.1");
  ChildrenAbove(true);
  EXPECT_EQ(Walk(tree->FirstNode(), next), "0.0 0.1 0 1.0 1.1 1 2.0 2.1 2");
  EXPECT_EQ(Walk(At("2"), previous), "2 2.1 2.0 1 1.1 1.0 0 0.1 0.0");
  EXPECT_EQ(Walk(tree->FirstNode(false), [&](TLTNode* n) { return tree->NextNode(n, false); }),
            "0 0.0 0.1 1 1.0 1.1 2 2.0 2.1");
  EXPECT_EQ(PathOf(tree->LastNode(nullptr)), "2");
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NavigationTest, DisplayOrderBothWays) {
  auto next = [&](TLTNode* n) { return tree->NextVisibleNode(n); };
  auto previous = [&](TLTNode* n) { return tree->PreviousVisibleNode(n); };
  EXPECT_EQ(Walk(tree->FirstVisibleNode(), next), "1 1.0 1.1 2");
  EXPECT_EQ(Walk(tree->LastVisibleNode(), previous), "2 1.1 1.0 1");
  // Nodes off the display continue after what hides them.
  EXPECT_EQ(PathOf(tree->NextVisibleNode(At("0.1"))), "1");
  EXPECT_EQ(PathOf(tree->NextVisibleNode(At("2.0"))), "nil");
  EXPECT_EQ(PathOf(tree->PreviousVisibleNode(At("2.1"))), "2");
  EXPECT_EQ(PathOf(tree->PreviousVisibleNode(At("0.1"))), "nil");
  ChildrenAbove(true);
  EXPECT_EQ(Walk(tree->FirstVisibleNode(), next), "1.0 1.1 1 2");
  EXPECT_EQ(Walk(At("2"), previous), "2 1 1.1 1.0");
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NavigationTest, SiblingsAndFilters) {
  tree->SetNodeVisible(At("1.0"), false);
  EXPECT_EQ(PathOf(tree->NextVisibleSibling(At("0"))), "1");
  EXPECT_EQ(PathOf(tree->PreviousVisibleSibling(At("1.1"))), "nil");
  EXPECT_EQ(PathOf(tree->NextSibling(At("1"))), "2");
  EXPECT_EQ(PathOf(tree->PreviousSibling(At("1"))), "0");
  EXPECT_EQ(PathOf(tree->LastChildOf(nullptr)), "2");
  EXPECT_EQ(PathOf(tree->LastChildOfNoInit(At("1"))), "1.1");
  At("2.1")->CheckState = csCheckedNormal;
  At("0.0")->CheckState = csCheckedNormal;
  EXPECT_EQ(Walk(tree->FirstCheckedNode(), [&](TLTNode* n) { return tree->NextCheckedNode(n); }), "0.0 2.1");
  EXPECT_EQ(Walk(tree->FirstInitializedNode(), [&](TLTNode* n) { return tree->NextInitializedNode(n); }),
            "0 0.0 1 1.0 2 2.1");
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NavigationTest, HiddenRootAndNilAreRefused) {
  EXPECT_EQ(tree->NextNode(nullptr), nullptr);
  EXPECT_EQ(tree->NextVisibleNodeNoInit(nullptr), nullptr);
  try {
    tree->NextVisibleSibling(tree->RootNode());
    FAIL();
  } catch (const ELazyTreeAssertion& e) {
    EXPECT_EQ(e.Message().substr(0, 18), u"Invalid parameter.");
  }
  EXPECT_THROW(tree->NextNode(tree->RootNode()), ELazyTreeAssertion);
  EXPECT_THROW(tree->PreviousVisibleNode(tree->RootNode()), ELazyTreeAssertion);
}

namespace {
struct LazyOwner {
  void InitNode(TBaseLazyTree*, TLTNode* parent, TLTNode*, TLazyNodeInitStates& states) {
    if (!parent) states.Include(ivsHasChildren);
  }
  void InitChildren(TBaseLazyTree*, TLTNode* node, std::uint32_t& count) { count = node->Index + 1; }
};
}  // namespace

TEST_F(TreeTest, NoInitWalksNeverCreateChildren) {
  LazyOwner owner;
  tree->OnInitNode = {&owner, &LazyOwner::InitNode};
  tree->OnInitChildren = {&owner, &LazyOwner::InitChildren};
  tree->SetRootNodeCount(2);
  std::string out;
  for (TLTNode* n = tree->FirstNodeNoInit(); n; n = tree->NextNodeNoInit(n)) out += PathOf(n) + " ";
  EXPECT_EQ(out, "0 1 ");
  EXPECT_EQ(tree->RootNode()->TotalCount, 3u);
  out.clear();
  for (TLTNode* n = tree->FirstNode(); n; n = tree->NextNode(n)) out += PathOf(n) + " ";
  EXPECT_EQ(out, "0 0.0 1 1.0 1.1 ");
  EXPECT_TREE_SOUND(*tree);
  tree.reset();
}
