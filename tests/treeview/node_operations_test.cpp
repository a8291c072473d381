// Adding, initialising on demand, deleting, clearing and resizing nodes, and
// the totals every change must keep; the invariant checker runs after each step.
#include <cstring>
#include <vector>

#include "tests/treeview/tree_fixture.h"
#include "treeview/lazy_tree_error.h"

using namespace treeview;

namespace {

// Answers the tree's questions from fixed rules: top-level nodes have
// children (three each), the ones named in expand are expanded at once.
struct Owner {
  std::vector<TLTNode*> freed;
  std::uint32_t childCount = 3;
  bool expandAll = false;
  bool filterOdd = false;
  int inits = 0;
  void InitNode(TBaseLazyTree*, TLTNode* parent, TLTNode* node, TLazyNodeInitStates& states) {
    ++inits;
    if (!parent) states.Include(ivsHasChildren);
    if (expandAll && !parent) states.Include(ivsExpanded);
    if (filterOdd && node->Index % 2) states.Include(ivsFiltered);
  }
  void InitChildren(TBaseLazyTree*, TLTNode*, std::uint32_t& count) { count = childCount; }
  void FreeNode(TBaseLazyTree*, TLTNode* node) { freed.push_back(node); }
};

class NodeTest : public TreeTest {
 protected:
  void SetUp() override {
    TreeTest::SetUp();
    tree->OnInitNode = {&owner, &Owner::InitNode};
    tree->OnInitChildren = {&owner, &Owner::InitChildren};
    tree->OnFreeNode = {&owner, &Owner::FreeNode};
  }
  void TearDown() override { tree.reset(); }

  Owner owner;
};

}  // namespace

TEST_F(NodeTest, AddChildLinksAndCounts) {
  TLTNode* a = tree->AddChild(nullptr);
  TLTNode* b = tree->AddChild(nullptr);
  TLTNode* b0 = tree->AddChild(b);
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(a->NextSibling, b);
  EXPECT_EQ(b->FirstChild, b0);
  EXPECT_TRUE(b->Has(nfInitialized | nfHasChildren));
  EXPECT_EQ(tree->RootNode()->TotalCount, 4u);
  EXPECT_EQ(tree->VisibleCount(), 2u);  // b is collapsed
  tree->SetNodeExpanded(b, true);
  EXPECT_EQ(tree->VisibleCount(), 3u);
  EXPECT_EQ(b->TotalHeight, 36u);
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(tree->NodeDepth(b0), 1);
  EXPECT_EQ(tree->NodeDepth(a), 0);
  EXPECT_EQ(tree->NodeDepth(nullptr), 0);
}

TEST_F(NodeTest, AddChildWithAUserValue) {
  tree->SetNodeDataSize(sizeof(void*));
  int value = 7;
  TLTNode* node = tree->AddChild(nullptr, &value);
  void* stored;
  std::memcpy(&stored, tree->NodeUserData(node), sizeof stored);
  EXPECT_EQ(stored, &value);
  EXPECT_EQ(tree->NodeUserData(tree->RootNode()), nullptr);
  EXPECT_EQ(tree->NodeUserData(nullptr), nullptr);
}

TEST_F(NodeTest, AddChildWithoutRoomForTheValueChangesNothing) {
  tree->SetNodeDataSize(2);
  int value = 7;
  try {
    tree->AddChild(nullptr, &value);
    FAIL();
  } catch (const ELazyTreeError& e) {
    EXPECT_EQ(e.Code(), 2008);
    EXPECT_EQ(e.Message(), u"Cannot set initial user data because there is not enough user data space allocated.");
  }
  EXPECT_EQ(tree->RootNodeCount(), 0u);
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NodeTest, UserDataAsserts) {
  tree->SetNodeDataSize(0);
  tree->SetRootNodeCount(1);
  EXPECT_THROW(tree->NodeUserData(At("0")), ELazyTreeAssertion);
  EXPECT_THROW(tree->AllocateInternalData(4), ELazyTreeAssertion);
}

TEST_F(NodeTest, InternalDataComesBeforeUserData) {
  EXPECT_EQ(tree->AllocateInternalData(3), sizeof(TLTNode));
  EXPECT_EQ(tree->AllocateInternalData(4), sizeof(TLTNode) + 4);
  tree->SetNodeDataSize(4);
  tree->SetRootNodeCount(1);
  EXPECT_EQ(static_cast<char*>(tree->NodeUserData(At("0"))) - reinterpret_cast<char*>(At("0")),
            static_cast<std::ptrdiff_t>(sizeof(TLTNode) + 8));
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NodeTest, NodesAreInitialisedOnlyWhenReached) {
  tree->SetRootNodeCount(1000);
  EXPECT_EQ(owner.inits, 0);
  EXPECT_EQ(tree->VisibleCount(), 1000u);
  TLTNode* child = tree->FirstChildOf(At("5"));
  EXPECT_EQ(owner.inits, 2);
  EXPECT_EQ(PathOf(child), "5.0");
  EXPECT_EQ(At("5")->ChildCount, 3u);
  EXPECT_EQ(tree->RootNode()->TotalCount, 1004u);
  EXPECT_EQ(tree->VisibleCount(), 1000u);
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NodeTest, NoChildrenClearsTheFlag) {
  owner.childCount = 0;
  tree->SetRootNodeCount(1);
  EXPECT_EQ(tree->FirstChildOf(At("0")), nullptr);
  EXPECT_FALSE(At("0")->Has(nfHasChildren));
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NodeTest, ExpandedAtInitialisation) {
  owner.expandAll = true;
  tree->SetRootNodeCount(4);
  for (int i = 0; i < 4; ++i) {
    tree->InitNodeNow(At(std::to_string(i)));
    EXPECT_TREE_SOUND(*tree);
  }
  EXPECT_EQ(tree->VisibleCount(), 16u);
  EXPECT_EQ(tree->RootNode()->TotalHeight, 18u * 17);
}

TEST_F(NodeTest, DeletingReindexesAndSettlesTotals) {
  owner.expandAll = true;
  tree->SetRootNodeCount(3);
  for (int i = 0; i < 3; ++i) tree->InitNodeNow(At(std::to_string(i)));
  tree->SetNodeExpanded(Grow(At("1.1"), 2), true);
  EXPECT_TREE_SOUND(*tree);
  tree->DeleteNode(At("1.0"));
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(PathOf(At("1.0")->FirstChild), "1.0.0");  // the former 1.1
  tree->DeleteNode(At("1"));
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(tree->VisibleCount(), 8u);
  EXPECT_EQ(PathOf(At("1")), "1");
  EXPECT_EQ(tree->RootNode()->TotalCount, 9u);
  tree->DeleteNode(tree->RootNode());
  tree->DeleteNode(nullptr);
  EXPECT_EQ(tree->RootNode()->TotalCount, 9u);
}

TEST_F(NodeTest, FreeNodeFiresForInitialisedNodesAndUserData) {
  tree->SetNodeDataSize(8);
  tree->SetRootNodeCount(3);
  tree->InitNodeNow(At("0"));
  tree->NodeUserData(At("2"));
  TLTNode* first = At("0");
  TLTNode* last = At("2");
  tree->SetRootNodeCount(0);
  EXPECT_EQ(owner.freed, (std::vector<TLTNode*>{last, first}));
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NodeTest, ShrinkingAndGrowingTheChildCount) {
  TLTNode* parent = Grow(tree->AddChild(nullptr), 5);
  tree->SetNodeExpanded(parent, true);
  tree->SetChildCount(parent, 2);
  EXPECT_TREE_SOUND(*tree);
  tree->SetChildCount(parent, 4);
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(At("0.3")->Index, 3u);
  tree->SetChildCount(parent, 0);
  EXPECT_TREE_SOUND(*tree);
  EXPECT_FALSE(parent->Has(nfExpanded));
}

TEST_F(NodeTest, ClearResetsTheRootsTotals) {
  tree->SetDefaultNodeHeight(20);
  owner.expandAll = true;
  tree->SetRootNodeCount(3);
  tree->FirstVisibleNode();
  tree->InitNodeNow(At("2"));
  tree->Clear();
  EXPECT_TREE_SOUND(*tree);
  TLTNode* root = tree->RootNode();
  EXPECT_EQ(root->TotalCount, 1u);
  EXPECT_EQ(root->TotalHeight, 20u);
  EXPECT_EQ(root->NodeHeight, 20);
  EXPECT_EQ(tree->VisibleCount(), 0u);
  EXPECT_FALSE(tree->HasChildren(nullptr));
  tree->SetRootNodeCount(2);
  EXPECT_EQ(root->TotalHeight, 60u);
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NodeTest, ReadOnlyKeepsEveryNode) {
  tree->SetRootNodeCount(3);
  TLTMiscOptions misc = tree->TreeOptions().MiscOptions();
  misc.Include(toReadOnly);
  tree->TreeOptions().SetMiscOptions(misc);
  tree->Clear();
  tree->DeleteNode(At("0"));
  EXPECT_EQ(tree->AddChild(nullptr), nullptr);
  tree->SetRootNodeCount(1);
  EXPECT_EQ(tree->RootNodeCount(), 3u);
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(TreeTest, HeightChangesReachEveryAncestor) {
  TLTNode* node = nullptr;
  for (int depth = 0; depth < 4; ++depth) {
    node = tree->AddChild(node);
    if (depth < 3) tree->SetNodeExpanded(node, true);
  }
  tree->SetNodeHeight(node, 50);
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(tree->RootNode()->TotalHeight, 18u * 4 + 50);
  // Below a collapsed ancestor only the nodes up to it change.
  tree->SetNodeExpanded(At("0.0"), false);
  tree->SetNodeHeight(node, 10);
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(At("0.0.0")->TotalHeight, 18u + 10);
}

TEST_F(TreeTest, HeightsAreClampedToTheRecord) {
  TLTNode* node = tree->AddChild(nullptr);
  struct Case {
    int asked, stored;
  } cases[] = {{70000, 65535}, {65535, 65535}, {-4, 0}, {1, 1}, {0x10012, 65535}};
  for (const Case& c : cases) {
    tree->SetNodeHeight(node, c.asked);
    EXPECT_EQ(node->NodeHeight, c.stored) << c.asked;
    EXPECT_TREE_SOUND(*tree);
  }
}

TEST_F(NodeTest, FilteredNodesLeaveTheirAncestorsTotals) {
  owner.filterOdd = true;
  tree->SetRootNodeCount(4);
  for (TLTNode* n = tree->FirstNode(); n; n = tree->NextNode(n)) EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(tree->VisibleCount(), 2u);
  EXPECT_EQ(tree->RootNode()->TotalHeight, 18u * 3);
  TCustomLazyTreeOptions& o = tree->TreeOptions();
  o.SetPaintOptions(o.PaintOptions() | TLTPaintOptions{toShowFilteredNodes});
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(tree->VisibleCount(), 4u);
  o.SetPaintOptions(o.PaintOptions() - TLTPaintOptions{toShowFilteredNodes});
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(tree->VisibleCount(), 2u);
}

TEST_F(NodeTest, HidingAndResettingNodes) {
  owner.expandAll = true;
  tree->SetRootNodeCount(2);
  tree->InitNodeNow(At("0"));
  tree->SetNodeVisible(At("0"), false);
  EXPECT_TREE_SOUND(*tree);
  EXPECT_EQ(tree->VisibleCount(), 1u);
  tree->SetNodeVisible(At("0"), true);
  EXPECT_TREE_SOUND(*tree);
  tree->ResetNode(At("0"));
  EXPECT_TREE_SOUND(*tree);
  EXPECT_FALSE(At("0")->Has(nfInitialized | nfExpanded | nfHasChildren));
  EXPECT_TRUE(At("0")->Has(nfVisible));
  tree->ResetNode(nullptr);
  EXPECT_EQ(tree->RootNodeCount(), 0u);
}

TEST_F(TreeTest, DeepChainsAreFreedWithoutRecursion) {
  TLTNode* node = nullptr;
  tree->BeginUpdate();
  for (int depth = 0; depth < 20000; ++depth) {
    node = tree->AddChild(node);
    tree->SetNodeExpanded(node, true);
  }
  tree->EndUpdate();
  EXPECT_EQ(tree->VisibleCount(), 20000u);
  tree->DeleteNode(At("0.0"));
  EXPECT_EQ(tree->VisibleCount(), 1u);
  tree->Clear();
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(NodeTest, DeletingWhileIteratingAsserts) {
  tree->SetRootNodeCount(2);
  tree->ChangeStates({tsIterating}, {});
  EXPECT_THROW(tree->DeleteNode(At("0")), ELazyTreeAssertion);
  tree->ChangeStates({}, {tsIterating});
  EXPECT_TREE_SOUND(*tree);
}
