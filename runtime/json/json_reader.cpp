#include "json_reader.h"

#include "../format/date_format.h"
#include "../tree/object_value.h"
#include "json_char_class.h"
#include "json_containers.h"
#include "json_literal.h"
#include "json_string.h"
#include "resolve_escapes.h"

namespace {

class TJsonReader {
public:
  TJsonReader(TextView text, bool json) : text_(text), json_(json) {}

  CObjectInstance* Read() {
    for (size_t pos = 0; pos < text_.size();) pos = Step(pos);
    return containers_.TakeResult();
  }

private:
  // Reads what starts at pos; returns where scanning goes on.
  size_t Step(size_t pos) {
    switch (JsonClassOf(CodeUnit(text_[pos]))) {
      case JsonCharClass::kQuote: return ReadString(pos);
      case JsonCharClass::kNumber: return ReadLiteral(pos, RunEnd(pos, &IsJsonNumberChar), &JsonNumber);
      case JsonCharClass::kAt:
        if (IsQuoteAt(pos + 1)) return pos + 1;
        [[fallthrough]];
      case JsonCharClass::kWord: return ReadLiteral(pos, RunEnd(pos + 1, &IsJsonWordChar), &JsonWord);
      case JsonCharClass::kNameSeparator: name_ = literal_; break;
      case JsonCharClass::kElementSeparator: StorePending(); break;
      case JsonCharClass::kOpen:
        containers_.Open(text_[pos] == '{', name_);
        ClearPending();
        break;
      case JsonCharClass::kClose:
        StorePending();
        containers_.Close();
        break;
      case JsonCharClass::kSkipped: break;
    }
    return pos + 1;
  }

  bool IsQuoteAt(size_t pos) const {
    return pos < text_.size() && JsonClassOf(CodeUnit(text_[pos])) == JsonCharClass::kQuote;
  }

  size_t RunEnd(size_t pos, bool (*belongs)(unsigned)) const {
    while (pos < text_.size() && belongs(CodeUnit(text_[pos]))) ++pos;
    return pos;
  }

  size_t ReadLiteral(size_t pos, size_t end, Value (*valueOf)(TextView)) {
    const TextView literal = text_.substr(pos, end - pos);
    SetLiteral(literal, valueOf(literal));
    return end;
  }

  size_t ReadString(size_t pos) {
    Text content;
    const size_t end = ScanJsonString(text_, pos, json_, content);
    Value value;
    if (pos > 0 && text_[pos - 1] == '@') {
      value.SetDate(DateFromText(content));
    } else {
      if (json_) content = ResolveEscapes(content);
      value.SetText(content);
    }
    SetLiteral(content, value);
    quote_ = text_[pos];
    return end < text_.size() ? end + 1 : end;
  }

  void SetLiteral(TextView literal, const Value& value) {
    literal_ = literal;
    value_ = value;
    quote_ = 0;
  }

  // The pending value stays, but is stored again only after a new literal.
  void StorePending() {
    if (literal_.empty() && !quote_ && name_.empty()) return;
    containers_.AddMember(new CValue(nullptr, value_), name_);
    ClearPending();
  }

  void ClearPending() {
    literal_.clear();
    quote_ = 0;
    name_.clear();
  }

  TextView text_;
  bool json_;
  TJsonContainers containers_;
  Value value_;
  Text literal_;  // a string's content, a number's or word's characters
  Char quote_ = 0;
  Text name_;
};

}  // namespace

CObjectInstance* ReadJsonText(TextView text, bool json) { return TJsonReader(text, json).Read(); }

void GetJson(TextView text, bool json, Value& result) {
  CObjectInstance* object = ReadJsonText(text, json);
  if (!object) object = new CObjectInstance(nullptr);
  result.SetCountedObject(object);
  object->Release();
}
