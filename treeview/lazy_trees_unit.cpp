#include "treeview/lazy_trees_unit.h"

#include "toolkit/controls/clipboard.h"

namespace treeview {

namespace {
LazyTreesUnit unit;
}  // namespace

LazyTreesUnit& LazyTreesStartUp() {
  if (unit.StartedUp) return unit;
  unit.StartedUp = true;
  unit.TreeReferenceFormat = toolkit::Clipboard::RegisterFormat(u"Lazy Tree Reference");
  return unit;
}

void LazyTreesShutDown() { unit = LazyTreesUnit{}; }

const LazyTreesUnit& LazyTrees() { return unit; }

}  // namespace treeview
