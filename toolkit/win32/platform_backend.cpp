#include "toolkit/graphics/backend.h"
#include "toolkit/win32/win32_backend.h"

namespace toolkit {

std::unique_ptr<Backend> MakePlatformBackend() { return std::make_unique<win32::Win32Backend>(); }

}  // namespace toolkit
