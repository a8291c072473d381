#include "platform/interfaces.h"

#include <unknwn.h>

namespace platform {

void AddRefInterface(void* unknown) { static_cast<IUnknown*>(unknown)->AddRef(); }

void ReleaseInterface(void* unknown) { static_cast<IUnknown*>(unknown)->Release(); }

}  // namespace platform
