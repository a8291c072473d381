#include "toolkit/core/strings.h"

#include "toolkit/core/exceptions.h"

namespace toolkit {

void Strings::Put(int index, const String& text) {
  Object* object = GetObject(index);
  Delete(index);
  InsertObject(index, text, object);
}

Object* Strings::GetObject(int) const { return nullptr; }

void Strings::PutObject(int, Object*) {}

void Strings::InsertObject(int index, const String& text, Object* object) {
  Insert(index, text);
  PutObject(index, object);
}

int Strings::Add(const String& text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

int Strings::AddObject(const String& text, Object* object) {
  const int index = Add(text);
  PutObject(index, object);
  return index;
}

void Strings::AddStrings(const Strings& other) {
  BeginUpdate();
  for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.GetObject(i));
  EndUpdate();
}

int Strings::IndexOf(StringView text) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), text) == 0) return i;
  return -1;
}

int Strings::IndexOfName(StringView name) const {
  for (int i = 0; i < Count(); ++i) {
    const String line = Get(i);
    const std::size_t at = line.find(separator_);
    if (at != String::npos && CompareStrings(StringView(line).substr(0, at), name) == 0) return i;
  }
  return -1;
}

int Strings::IndexOfObject(const Object* object) const {
  for (int i = 0; i < Count(); ++i)
    if (GetObject(i) == object) return i;
  return -1;
}

void Strings::Exchange(int a, int b) {
  BeginUpdate();
  const String textA = Get(a);
  Object* objectA = GetObject(a);
  Put(a, Get(b));
  PutObject(a, GetObject(b));
  Put(b, textA);
  PutObject(b, objectA);
  EndUpdate();
}

void Strings::Move(int from, int to) {
  if (from == to) return;
  BeginUpdate();
  const String text = Get(from);
  Object* object = GetObject(from);
  Delete(from);
  InsertObject(to, text, object);
  EndUpdate();
}

bool Strings::Equals(const Strings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Get(i) != other.Get(i)) return false;
  return true;
}

String Strings::Names(int index) const {
  const String line = Get(index);
  const std::size_t at = line.find(separator_);
  return at == String::npos ? String() : line.substr(0, at);
}

String Strings::ValueFromIndex(int index) const {
  const String line = Get(index);
  const std::size_t at = line.find(separator_);
  return at == String::npos ? String() : line.substr(at + 1);
}

String Strings::Values(StringView name) const {
  const int index = IndexOfName(name);
  return index < 0 ? String() : ValueFromIndex(index);
}

void Strings::SetValue(StringView name, StringView value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  String line(name);
  line += separator_;
  line += value;
  if (index < 0) {
    Add(line);
  } else {
    Put(index, line);
  }
}

String Strings::Text() const {
  String text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += lineBreak_;
  }
  return text;
}

void Strings::SetText(StringView text) {
  const bool ownBreak = !lineBreak_.empty() && lineBreak_ != u"\r\n" && lineBreak_ != u"\n" && lineBreak_ != u"\r";
  BeginUpdate();
  Clear();
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t breakLength = 0;
    if (text[i] == u'\r') {
      breakLength = i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    } else if (text[i] == u'\n') {
      breakLength = 1;
    } else if (ownBreak && text.substr(i, lineBreak_.size()) == lineBreak_) {
      breakLength = lineBreak_.size();
    }
    if (breakLength == 0) {
      ++i;
      continue;
    }
    Add(String(text.substr(start, i - start)));
    i += breakLength;
    start = i;
  }
  if (start < text.size()) Add(String(text.substr(start)));
  EndUpdate();
}

void Strings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void Strings::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

String DecodeText(const std::uint8_t* bytes, std::size_t count, TextEncoding& found) {
  if (count >= 2 && (bytes[0] == 0xFF || bytes[0] == 0xFE) && bytes[0] + bytes[1] == 0xFF + 0xFE) {
    const bool little = bytes[0] == 0xFF;
    found = little ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
    String text;
    text.reserve((count - 2) / 2);
    for (std::size_t i = 2; i + 1 < count; i += 2)
      text += static_cast<Char>(little ? bytes[i] | bytes[i + 1] << 8 : bytes[i] << 8 | bytes[i + 1]);
    if ((count - 2) % 2 != 0) text += u'\xFFFD';  // a dangling byte is shown, not dropped silently
    return text;
  }
  found = TextEncoding::Utf8;
  std::size_t skip = count >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF ? 3 : 0;
  return FromUtf8(std::string_view(reinterpret_cast<const char*>(bytes) + skip, count - skip));
}

std::vector<std::uint8_t> EncodeText(StringView text, TextEncoding encoding, bool withBom) {
  std::vector<std::uint8_t> bytes;
  if (encoding == TextEncoding::Utf8) {
    if (withBom) bytes = {0xEF, 0xBB, 0xBF};
    const std::string utf8 = ToUtf8(text);
    bytes.insert(bytes.end(), utf8.begin(), utf8.end());
    return bytes;
  }
  const bool little = encoding == TextEncoding::Utf16LE;
  bytes.reserve(text.size() * 2 + 2);
  auto put = [&](Char c) {
    bytes.push_back(static_cast<std::uint8_t>(little ? c & 0xFF : c >> 8));
    bytes.push_back(static_cast<std::uint8_t>(little ? c >> 8 : c & 0xFF));
  };
  if (withBom) put(0xFEFF);
  for (Char c : text) put(c);
  return bytes;
}

void Strings::LoadFromStream(Stream& stream) {
  const std::int64_t count = stream.Size() - stream.Position();
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count > 0 ? count : 0));
  stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  TextEncoding found = TextEncoding::Utf8;
  const String text = DecodeText(bytes.data(), bytes.size(), found);
  encoding_ = found;
  SetText(text);
}

void Strings::SaveToStream(Stream& stream) const {
  const std::vector<std::uint8_t> bytes = EncodeText(Text(), encoding_, writeBom_);
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void Strings::LoadFromFile(const String& fileName) {
  FileStream file(fileName, FileMode::OpenRead);
  LoadFromStream(file);
}

void Strings::SaveToFile(const String& fileName) const {
  FileStream file(fileName, FileMode::Create);
  SaveToStream(file);
}

void Strings::Assign(const Persistent* source) {
  if (const auto* other = dynamic_cast<const Strings*>(source)) {
    BeginUpdate();
    Clear();
    lineBreak_ = other->lineBreak_;
    separator_ = other->separator_;
    AddStrings(*other);
    EndUpdate();
    return;
  }
  Persistent::Assign(source);
}

}  // namespace toolkit
