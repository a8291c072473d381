#include "treeview/lazy_tree_error.h"

#include <string>

namespace treeview {

void TreeAssert(bool condition, const char16_t* message, std::source_location where) {
  if (condition) return;
  std::string line = std::to_string(where.line());
  toolkit::String text = message;
  text += u" (LazyTrees, line ";
  text.append(line.begin(), line.end());
  text += u")";
  throw ELazyTreeAssertion(text);
}

}  // namespace treeview
