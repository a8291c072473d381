// The JSON writer and the quoting of names and texts.
#pragma once
#include <cstdint>
#include <unordered_set>

#include "runtime/text.h"
#include "runtime/value/value.h"

namespace runtime {

// How "@toJson" writes an object.
struct TJsonOptions {
  // Nesting levels laid out one member per line; 0 writes one line, and a
  // negative format writes only the values, run together.
  int32_t format = 0;
  // Strict JSON instead of the language's own literal notation.
  bool json = false;
  // qel only: a byte above 128 leads a two-byte character whose second byte
  // is copied unescaped.
  bool gbk = false;
};

// Objects to text: the language's own literal notation or strict JSON
// ("@toJson").
class CObjectValue;
class CValue;

class CJsonWriter {
public:
  explicit CJsonWriter(const TJsonOptions& options) : options_(options) {}

  // An object reached a second time, through a cycle or a shared reference,
  // is written as "(Object)". Nesting beyond the depth limit raises.
  Text Write(CObjectValue* object);

private:
  void WriteObject(CObjectValue* object, int32_t level);
  void WriteMember(CValue* member, int32_t position, int32_t level, bool braces);
  void WriteValue(const Value& value, int32_t level);
  void WriteScalar(const Value& value);
  void WriteInt32(int32_t number);
  void WriteText(const char* ascii);
  bool LaidOut(int32_t level) const { return level < options_.format; }
  void LineBreak(int32_t level);
  void Indent(int32_t spaces);

  TJsonOptions options_;
  Text out_;
  std::unordered_set<const CObjectValue*> written_;
};

// Names and texts in the written forms of objects.

// A name that needs no quotes ($ 0..9 @..Z _ a..z, not starting with a digit)
// stays bare unless writing JSON; others are quoted as texts are.
Text QuoteName(TextView name, const TJsonOptions& options);
// JSON: escaped, in double quotes. Otherwise in double quotes when it holds
// none, else in single quotes when it holds none of those, else in back
// quotes with each back quote doubled.
Text QuoteText(TextView text, const TJsonOptions& options);
// \b \t \n \f \r \" and \\; other control characters become "."; everything
// else is copied (no \u escapes).
Text EscapeJsonText(TextView text, bool gbk);

}  // namespace runtime
