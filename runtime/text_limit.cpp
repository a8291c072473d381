#include "runtime/text_limit.h"

#include "runtime/error.h"

namespace runtime {

void CheckTextLength(std::uint64_t length) {
  if (length > kMaxTextLength) RaiseError(QT("Text too long"));
}

}  // namespace runtime
