// The clipboard's in-memory twin: bytes per format, open and close checked.
#pragma once
#include <map>

#include "toolkit/backend.h"

namespace toolkit::headless {

class MemoryClipboard : public ClipboardStore {
 public:
  // Fails while already open, as a second owner would.
  bool Open() override;
  void Close() override { open_ = false; }
  bool Empty() override;
  bool HasFormat(ClipboardFormat format) override { return data_.count(format) != 0; }
  bool GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) override;
  bool SetData(ClipboardFormat format, const void* data, std::size_t size) override;
  ClipboardFormat RegisterFormat(StringView name) override;

 private:
  bool open_ = false;
  std::map<ClipboardFormat, std::vector<std::uint8_t>> data_;
  std::map<String, ClipboardFormat> names_;
};

}  // namespace toolkit::headless
