#include "toolkit/graphics/backend.h"
#include "toolkit/headless/headless_backend.h"

namespace toolkit {

// Without a window system the headless backend is the platform's.
std::unique_ptr<Backend> MakePlatformBackend() { return std::make_unique<headless::HeadlessBackend>(); }

}  // namespace toolkit
