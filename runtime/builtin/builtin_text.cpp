// Text built-ins that read a text and give a new one or a number. Positions
// and lengths count code units: UTF-16 units in qelu, bytes in qel.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "../error.h"
#include "../json/json_syntax.h"
#include "../tree/value_node.h"
#include "../value/convert.h"
#include "../value/text_access.h"
#include "builtin_args.h"
#include "builtin_handlers.h"

namespace {

constexpr unsigned kMaxCodeUnit = std::numeric_limits<std::make_unsigned_t<Char>>::max();

template <int From, int To>
void SetAsciiCase(CNode* receiver, Value& result) {
  Text text = ReceiverText(receiver);
  for (Char& c : text)
    if (c >= From && c <= From + 25) c = Char(c - From + To);
  result.SetText(text);
}

}  // namespace

void DoLength(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetInt(int32_t(ReceiverText(receiver).size()));
}

void DoLower(CContext&, CNode* receiver, CValueList*, Value& result) { SetAsciiCase<'A', 'a'>(receiver, result); }

void DoUpper(CContext&, CNode* receiver, CValueList*, Value& result) { SetAsciiCase<'a', 'A'>(receiver, result); }

void DoSubpos(CContext&, CNode* receiver, CValueList* args, Value& result) {
  CValue* find = ArgAt(args, 0);
  const size_t at = find ? ReceiverText(receiver).find(ToText(find->ValueRef())) : Text::npos;
  result.SetInt(at == Text::npos ? -1 : int32_t(at));
}

// Negative "pos" and "len" count from the end; what lies outside the text is cut off.
void DoSubstr(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Text text = ReceiverText(receiver);
  const int64_t length = int64_t(text.size());
  int64_t pos = CValueList::GetInt(args, QT("pos"), 0, 0);
  int64_t count = CValueList::GetInt(args, QT("len"), std::numeric_limits<int32_t>::max(), 1);
  if (pos < 0) pos = std::max<int64_t>(pos + length, 0);
  if (count < 0) count += length;
  if (count <= 0 || pos >= length) return result.SetText(QT(""));
  result.SetText(TextView(text).substr(size_t(pos), size_t(std::min(count, length - pos))));
}

void DoEscape(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetText(ResolveEscapes(ReceiverText(receiver)));
}

void DoToByte(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Text text = ReceiverText(receiver);
  const int32_t pos = CValueList::GetInt(args, QT("pos"), 0, 0);
  if (text.empty()) return result.SetInt(0);
  if (pos < 0 || size_t(pos) >= text.size())
    RaiseError(QT("toByte: position ") + DecimalText(pos) + QT(" is outside the text of length ") +
               DecimalText(int64_t(text.size())));
  result.SetInt(int32_t(CodeUnit(text[size_t(pos)])));
}

void DoToChar(CContext&, CNode* receiver, CValueList*, Value& result) {
  const int32_t code = ReceiverInt(receiver);
  if (code < 0 || unsigned(code) > kMaxCodeUnit)
    RaiseError(QT("toChar: ") + DecimalText(code) + QT(" is not a character code"));
  result.SetText(Text(1, Char(code)));
}
