#include "platform/interfaces.h"

namespace platform {

// No COM here: nothing makes an interface value, so there is nothing to count.
void AddRefInterface(void*) {}

void ReleaseInterface(void*) {}

}  // namespace platform
