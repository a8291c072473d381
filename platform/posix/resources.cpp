#include <cerrno>

#include "platform/resources.h"

// Native program files carry no resources; compiled images are appended instead.
namespace platform {

bool ReadResource(const std::u16string&, const std::u16string&, std::string&) {
  errno = ENOTSUP;
  return false;
}

}  // namespace platform
