#include "toolkit/controls/data_object.h"

#include <algorithm>

namespace toolkit {

DataObject::Entry* DataObject::Find(ClipboardFormat format) {
  const auto it =
      std::find_if(entries_.begin(), entries_.end(), [format](const Entry& e) { return e.format == format; });
  return it == entries_.end() ? nullptr : &*it;
}

const DataObject::Entry* DataObject::Find(ClipboardFormat format) const {
  return const_cast<DataObject*>(this)->Find(format);
}

std::vector<ClipboardFormat> DataObject::Formats() const {
  std::vector<ClipboardFormat> formats;
  formats.reserve(entries_.size());
  for (const Entry& entry : entries_) formats.push_back(entry.format);
  return formats;
}

bool DataObject::HasFormat(ClipboardFormat format) const { return Find(format) != nullptr; }

bool DataObject::GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) {
  const Entry* entry = Find(format);
  if (!entry) return false;
  if (!entry->stored) return Render(format, data);
  data = entry->bytes;
  return true;
}

bool DataObject::SetData(ClipboardFormat format, std::vector<std::uint8_t> data) {
  if (format == 0) return false;
  Entry* entry = Find(format);
  if (!entry) {
    entries_.push_back({format, false, {}});
    entry = &entries_.back();
  }
  entry->stored = true;
  entry->bytes = std::move(data);
  return true;
}

void DataObject::Offer(ClipboardFormat format) {
  if (format != 0 && !Find(format)) entries_.push_back({format, false, {}});
}

bool DataObject::Render(ClipboardFormat, std::vector<std::uint8_t>&) { return false; }

}  // namespace toolkit
