#include "runtime/json/json_writer.h"

#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include "runtime/stack_guard.h"
#include "runtime/text_limit.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/value/text_access.h"
#include "runtime/json/json_syntax.h"

namespace runtime {

namespace {

void AppendQuotedText(Text& out, TextView text, const TJsonOptions& options);
void AppendQuotedName(Text& out, TextView name, const TJsonOptions& options);
void AppendEnclosed(Text& out, Char quote, TextView text);

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
    CheckTextLength(out_.size());
    if (i + 1 < count && bracketed) WriteText(",");
    LineBreak(level);
  }
  if (LaidOut(level)) Indent(level);
  if (bracketed) WriteText(braces ? "}" : "]");
}

// A member may be a hole in the list: no name, null value. In JSON braces an
// unnamed member goes under its position, so that no key is repeated.
void CJsonWriter::WriteMember(CValue* member, int32_t position, int32_t level, bool braces) {
  Text positionName;
  TextView name = member ? TextView(member->Name()) : TextView();
  if (name.empty() && braces && options_.json) name = positionName = TextFromAscii(std::to_string(position));
  if (options_.format >= 0 && (braces || !name.empty())) {
    AppendQuotedName(out_, name, options_);
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
  // The commonest number: its decimal digits in every layout.
  if (type == varInteger) return WriteInt32(value.AsInt32Raw());
  Text buffer;
  const TextView text = IsStringType(type) ? BuildTextView(value, buffer) : TextView(buffer = ToText(value));
  if (options_.format < 0) {
    out_.append(text);
  } else if (type == varDate) {
    if (!options_.json) WriteText("@");
    AppendEnclosed(out_, '"', text);
  } else if (IsStringType(type) || type == varByteArray) {
    AppendQuotedText(out_, text, options_);
  } else if (const double nonFinite = NonFinite(value)) {
    WriteText(NonFiniteText(nonFinite, options_.json));
  } else {
    if (options_.json && text[0] == '.') WriteText("0");
    out_.append(text);
  }
}

void CJsonWriter::WriteInt32(int32_t number) {
  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, number);
  for (const char* c = digits; c != written.ptr; ++c) out_ += Char(*c);
}

void CJsonWriter::WriteText(const char* ascii) {
  for (; *ascii; ++ascii) out_ += Char(*ascii);
}

void CJsonWriter::LineBreak(int32_t level) {
  if (LaidOut(level)) WriteText("\r\n");
}

void CJsonWriter::Indent(int32_t spaces) { out_.append(size_t(spaces), Char(' ')); }

namespace {

bool IsBareName(TextView name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (Char c : name)
    if (!IsJsonWordChar(CodeUnit(c))) return false;
  return true;
}

void AppendEnclosed(Text& out, Char quote, TextView text) {
  out += quote;
  out.append(text);
  out += quote;
}

void AppendBackQuoted(Text& out, TextView text) {
  out += Char('`');
  for (Char c : text) {
    out += c;
    if (c == '`') out += c;
  }
  out += Char('`');
}

const char* ControlEscape(unsigned c) {
  switch (c) {
    case 8: return "\\b";
    case 9: return "\\t";
    case 10: return "\\n";
    case 12: return "\\f";
    case 13: return "\\r";
    default: return ".";
  }
}

// The second byte of a two-byte character in qel's GBK texts; only bytes
// that can be one (from 0x40) are taken as such.
bool IsGbkPair([[maybe_unused]] TextView text, [[maybe_unused]] size_t i, [[maybe_unused]] bool gbk) {
#ifdef QEL_ANSI
  return gbk && CodeUnit(text[i]) > 128 && i + 1 < text.size() && CodeUnit(text[i + 1]) >= 0x40;
#else
  return false;
#endif
}

// Whether the code unit may be copied as it stands, in a run with its
// neighbours.
bool IsPlainInJson(unsigned c, [[maybe_unused]] bool gbk) {
#ifdef QEL_ANSI
  if (gbk && c > 128) return false;
#endif
  return c >= 32 && c != '"' && c != '\\';
}

void AppendEscapedJson(Text& out, TextView text, bool gbk) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t runStart = i;
    while (i < text.size() && IsPlainInJson(CodeUnit(text[i]), gbk)) ++i;
    out.append(text.substr(runStart, i - runStart));
    if (i == text.size()) break;
    const unsigned c = CodeUnit(text[i]);
    if (c < 32) {
      for (const char* e = ControlEscape(c); *e; ++e) out += Char(*e);
    } else if (c == '"' || c == '\\') {
      out += Char('\\');
      out += text[i];
    } else if (IsGbkPair(text, i, gbk)) {
      out.append(text.substr(i++, 2));
    } else {
      out += text[i];
    }
    ++i;
  }
}

void AppendQuotedText(Text& out, TextView text, const TJsonOptions& options) {
  if (options.json) {
    out += Char('"');
    AppendEscapedJson(out, text, options.gbk);
    out += Char('"');
  } else if (text.find('"') == TextView::npos) {
    AppendEnclosed(out, '"', text);
  } else if (text.find('\'') == TextView::npos) {
    AppendEnclosed(out, '\'', text);
  } else {
    AppendBackQuoted(out, text);
  }
}

void AppendQuotedName(Text& out, TextView name, const TJsonOptions& options) {
  if (!options.json && IsBareName(name))
    out.append(name);
  else
    AppendQuotedText(out, name, options);
}

}  // namespace

Text QuoteName(TextView name, const TJsonOptions& options) {
  Text out;
  AppendQuotedName(out, name, options);
  return out;
}

Text QuoteText(TextView text, const TJsonOptions& options) {
  Text out;
  AppendQuotedText(out, text, options);
  return out;
}

Text EscapeJsonText(TextView text, bool gbk) {
  Text out;
  out.reserve(text.size());
  AppendEscapedJson(out, text, gbk);
  return out;
}

}  // namespace runtime
