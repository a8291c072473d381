// Objects to text: the language's own literal notation or strict JSON
// ("@toJson").
#pragma once
#include <unordered_set>

#include "../text.h"
#include "../value/value.h"
#include "json_options.h"

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
  void WriteText(const char* ascii);
  bool LaidOut(int32_t level) const { return level < options_.format; }
  void LineBreak(int32_t level);
  void Indent(int32_t spaces);

  TJsonOptions options_;
  Text out_;
  std::unordered_set<const CObjectValue*> written_;
};
