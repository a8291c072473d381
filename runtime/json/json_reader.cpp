#include "runtime/json/json_reader.h"

#include <algorithm>
#include <limits>
#include <string>

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
      case JsonCharClass::kNameSeparator: TakeLiteralAsName(); break;
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
    value_ = valueOf(literal);
    SetLiteral(literal);
    return end;
  }

  size_t ReadString(size_t pos) {
    const size_t end = ScanJsonString(text_, pos, json_, literalStore_, literal_);
    if (pos > 0 && text_[pos - 1] == '@') {
      value_.SetDate(DateFromText(literal_));
    } else {
      // In JSON the content is a view of the text, never of the store.
      if (json_ && literal_.find('\\') != TextView::npos) {
        ResolveEscapes(literal_, literalStore_);
        literal_ = literalStore_;
      }
      value_.SetText(literal_);
    }
    quote_ = text_[pos];
    return end < text_.size() ? end + 1 : end;
  }

  // The literal is a view of the text or of literalStore_.
  void SetLiteral(TextView literal) {
    literal_ = literal;
    quote_ = 0;
  }

  // The name outlives the literal: a literal of the store is copied.
  void TakeLiteralAsName() {
    if (!literalStore_.empty() && literal_.data() == literalStore_.data()) {
      nameStore_.assign(literal_);
      name_ = nameStore_;
    } else {
      name_ = literal_;
    }
  }

  // The pending value stays, but is stored again only after a new literal.
  void StorePending() {
    if (literal_.empty() && !quote_ && name_.empty()) return;
    auto* member = new CValue(nullptr);
    member->OwnValue() = std::move(value_);
    containers_.AddMember(member, name_);
    ClearPending();
  }

  void ClearPending() {
    literal_ = {};
    quote_ = 0;
    name_ = {};
  }

  TextView text_;
  bool json_;
  TJsonContainers containers_;
  Value value_;
  TextView literal_;  // a string's content, a number's or word's characters
  Char quote_ = 0;
  TextView name_;
  // Strings whose content differs from what is written: unescaped or with
  // doubled quotes made single.
  Text literalStore_;
  Text nameStore_;
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

[[noreturn]] void RaiseNotNumber(TextView literal) {
  Value text;
  text.SetText(literal);
  const bool real = literal.find_first_of(QT(".eE")) != TextView::npos;
  RaiseConversionError(text, real ? varDouble : varInt64);
}

// Up to nine digits after an optional minus: always an Int32.
bool ReadSmallInteger(TextView literal, Value& value) {
  const bool negative = literal[0] == '-';
  const size_t first = negative ? 1 : 0;
  if (literal.size() == first || literal.size() - first > 9) return false;
  int32_t magnitude = 0;
  for (size_t i = first; i < literal.size(); ++i) {
    const unsigned digit = CodeUnit(literal[i]) - '0';
    if (digit > 9) return false;
    magnitude = magnitude * 10 + int32_t(digit);
  }
  value.SetInt(negative ? -magnitude : magnitude);
  return true;
}

// A decimal literal as the literal reader gives it: integers in Int32 when
// they fit, else Int64, others Double, overflow an infinity.
Value DecimalValue(TextView literal) {
  // A number run is ASCII throughout.
  std::string text(literal.size(), ' ');
  for (size_t i = 0; i < literal.size(); ++i) text[i] = char(literal[i]);
  Number number;
  const NumberParse parsed = ParseNumber(text, number);
  if (parsed == NumberParse::kNotNumber) RaiseNotNumber(literal);
  Value value;
  if (parsed == NumberParse::kOverflow)
    value.SetDouble(text[0] == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity());
  else if (number.kind != Number::kInt)
    value.SetDouble(NumberToDouble(number));
  else if (number.i == int32_t(number.i))
    value.SetInt(int32_t(number.i));
  else
    value.SetInt64(number.i);
  return value;
}

}  // namespace

// The literal reader gives 0 for a text that is no number; here the
// conversion error surfaces instead.
Value JsonNumber(TextView literal) {
  Value value;
  if (ReadSmallInteger(literal, value)) return value;
  return IsRadixLiteral(literal) ? NumberLiteralValue(literal) : DecimalValue(literal);
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

size_t EscapedStringEnd(TextView text, size_t start, TextView& content) {
  const Char quote = text[start];
  size_t i = start + 1;
  while (i < text.size() && text[i] != quote) i += text[i] == '\\' ? 2 : 1;
  i = std::min(i, text.size());
  content = text.substr(start + 1, i - start - 1);
  return i;
}

// Any text the writer quotes reads back unchanged, back quotes included.
// Content without a doubled quote stays a view of the text.
size_t DoubledStringEnd(TextView text, size_t start, Text& store, TextView& content) {
  const Char quote = text[start];
  size_t i = start + 1;
  size_t runStart = i;
  bool stored = false;
  for (; i < text.size(); ++i) {
    if (text[i] != quote) continue;
    if (i + 1 == text.size() || text[i + 1] != quote) break;
    if (!stored) store.clear();
    stored = true;
    store.append(text.substr(runStart, i + 1 - runStart));
    runStart = ++i + 1;
  }
  const TextView tail = text.substr(runStart, i - runStart);
  if (!stored) {
    content = tail;
  } else {
    store.append(tail);
    content = store;
  }
  return i;
}

}  // namespace

size_t ScanJsonString(TextView text, size_t start, bool json, Text& store, TextView& content) {
  return json ? EscapedStringEnd(text, start, content) : DoubledStringEnd(text, start, store, content);
}

TJsonContainers::~TJsonContainers() { ReleaseObject(result_); }

namespace {

// Lists of up to this many members are searched for a name one by one;
// longer ones through their names' index.
constexpr int32_t kScannedMembers = 32;

bool HoldsName(const CValueList* members, TextView name) {
  for (int32_t i = 0; i < members->Count(); ++i)
    if (SameName(members->At(i)->Name(), name)) return true;
  return false;
}

}  // namespace

// Most documents name each member once: such members are appended without
// building the container's index of names.
void TJsonContainers::AddMember(CValue* member, TextView name) {
  if (open_.empty()) Push(new CObjectInstance(nullptr), {});
  CObjectInstance* innermost = open_.back();
  member->SetName(name);
  member->SetOwner(innermost);
  CValueList* members = innermost->Members();
  if (name.empty() || (members->Count() < kScannedMembers && !HoldsName(members, name)))
    members->AppendNew(member);
  else
    members->Add(member);
}

void TJsonContainers::Open(bool record, TextView name) {
  if (open_.size() >= size_t(kJsonDepthLimit)) RaiseJsonTooDeep();
  Push(record ? new CRecordInstance(nullptr) : new CObjectInstance(nullptr), name);
}

void TJsonContainers::FitCapacity(CObjectInstance* container) {
  if (container->MemberCount() > 0) container->Members()->FitCapacity();
}

// A document's containers are made once and mostly only read afterwards:
// each keeps just the room its members take.
void TJsonContainers::Close() {
  if (open_.size() <= 1) return;
  FitCapacity(open_.back());
  open_.pop_back();
}

CObjectInstance* TJsonContainers::TakeResult() {
  for (CObjectInstance* container : open_) FitCapacity(container);
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
