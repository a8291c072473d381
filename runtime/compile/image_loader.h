// Compiled images are recognised from their raw bytes, before any text
// decoding: by the file's extension, or by a well-formed image (header and
// trailer) at the end of the bytes. The image reader registers itself here;
// the loader knows nothing of the image format.
#pragma once
#include <string>
#include <string_view>

#include "runtime/text.h"

namespace runtime {

class CModule;

struct TImageLoader {
  // Whether the bytes end with a well-formed image.
  bool (*holdsImage)(std::string_view bytes);
  // The module of the image at the end of the bytes, with one reference for
  // the caller; a malformed image raises.
  CModule* (*load)(std::string bytes);
};

void RegisterImageLoader(const TImageLoader& loader);

// ".qob", ".qex", ".exe" and ".dll", in any case.
bool HasImageExtension(TextView fileName);
bool HoldsImage(std::string_view bytes);
// Raises when no image reader is registered.
CModule* LoadImage(std::string bytes);

}  // namespace runtime
