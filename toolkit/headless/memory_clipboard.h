// The clipboard's in-memory twin: bytes per format, open and close checked,
// or an object that renders its formats when they are asked for.
#pragma once
#include <map>
#include <memory>

#include "toolkit/graphics/backend.h"

namespace toolkit::headless {

class MemoryClipboard : public ClipboardStore {
 public:
  // Fails while already open, as a second owner would.
  bool Open() override;
  void Close() override { open_ = false; }
  // Also lets go of the object.
  bool Empty() override;
  bool HasFormat(ClipboardFormat format) override;
  bool GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) override;
  bool SetData(ClipboardFormat format, const void* data, std::size_t size) override;
  ClipboardFormat RegisterFormat(StringView name) override;

  // The object replaces whatever the clipboard held; nullptr empties it.
  // False while someone holds the clipboard open.
  bool SetObject(std::shared_ptr<DataObject> object);
  // The object set last, or the bytes as an object of their own.
  std::shared_ptr<DataObject> Object();
  // The object's formats become bytes and the object is let go.
  void Flush();

 private:
  bool open_ = false;
  std::map<ClipboardFormat, std::vector<std::uint8_t>> data_;
  std::shared_ptr<DataObject> object_;
  std::map<String, ClipboardFormat> names_;
};

}  // namespace toolkit::headless
