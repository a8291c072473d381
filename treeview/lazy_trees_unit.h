// What the tree unit sets up once for all trees (on the first tree's
// construction) and takes down at program end.
#pragma once
#include "toolkit/core/clipboard_format.h"

namespace treeview {

struct LazyTreesUnit {
  bool StartedUp = false;
  // The clipboard format of node references between trees of one process.
  toolkit::ClipboardFormat TreeReferenceFormat = 0;
};

// Runs the start-up unless it ran already; answers the unit's state.
LazyTreesUnit& LazyTreesStartUp();
// Undoes the start-up; the next tree runs it again.
void LazyTreesShutDown();
const LazyTreesUnit& LazyTrees();

}  // namespace treeview
