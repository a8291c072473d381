// Text built-ins that read a text and give a new one or a number: lengths,
// cases, parts, escapes, codes, "x", digests and "eval". Positions and lengths
// count code units: UTF-16 units in qelu, bytes in qel.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "runtime/error.h"
#include "runtime/text_limit.h"
#include "runtime/json/json_syntax.h"
#include "runtime/tree/node_location.h"
#include "runtime/rxlib/regex_library.h"
#include "runtime/sys/digest.h"
#include "runtime/tree/node.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/text_access.h"
#include "runtime/value/text_rep.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/builtin/builtin_families.h"

namespace runtime {

namespace {

constexpr unsigned kMaxCodeUnit = std::numeric_limits<std::make_unsigned_t<Char>>::max();

template <int From, int To>
void SetAsciiCase(CNode* receiver, Value& result) {
  Text text = ReceiverText(receiver);
  for (Char& c : text)
    if (c >= From && c <= From + 25) c = Char(c - From + To);
  result.SetText(text);
}

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

// "x": a text repeated, reversed or with its code units sorted.

// The size is checked before anything is allocated, so a huge count fails
// at once instead of exhausting memory.
void SetRepeated(const Text& text, int32_t count, Value& result) {
  const uint64_t length = uint64_t(text.size()) * uint64_t(count);
  CheckTextLength(length);
  TextRep<Char>* rep = TextRep<Char>::Allocate(size_t(length), 0, 0);
  for (int32_t i = 0; i < count && !text.empty(); ++i)
    std::memcpy(rep->data + size_t(i) * text.size(), text.data(), text.size() * sizeof(Char));
  result.AdoptText(rep);
}

// A counting sort: one counter per possible code unit.
Text Sorted(const Text& text) {
  std::vector<size_t> counts(size_t(std::numeric_limits<std::make_unsigned_t<Char>>::max()) + 1);
  for (Char c : text) ++counts[CodeUnit(c)];
  Text sorted;
  sorted.reserve(text.size());
  for (size_t unit = 0; unit < counts.size(); ++unit) sorted.append(counts[unit], Char(unit));
  return sorted;
}

void DoX(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Text text = ReceiverText(receiver);
  CValue* countArg = ArgAt(args, 0);
  const int32_t n = countArg ? ToInt32(countArg->ValueRef()) : 0;
  if (n >= 0) return SetRepeated(text, n, result);
  if (n == -1) return result.SetText(Text(text.rbegin(), text.rend()));
  result.SetText(n == -2 ? Sorted(text) : Text());
}

// "md5" and "sha1" of a text: one byte per code unit, its low 8 bits, so an
// ASCII text gives the digest of its bytes in both builds.

std::string LowBytes(const Text& text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (Char c : text) bytes.push_back(char(CodeUnit(c) & 0xFF));
  return bytes;
}

void DoMd5(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetText(HashMD5Hex(LowBytes(ReceiverText(receiver))));
}

void DoSha1(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetText(HashSHA1Hex(LowBytes(ReceiverText(receiver))));
}

// "eval": "$name" references in a text replaced by the values of the names
// visible where the receiver stands.

bool IsNameChar(Char c) {
  return c == '$' || (c >= '0' && c <= '9') || (c >= '@' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z');
}

// "$@@" names the place of the last failure when no scope defines "@@";
// an unknown name stays as written.
Text Expansion(CContext& context, CNode* receiver, TextView reference) {
  const TextView name = reference.substr(1);
  if (CValue* found = name.empty() ? nullptr : receiver->Lookup(name)) return ToText(found->ValueRef());
  if (name == QT("@@")) return NodeLocation(context);
  return Text(reference);
}

// Inserted values are never expanded again: scanning goes on after them.
void DoEval(CContext& context, CNode* receiver, CValueList*, Value& result) {
  const Text text = ReceiverText(receiver);
  Text expanded;
  size_t done = 0;
  for (size_t at = text.find('$'); at != Text::npos; at = text.find('$', done)) {
    size_t end = at + 1;
    while (end < text.size() && IsNameChar(text[end])) ++end;
    expanded.append(text, done, at - done);
    expanded += Expansion(context, receiver, TextView(text).substr(at, end - at));
    CheckTextLength(expanded.size());
    done = end;
  }
  expanded.append(text, done);
  result.SetText(expanded);
}

}  // namespace

void AddTextBuiltins(CLibrary& library) {
  library.AddHandler(QT("length"), &DoLength);
  library.AddHandler(QT("lower"), &DoLower);
  library.AddHandler(QT("upper"), &DoUpper);
  library.AddHandler(QT("subpos"), &DoSubpos);
  library.AddHandler(QT("substr"), &DoSubstr);
  library.AddHandler(QT("x"), &DoX);
  library.AddHandler(QT("escape"), &DoEscape);
  library.AddHandler(QT("toByte"), &DoToByte);
  library.AddHandler(QT("toChar"), &DoToChar);
  library.AddHandler(QT("md5"), &DoMd5);
  library.AddHandler(QT("sha1"), &DoSha1);
  library.AddHandler(QT("eval"), &DoEval);
  library.AddHandler(QT("toRegex"), &DoToRegex);
  library.AddHandler(QT("match"), &DoTextMatch);
  library.AddHandler(QT("replace"), &DoTextReplace);
}

}  // namespace runtime
