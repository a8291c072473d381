// The tree's errors: ELazyTreeError for misuse that carries a code, and the
// assertion failures of programming errors, reported with the unit's name and
// the line that asserted.
#pragma once
#include <source_location>

#include "toolkit/core/exceptions.h"

namespace treeview {

class ELazyTreeError : public toolkit::Exception {
 public:
  ELazyTreeError(int code, toolkit::String message) : Exception(std::move(message)), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

class ELazyTreeAssertion : public toolkit::Exception {
 public:
  using Exception::Exception;
};

// Raises ELazyTreeAssertion "<message> (LazyTrees, line <n>)" unless condition holds.
void TreeAssert(bool condition, const char16_t* message,
                std::source_location where = std::source_location::current());

}  // namespace treeview
