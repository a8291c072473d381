// The position cache of large trees and the node at a vertical position.
#include <random>
#include <vector>

#include "tests/treeview/tree_fixture.h"

using namespace treeview;

namespace {

class CacheTest : public TreeTest {
 protected:
  // The node at y found by walking every visible node, and its top.
  TLTNode* Walk(int y, int* top) const {
    int at = 0;
    for (TLTNode* n = tree->FirstVisibleNodeNoInit(); n; n = tree->NextVisibleNodeNoInit(n)) {
      if (y < at + n->NodeHeight) {
        *top = at;
        return n;
      }
      at += n->NodeHeight;
    }
    return nullptr;
  }

  void ExpectPositionsAgree(unsigned seed) {
    std::mt19937 random(seed);
    int end = static_cast<int>(tree->RootNode()->TotalHeight - tree->RootNode()->NodeHeight);
    std::uniform_int_distribution<int> ys(0, end + 40);
    for (int i = 0; i < 300; ++i) {
      int y = i < 4 ? std::vector<int>{0, end - 1, end, end + 17}[i] : ys(random);
      int top = -1, expectedTop = -1;
      TLTNode* expected = Walk(y, &expectedTop);
      ASSERT_EQ(PathOf(tree->NodeAtPosition(y, false, &top)), PathOf(expected)) << "y " << y;
      if (expected) {
        ASSERT_EQ(top, expectedTop) << "y " << y;
      }
    }
  }
};

}  // namespace

TEST_F(CacheTest, BuiltOnlyAbove2000VisibleNodes) {
  tree->SetRootNodeCount(2000);
  EXPECT_FALSE(tree->TreeStates().Has(tsUseCache));
  EXPECT_EQ(tree->ValidCacheCount(), 0u);
  EXPECT_TREE_SOUND(*tree);
  tree->SetRootNodeCount(2001);
  EXPECT_TRUE(tree->TreeStates().Has(tsUseCache));
  ASSERT_EQ(tree->ValidCacheCount(), 2u);
  EXPECT_EQ(tree->PositionCache()[0].Node, At("0"));
  EXPECT_EQ(tree->PositionCache()[0].AbsoluteTop, 0u);
  EXPECT_EQ(tree->PositionCache()[1].Node, At("2000"));
  EXPECT_EQ(tree->PositionCache()[1].AbsoluteTop, 2000u * 18);
  EXPECT_TREE_SOUND(*tree);
  ExpectPositionsAgree(1);
}

TEST_F(CacheTest, PositionsAgreeWithAWalkInMixedTrees) {
  tree->SetRootNodeCount(3000);
  tree->BeginUpdate();
  for (int i = 0; i < 3000; i += 7) {
    TLTNode* parent = At(std::to_string(i));
    Grow(parent, 5);
    tree->SetNodeExpanded(parent, i % 2 == 0);
    tree->SetNodeHeight(parent, 5 + i % 40);
    if (i % 5 == 0) tree->SetNodeVisible(parent->FirstChild, false);
  }
  tree->EndUpdate();
  EXPECT_TRUE(tree->TreeStates().Has(tsUseCache));
  EXPECT_TREE_SOUND(*tree);
  ExpectPositionsAgree(2);
}

TEST_F(CacheTest, StaysRightWhenNodesGoInBeforeACachedPosition) {
  tree->SetRootNodeCount(5000);
  ASSERT_TRUE(tree->TreeStates().Has(tsUseCache));
  tree->BeginUpdate();
  tree->SetNodeExpanded(Grow(At("10"), 300), true);
  // Inside the bracket too, the old entries are never used.
  EXPECT_TREE_SOUND(*tree);
  ExpectPositionsAgree(3);
  tree->EndUpdate();
  EXPECT_TREE_SOUND(*tree);
  ExpectPositionsAgree(4);
  tree->SetNodeHeight(At("3"), 400);
  EXPECT_TREE_SOUND(*tree);
  ExpectPositionsAgree(5);
  tree->DeleteNode(At("10"));
  EXPECT_TREE_SOUND(*tree);
  ExpectPositionsAgree(6);
}

TEST_F(CacheTest, RelativePositionsAndEmptyTrees) {
  int top = -1;
  EXPECT_EQ(tree->NodeAtPosition(5, true, &top), nullptr);
  tree->SetRootNodeCount(3);
  EXPECT_EQ(tree->NodeAtPosition(-50, true, &top), At("0"));
  EXPECT_EQ(tree->NodeAtPosition(40, true, &top), At("2"));
  EXPECT_EQ(top, 36);
  EXPECT_EQ(tree->NodeAtPosition(54, false, &top), nullptr);
}
