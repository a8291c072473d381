#include "editor/text_file_loader.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

#include "editor/unicode_text.h"
#include "editor/utf8_line_cutter.h"
#include "platform/codepage.h"
#include "platform/memory.h"
#include "toolkit/core/exceptions.h"

namespace editor {
namespace {

// The bytes from the stream's position to its end, in one block sized by
// the stream (doubled while it turns out longer).
class StreamBytes {
 public:
  explicit StreamBytes(toolkit::Stream& stream) {
    std::size_t room = static_cast<std::size_t>(std::max<std::int64_t>(stream.Size() - stream.Position(), 0));
    Grow(room);
    for (;;) {
      if (size_ == room) Grow(room = std::max(room * 2, std::size_t{1} << 16));
      const std::int64_t read = stream.Read(bytes_.get() + size_, static_cast<std::int64_t>(room - size_));
      if (read <= 0) break;
      size_ += static_cast<std::size_t>(read);
    }
  }

  std::string_view View() const { return std::string_view(bytes_.get(), size_); }

 private:
  void Grow(std::size_t room) {
    std::unique_ptr<char[]> grown(new char[room]);
    platform::AdviseFilledSoon(grown.get(), room);
    if (size_ > 0) std::memcpy(grown.get(), bytes_.get(), size_);
    bytes_ = std::move(grown);
  }

  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
};

}  // namespace

void LoadTextFromStream(TCodeEditStringList& lines, toolkit::Stream& stream, TTextEncoding& encoding,
                        bool& hasBom) {
  encoding = DetectStreamEncoding(stream, hasBom);
  const StreamBytes bytes(stream);
  std::string_view body = bytes.View();
  const std::string_view mark = ByteOrderMark(encoding);
  if (!mark.empty() && body.starts_with(mark)) body.remove_prefix(mark.size());
  // Every 8-bit code page a system uses agrees with UTF-8 on ASCII, and a
  // file of source text is often nothing else.
  if (encoding == TTextEncoding::teUtf8 || (encoding == TTextEncoding::teAnsi && IsAscii(body))) {
    lines.SetUtf8Text(body);
    return;
  }
  const int codePage = encoding == TTextEncoding::teUtf16LE   ? platform::kCodePageUtf16LE
                       : encoding == TTextEncoding::teUtf16BE ? platform::kCodePageUtf16BE
                                                              : platform::SystemCodePage();
  toolkit::String text;
  if (!platform::DecodeCodePage(codePage, body, text))
    throw toolkit::ConvertError(toolkit::FormatText(kCodePageNotAvailable, codePage));
  lines.SetText(text);
}

void LoadTextFromFile(TCodeEditStringList& lines, const toolkit::String& fileName, TTextEncoding& encoding,
                      bool& hasBom) {
  toolkit::FileStream file(fileName, toolkit::FileMode::OpenRead);
  LoadTextFromStream(lines, file, encoding, hasBom);
}

}  // namespace editor
