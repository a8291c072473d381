#include "toolkit/headless/memory_clipboard.h"

namespace toolkit::headless {

bool MemoryClipboard::Open() {
  if (open_) return false;
  open_ = true;
  return true;
}

bool MemoryClipboard::Empty() {
  if (!open_) return false;
  data_.clear();
  return true;
}

bool MemoryClipboard::GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) {
  const auto it = data_.find(format);
  if (!open_ || it == data_.end()) return false;
  data = it->second;
  return true;
}

bool MemoryClipboard::SetData(ClipboardFormat format, const void* data, std::size_t size) {
  if (!open_ || format == 0) return false;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  data_[format].assign(bytes, bytes + size);
  return true;
}

ClipboardFormat MemoryClipboard::RegisterFormat(StringView name) {
  if (name.empty()) return 0;
  // Names are matched without regard to case, as the system does.
  const String key = UpperCase(name);
  const auto it = names_.find(key);
  if (it != names_.end()) return it->second;
  const auto format = static_cast<ClipboardFormat>(0xC000 + names_.size());
  names_[key] = format;
  return format;
}

}  // namespace toolkit::headless
