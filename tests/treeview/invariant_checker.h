// Walks a whole tree and checks every structural invariant of its node
// records and the tree's bookkeeping. Model tests call it after each step.
#pragma once
#include <string>

#include "treeview/base_lazy_tree.h"

namespace treeview_test {

// The first broken invariant, or an empty text.
std::string FindBrokenInvariant(const treeview::TBaseLazyTree& tree);

}  // namespace treeview_test

// Fails the current test with the broken invariant's description.
#define EXPECT_TREE_SOUND(tree) EXPECT_EQ(treeview_test::FindBrokenInvariant(tree), "")
