#include "recording_actions.h"

#include <algorithm>
#include <string_view>

#include "runtime/parse/grammar_tables.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

bool RuleIsOneOf(int rule, std::initializer_list<std::string_view> routines) {
  const std::string_view routine = grammar::RuleRoutineName(rule);
  return std::find(routines.begin(), routines.end(), routine) != routines.end();
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!joined.empty()) joined += ' ';
    joined += part;
  }
  return joined;
}

Text Shape(const TRuleValues& values) {
  std::vector<std::string> parts;
  for (int i = 1; i <= values.Length(); ++i) parts.push_back(Narrow(values[i].text));
  std::string shape = "[";
  shape += Joined(parts);
  shape += ']';
  return Widen(shape);
}

}  // namespace

void RecordingActions::Parse(std::string_view utf8) { parser_.Parse(Widen(utf8)); }

std::string RecordingActions::Trace() const { return Joined(trace_); }

void RecordingActions::Reduce(int rule, const TRuleValues& values, TParseValue& result) {
  trace_.push_back(std::to_string(rule));
  if (values.Length() > 1) result.text = Shape(values);
  if (rule == grammar::kStatementRule) statements_.push_back(std::string(size_t(depth_), '>') + Narrow(values[1].text));
  if (RuleIsOneOf(rule, {"BuildBraceFunction", "BuildParamsBraceFunction", "BuildPlainBraceFunction"})) {
    ParseFunctionBody();
    result.text = Widen("{...}");
  }
  if (RuleIsOneOf(rule, {"BuildCloseBrace"}) && depth_ > 0) parser_.EndNested();
}

void RecordingActions::ParseFunctionBody() {
  trace_.push_back("{");
  ++depth_;
  const bool closed = parser_.ParseNested();
  --depth_;
  trace_.push_back(closed ? "}" : "eof");
}

void RecordingActions::AbandonStatement(std::span<TParseValue> abandoned) {
  std::vector<std::string> texts;
  for (const TParseValue& value : abandoned) texts.push_back(Narrow(value.text));
  abandoned_.push_back(Joined(texts));
}

void RecordingActions::ReportError(const Text& message, const TParseValue* at) {
  errors_.push_back(Narrow(message));
  errorPlaces_.push_back(at ? std::to_string(at->span.line) + "," + std::to_string(at->span.column) : "-");
}
