#include "toolkit/headless/memory_clipboard.h"

#include "toolkit/controls/data_object.h"

namespace toolkit::headless {

bool MemoryClipboard::Open() {
  if (open_) return false;
  open_ = true;
  return true;
}

bool MemoryClipboard::Empty() {
  if (!open_) return false;
  data_.clear();
  object_.reset();
  return true;
}

bool MemoryClipboard::HasFormat(ClipboardFormat format) {
  return data_.count(format) != 0 || (object_ && object_->HasFormat(format));
}

bool MemoryClipboard::GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) {
  if (!open_) return false;
  const auto it = data_.find(format);
  if (it != data_.end()) {
    data = it->second;
    return true;
  }
  return object_ && object_->GetData(format, data);
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

bool MemoryClipboard::SetObject(std::shared_ptr<DataObject> object) {
  if (open_) return false;
  data_.clear();
  // The old object goes only after the new one is in place, as its
  // destructor may look at the clipboard.
  std::shared_ptr<DataObject> old = std::move(object_);
  object_ = std::move(object);
  return true;
}

std::shared_ptr<DataObject> MemoryClipboard::Object() {
  if (object_) return object_;
  auto copy = std::make_shared<DataObject>();
  for (const auto& [format, bytes] : data_) copy->SetData(format, bytes);
  return copy;
}

void MemoryClipboard::Flush() {
  if (!object_) return;
  std::shared_ptr<DataObject> object = std::move(object_);
  for (ClipboardFormat format : object->Formats()) {
    std::vector<std::uint8_t> bytes;
    if (object->GetData(format, bytes)) data_[format] = std::move(bytes);
  }
}

}  // namespace toolkit::headless
