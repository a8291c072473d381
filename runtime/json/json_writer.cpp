#include "json_writer.h"

#include <cmath>
#include <string>
#include <utility>

#include "../stack_guard.h"
#include "../tree/object_value.h"
#include "../tree/value_node.h"
#include "../value/convert.h"
#include "../value/predicates.h"
#include "../value/text_access.h"
#include "json_depth.h"
#include "json_quote.h"

namespace {

bool HasNamedMember(CObjectValue* object) {
  const int32_t count = object->MemberCount();
  for (int32_t i = 0; i < count; ++i) {
    CValue* member = object->Members()->At(i);
    if (member && !member->Name().empty()) return true;
  }
  return false;
}

// Records take braces; so do lists with a named member in JSON, where a
// list cannot hold names.
bool UsesBraces(CObjectValue* object, bool json) {
  return dynamic_cast<CRecordInstance*>(object) || (json && HasNamedMember(object));
}

// References to anything but a script object, COM objects included.
bool IsOtherObject(const Value& value) {
  const VarType type = value.Type();
  return type == varObject || type == varCountedObject || type == varDispatch || type == varUnknown;
}

// NaN, or the sign of an infinity; 0 for other values.
double NonFinite(const Value& value) {
  double x = 0;
  if (value.Type() == varDouble) x = value.AsDoubleRaw();
  if (value.Type() == varSingle) x = value.AsSingleRaw();
  if (std::isfinite(x)) return 0;
  return std::isnan(x) ? x : std::copysign(1.0, x);
}

// JSON has none of them. The language's own notation reads an overflowing
// literal as infinity, so infinities read back; NaN has no literal at all.
const char* NonFiniteText(double nonFinite, bool json) {
  if (json) return "null";
  if (std::isnan(nonFinite)) return "NaN";
  return nonFinite > 0 ? "1E+400" : "-1E+400";
}

}  // namespace

Text CJsonWriter::Write(CObjectValue* object) {
  out_.clear();
  written_.clear();
  WriteObject(object, 0);
  return std::move(out_);
}

void CJsonWriter::WriteObject(CObjectValue* object, int32_t level) {
  if (!written_.insert(object).second) return WriteText("\"(Object)\"");
  if (level >= kJsonDepthLimit) RaiseJsonTooDeep();
  CheckStackRoom();
  const bool braces = UsesBraces(object, options_.json);
  const bool bracketed = options_.format >= 0;
  if (bracketed) WriteText(braces ? "{" : "[");
  LineBreak(level);
  const int32_t count = object->MemberCount();
  for (int32_t i = 0; i < count; ++i) {
    if (LaidOut(level)) Indent(level + 1);
    WriteMember(object->Members()->At(i), i, level, braces);
    if (i + 1 < count && bracketed) WriteText(",");
    LineBreak(level);
  }
  if (LaidOut(level)) Indent(level);
  if (bracketed) WriteText(braces ? "}" : "]");
}

// A member may be a hole in the list: no name, null value. In JSON braces an
// unnamed member goes under its position, so that no key is repeated.
void CJsonWriter::WriteMember(CValue* member, int32_t position, int32_t level, bool braces) {
  Text name = member ? member->Name() : Text();
  if (name.empty() && braces && options_.json) name = TextFromAscii(std::to_string(position));
  if (options_.format >= 0 && (braces || !name.empty())) {
    out_ += QuoteName(name, options_);
    WriteText(LaidOut(level) ? ": " : ":");
  }
  WriteValue(member ? member->ValueRef() : DefaultValue(), level + 1);
}

void CJsonWriter::WriteValue(const Value& value, int32_t level) {
  if (CObjectValue* object = ScriptObjectOf(value)) return WriteObject(object, level);
  if (IsOtherObject(value)) return WriteText("\"(Object)\"");
  WriteScalar(value);
}

void CJsonWriter::WriteScalar(const Value& value) {
  const VarType type = value.Type();
  if (type == varEmpty || type == varNull) return WriteText("null");
  if (type == varBoolean) return WriteText(value.AsBoolRaw() ? "true" : "false");
  const Text text = ToText(value);
  if (options_.format < 0) {
    out_ += text;
  } else if (type == varDate) {
    if (!options_.json) WriteText("@");
    out_ += QT('"') + text + QT('"');
  } else if (IsStringType(type) || type == varByteArray) {
    out_ += QuoteText(text, options_);
  } else if (const double nonFinite = NonFinite(value)) {
    WriteText(NonFiniteText(nonFinite, options_.json));
  } else {
    if (options_.json && text[0] == '.') WriteText("0");
    out_ += text;
  }
}

void CJsonWriter::WriteText(const char* ascii) {
  for (; *ascii; ++ascii) out_ += Char(*ascii);
}

void CJsonWriter::LineBreak(int32_t level) {
  if (LaidOut(level)) WriteText("\r\n");
}

void CJsonWriter::Indent(int32_t spaces) { out_.append(size_t(spaces), Char(' ')); }
