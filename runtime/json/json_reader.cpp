#include "runtime/json/json_reader.h"

#include <algorithm>

#include "runtime/format/date_format.h"
#include "runtime/parse/literal_value.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/text_forms.h"
#include "runtime/json/json_syntax.h"
#include "runtime/base/ref.h"

namespace runtime {

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
  Ref<CObjectInstance> object = Adopt(ReadJsonText(text, json));
  if (!object) object = MakeRef<CObjectInstance>(nullptr);
  result.SetCountedObject(object);
}

namespace {

bool IsBinaryDigit(unsigned c) { return c == '0' || c == '1'; }

// "0x" or "0b" (either case) and at least one digit of that base, after an
// optional sign; the literal reader takes nothing less.
bool IsRadixLiteral(TextView literal) {
  if (!literal.empty() && (literal[0] == '-' || literal[0] == '+')) literal.remove_prefix(1);
  if (literal.size() < 3 || literal[0] != '0') return false;
  const unsigned prefix = CodeUnit(literal[1]) | 0x20;
  if (prefix != 'x' && prefix != 'b') return false;
  bool (*isDigit)(unsigned) = prefix == 'x' ? &IsHexDigit : &IsBinaryDigit;
  for (const Char c : literal.substr(2))
    if (!isDigit(CodeUnit(c))) return false;
  return true;
}

bool IsNumberLiteral(TextView literal) {
  Number unused;
  return IsRadixLiteral(literal) || ParseNumberText(literal, unused) != NumberParse::kNotNumber;
}

// The literal reader gives 0 for a text that is no number; here the
// conversion error surfaces instead.
void CheckNumber(TextView literal) {
  if (IsNumberLiteral(literal)) return;
  Value text;
  text.SetText(literal);
  const bool real = literal.find_first_of(QT(".eE")) != TextView::npos;
  RaiseConversionError(text, real ? varDouble : varInt64);
}

}  // namespace

Value JsonNumber(TextView literal) {
  CheckNumber(literal);
  return NumberLiteralValue(literal);
}

Value JsonWord(TextView word) {
  Value value;
  if (word == QT("null") || word == QT("nil"))
    value.SetNull();
  else if (word == QT("true") || word == QT("false"))
    value.SetBool(word[0] == 't');
  else
    value.SetText(word);
  return value;
}

namespace {

size_t EscapedStringEnd(TextView text, size_t start, Text& content) {
  size_t i = start + 1;
  while (i < text.size() && text[i] != text[start]) i += text[i] == '\\' ? 2 : 1;
  i = std::min(i, text.size());
  content.assign(text.substr(start + 1, i - start - 1));
  return i;
}

// Any text the writer quotes reads back unchanged, back quotes included.
size_t DoubledStringEnd(TextView text, size_t start, Text& content) {
  const Char quote = text[start];
  size_t i = start + 1;
  for (; i < text.size(); ++i) {
    if (text[i] == quote) {
      if (i + 1 == text.size() || text[i + 1] != quote) break;
      ++i;
    }
    content += text[i];
  }
  return i;
}

}  // namespace

size_t ScanJsonString(TextView text, size_t start, bool json, Text& content) {
  content.clear();
  return json ? EscapedStringEnd(text, start, content) : DoubledStringEnd(text, start, content);
}

TJsonContainers::~TJsonContainers() { ReleaseObject(result_); }

void TJsonContainers::AddMember(CValue* member, TextView name) {
  if (open_.empty()) Push(new CObjectInstance(nullptr), {});
  CObjectInstance* innermost = open_.back();
  member->SetName(name);
  member->SetOwner(innermost);
  innermost->Members()->Add(member);
}

void TJsonContainers::Open(bool record, TextView name) {
  if (open_.size() >= size_t(kJsonDepthLimit)) RaiseJsonTooDeep();
  Push(record ? new CRecordInstance(nullptr) : new CObjectInstance(nullptr), name);
}

void TJsonContainers::Close() {
  if (open_.size() > 1) open_.pop_back();
}

CObjectInstance* TJsonContainers::TakeResult() {
  CObjectInstance* result = result_;
  result_ = nullptr;
  open_.clear();
  return result;
}

void TJsonContainers::Push(CObjectInstance* container, TextView name) {
  if (open_.empty())
    result_ = container;
  else
    AddMember(container, name);
  open_.push_back(container);
}

}  // namespace runtime
