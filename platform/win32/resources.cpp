#include "platform/resources.h"
#include "platform/win32/wide.h"

namespace platform {

bool ReadResource(const std::u16string& name, const std::u16string& type, std::string& bytes) {
  const HRSRC found = ::FindResourceW(nullptr, detail::Wide(name), detail::Wide(type));
  const HGLOBAL loaded = found ? ::LoadResource(nullptr, found) : nullptr;
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) return false;
  bytes.assign(static_cast<const char*>(data), ::SizeofResource(nullptr, found));
  return true;
}

}  // namespace platform
