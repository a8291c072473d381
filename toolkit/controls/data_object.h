// What travels in a drag and drop or through the clipboard as an object: a
// list of formats, each with its bytes stored or rendered when asked for.
// Backends wrap it for the platform (IDataObject on Windows).
#pragma once
#include <cstdint>
#include <vector>

#include "toolkit/core/clipboard_format.h"

namespace toolkit {

class DataObject {
 public:
  virtual ~DataObject() = default;

  // The formats offered, in the order they were offered (most wanted first).
  virtual std::vector<ClipboardFormat> Formats() const;
  virtual bool HasFormat(ClipboardFormat format) const;
  // False when the format is not offered or could not be rendered.
  virtual bool GetData(ClipboardFormat format, std::vector<std::uint8_t>& data);
  // Stores the bytes, offering the format when it is new. False for format 0.
  virtual bool SetData(ClipboardFormat format, std::vector<std::uint8_t> data);

 protected:
  // Offers a format whose bytes Render gives on demand.
  void Offer(ClipboardFormat format);
  virtual bool Render(ClipboardFormat format, std::vector<std::uint8_t>& data);

 private:
  struct Entry {
    ClipboardFormat format;
    bool stored;
    std::vector<std::uint8_t> bytes;
  };
  Entry* Find(ClipboardFormat format);
  const Entry* Find(ClipboardFormat format) const;

  std::vector<Entry> entries_;
};

}  // namespace toolkit
