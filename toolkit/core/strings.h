// The abstract string list: indexed lines with an object each, name=value
// pairs, text with a chosen line break, update nesting and streaming.
#pragma once
#include "toolkit/core/component.h"
#include "toolkit/core/stream.h"

namespace toolkit {

enum class TextEncoding { Utf8, Utf16LE, Utf16BE };

class Strings : public Persistent {
 public:
  String ClassName() const override { return u"Strings"; }

  virtual int Count() const = 0;
  virtual String Get(int index) const = 0;
  virtual void Put(int index, const String& text);
  virtual Object* GetObject(int index) const;
  virtual void PutObject(int index, Object* object);
  virtual void Insert(int index, const String& text) = 0;
  virtual void InsertObject(int index, const String& text, Object* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual int Capacity() const { return Count(); }
  virtual void SetCapacity(int) {}

  String operator[](int index) const { return Get(index); }
  virtual int Add(const String& text);
  int AddObject(const String& text, Object* object);
  void AddStrings(const Strings& other);
  virtual int IndexOf(StringView text) const;
  int IndexOfName(StringView name) const;
  int IndexOfObject(const Object* object) const;
  virtual void Exchange(int a, int b);
  virtual void Move(int from, int to);
  bool Equals(const Strings& other) const;

  // name=value lines; a line without the separator has an empty name.
  String Names(int index) const;
  String ValueFromIndex(int index) const;
  String Values(StringView name) const;
  // An empty value removes the pair; an unknown name adds one.
  void SetValue(StringView name, StringView value);
  Char NameValueSeparator() const { return separator_; }
  void SetNameValueSeparator(Char separator) { separator_ = separator; }

  // Text reads as every line followed by the line break. Setting it splits
  // at CR LF, LF and CR, and at the line break itself when that is another text.
  const String& LineBreak() const { return lineBreak_; }
  void SetLineBreak(StringView lineBreak) { lineBreak_ = String(lineBreak); }
  virtual String Text() const;
  virtual void SetText(StringView text);

  // The first begin and the last end call SetUpdateState.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Loading recognises a byte-order mark (UTF-8, UTF-16 LE or BE) and reads
  // UTF-8 without one; saving uses the chosen encoding.
  virtual void LoadFromStream(Stream& stream);
  virtual void SaveToStream(Stream& stream) const;
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName) const;
  TextEncoding Encoding() const { return encoding_; }
  void SetEncoding(TextEncoding encoding, bool writeBom) {
    encoding_ = encoding;
    writeBom_ = writeBom;
  }

  void Assign(const Persistent* source) override;

 protected:
  virtual void SetUpdateState(bool) {}
  // Case-insensitive by default, as list look-ups are.
  virtual int CompareStrings(StringView a, StringView b) const { return CompareTextIgnoringCase(a, b); }

 private:
  String lineBreak_ = u"\r\n";
  Char separator_ = u'=';
  int updateCount_ = 0;
  TextEncoding encoding_ = TextEncoding::Utf8;
  bool writeBom_ = false;
};

// Decodes bytes with a byte-order mark or as UTF-8; reports what it found.
String DecodeText(const std::uint8_t* bytes, std::size_t count, TextEncoding& found);
std::vector<std::uint8_t> EncodeText(StringView text, TextEncoding encoding, bool withBom);

}  // namespace toolkit
