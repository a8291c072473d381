// Creation defaults, property setters, the state set, update brackets and
// the unit's start-up.
#include <vector>

#include "tests/treeview/tree_fixture.h"
#include "toolkit/controls/clipboard.h"
#include "treeview/lazy_tree_error.h"
#include "treeview/lazy_trees_unit.h"

using namespace treeview;

namespace {

// The tree's destructor still fires events: tests free the tree before
// their recorder goes.
struct Recorder {
  std::vector<TLTUpdateState> updates;
  std::vector<std::pair<TLazyTreeStates, TLazyTreeStates>> stateChanges;
  std::vector<TChangeReason> structure;
  void Updating(TBaseLazyTree*, TLTUpdateState s) { updates.push_back(s); }
  void StateChange(TBaseLazyTree*, TLazyTreeStates e, TLazyTreeStates l) { stateChanges.push_back({e, l}); }
  void Structure(TBaseLazyTree*, TLTNode*, TChangeReason r) { structure.push_back(r); }
};

}  // namespace

TEST_F(TreeTest, CreationDefaults) {
  EXPECT_EQ(tree->Width(), 200);
  EXPECT_EQ(tree->Height(), 100);
  EXPECT_TRUE(tree->TabStop);
  EXPECT_EQ(tree->NodeDataSize(), -1);
  EXPECT_EQ(tree->DefaultNodeHeight(), 18);
  EXPECT_EQ(tree->Indent(), 18);
  EXPECT_EQ(tree->FocusedColumn(), -1);
  EXPECT_EQ(tree->RootNodeCount(), 0u);
  EXPECT_EQ(tree->AnimationDuration(), 200);
  EXPECT_EQ(tree->Margin(), 4);
  EXPECT_EQ(tree->TextMargin(), 4);
  EXPECT_EQ(tree->SelectionBlendFactor(), 128);
  EXPECT_EQ(tree->IncrementalSearch(), isNone);
  const TCustomLazyTreeOptions& o = tree->TreeOptions();
  EXPECT_EQ(o.PaintOptions().ToBits(), 7008u);
  EXPECT_EQ(o.AutoOptions().ToBits(), 1369u);
  EXPECT_EQ(o.MiscOptions().ToBits(), 16809u);
  EXPECT_TRUE(o.SelectionOptions().Empty());
  EXPECT_TRUE(o.AnimationOptions().Empty());
  EXPECT_EQ(o.ExportMode(), emAll);
  EXPECT_EQ(tree->Colors().Get(0), toolkit::Color(0xFF000010));
  EXPECT_EQ(tree->Colors().Get(4), toolkit::Color(0xFF00000F));
  EXPECT_EQ(tree->Colors().Get(8), toolkit::Color(0xFF000008));
  EXPECT_EQ(tree->Colors().Get(15), toolkit::Color(0xFF00000E));
  EXPECT_EQ(TBaseLazyTree::TreeOfNode(tree->RootNode()), tree.get());
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(TreeTest, SettersNormaliseTheirValues) {
  tree->SetNodeDataSize(-5);
  EXPECT_EQ(tree->NodeDataSize(), -1);
  struct Case {
    int asked, stored;
  } heights[] = {{0, 18}, {-3, 18}, {25, 25}, {65535, 65535}, {70000, 65535}};
  for (const Case& c : heights) {
    tree->SetDefaultNodeHeight(c.asked);
    EXPECT_EQ(tree->DefaultNodeHeight(), c.stored) << c.asked;
    EXPECT_EQ(tree->RootNode()->NodeHeight, c.stored) << c.asked;
    EXPECT_TREE_SOUND(*tree);
  }
}

TEST_F(TreeTest, DefaultNodeHeightMovesTheRootsTotalsOnly) {
  tree->SetRootNodeCount(3);
  tree->SetDefaultNodeHeight(30);
  EXPECT_EQ(tree->RootNode()->TotalHeight, 30u + 3 * 18);
  EXPECT_TREE_SOUND(*tree);
  TLTNode* added = tree->AddChild(nullptr);
  EXPECT_EQ(added->NodeHeight, 30);
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(TreeTest, NodeDataSizeChangeRebuildsTheTopLevel) {
  tree->SetRootNodeCount(4);
  tree->SetNodeDataSize(16);
  EXPECT_EQ(tree->RootNodeCount(), 4u);
  EXPECT_NE(tree->NodeUserData(At("3")), nullptr);
  EXPECT_TREE_SOUND(*tree);
}

TEST_F(TreeTest, RootNodeCountWaitsForLoadingAndIgnoresTheSameValue) {
  Recorder r;
  tree->OnStructureChange = {&r, &Recorder::Structure};
  tree->SetRootNodeCount(2);
  ASSERT_EQ(r.structure.size(), 1u);
  tree->SetRootNodeCount(2);
  EXPECT_EQ(r.structure.size(), 1u);

  tree->SetLoading(true);
  tree->SetRootNodeCount(5);
  EXPECT_EQ(tree->RootNode()->ChildCount, 2u);
  EXPECT_EQ(tree->RootNodeCount(), 5u);
  EXPECT_TRUE(tree->TreeStates().Has(tsNeedRootCountUpdate));
  tree->SetLoading(false);
  EXPECT_EQ(tree->RootNode()->ChildCount, 5u);
  EXPECT_FALSE(tree->TreeStates().Has(tsNeedRootCountUpdate));
  EXPECT_TREE_SOUND(*tree);
  tree.reset();
}

TEST_F(TreeTest, OptionSetters) {
  TCustomLazyTreeOptions& o = tree->TreeOptions();
  o.SetPaintOptions(TLTPaintOptions{toFixedIndent});
  EXPECT_TRUE(o.PaintOptions().Has(toShowRoot));
  o.SetPaintOptions(o.PaintOptions() - TLTPaintOptions{toFixedIndent});
  EXPECT_TRUE(o.PaintOptions().Has(toShowRoot));

  tree->SetAnimationDuration(0);
  EXPECT_FALSE(o.AnimationOptions().Has(toAnimatedToggle));
  tree->SetAnimationDuration(150);
  EXPECT_TRUE(o.AnimationOptions().Has(toAnimatedToggle));

  TBaseLazyTree other(nullptr);
  TLTMiscOptions misc = other.TreeOptions().MiscOptions();
  misc.Include(toReadOnly);
  other.TreeOptions().SetMiscOptions(misc);
  tree->SetTreeOptions(other.TreeOptions());
  EXPECT_TRUE(o.MiscOptions().Has(toReadOnly));
  EXPECT_EQ(o.PaintOptions(), other.TreeOptions().PaintOptions());
}

TEST_F(TreeTest, ChangeStatesReportsOnlyRealChanges) {
  Recorder r;
  tree->OnStateChange = {&r, &Recorder::StateChange};
  tree->ChangeStates({tsHint}, {});
  tree->ChangeStates({tsHint}, {tsEditing});  // already in, already out
  EXPECT_EQ(r.stateChanges.size(), 1u);
  tree->ChangeStates({tsEditing}, {tsEditing});
  EXPECT_FALSE(tree->TreeStates().Has(tsEditing));
  ASSERT_EQ(r.stateChanges.size(), 2u);
  EXPECT_EQ(r.stateChanges[1].first, TLazyTreeStates{tsEditing});
  tree.reset();
}

TEST_F(TreeTest, UpdateBracketsNestAndReportOnce) {
  Recorder r;
  tree->OnUpdating = {&r, &Recorder::Updating};
  tree->OnStructureChange = {&r, &Recorder::Structure};
  tree->BeginUpdate();
  tree->BeginUpdate();
  Grow(nullptr, 3);
  tree->DeleteNode(At("0"));
  EXPECT_TRUE(r.structure.empty());
  tree->EndUpdate();
  EXPECT_TRUE(tree->TreeStates().Has(tsUpdating));
  tree->EndUpdate();
  EXPECT_FALSE(tree->TreeStates().Has(tsUpdating));
  EXPECT_EQ(r.updates, (std::vector<TLTUpdateState>{usBegin, usUpdate, usUpdate, usEnd}));
  EXPECT_EQ(r.structure, std::vector<TChangeReason>{crAccumulated});
  tree->EndUpdate();  // an unbalanced end leaves the count at 0
  EXPECT_EQ(tree->UpdateCount(), 0);
  EXPECT_TREE_SOUND(*tree);
  tree.reset();
}

TEST_F(TreeTest, UnitStartUpRegistersTheReferenceFormatOnce) {
  const LazyTreesUnit& unit = LazyTrees();
  EXPECT_TRUE(unit.StartedUp);
  EXPECT_EQ(unit.TreeReferenceFormat, toolkit::Clipboard::RegisterFormat(u"Lazy Tree Reference"));
  toolkit::ClipboardFormat first = unit.TreeReferenceFormat;
  TBaseLazyTree second(nullptr);
  EXPECT_EQ(LazyTrees().TreeReferenceFormat, first);
  LazyTreesShutDown();
  EXPECT_FALSE(LazyTrees().StartedUp);
  TBaseLazyTree third(nullptr);
  EXPECT_TRUE(LazyTrees().StartedUp);
}

TEST_F(TreeTest, TreeOfNilAsserts) {
  try {
    TBaseLazyTree::TreeOfNode(nullptr);
    FAIL();
  } catch (const ELazyTreeAssertion& e) {
    EXPECT_EQ(e.Message().substr(0, 35), u"Node must not be nil. (LazyTrees, l");
  }
}
