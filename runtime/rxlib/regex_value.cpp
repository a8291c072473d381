#include "regex_value.h"

#include "../regex/regex.h"
#include "regex_flags.h"

namespace {

// An engine without a subject, compiled when the pattern is good.
CRegex* NewPrototype(uint8_t optionByte, const Text& pattern) {
  auto* prototype = new CRegex();
  prototype->SetOptions(optionByte);
  prototype->SetPatternText(pattern);
  prototype->Precompile();
  return prototype;
}

}  // namespace

CRegexValue::CRegexValue(CNode* owner) : CValue(owner) { value_.SetObject(this); }

CRegexValue::~CRegexValue() { ReleaseObject(prototype_); }

void CRegexValue::FromLiteral(TextView literal) {
  if (!literal.empty() && literal.front() == '$') literal.remove_prefix(1);
  if (literal.empty()) return Init({}, {});
  const TextView rest = literal.substr(1);
  const size_t close = rest.find(literal.front());
  if (close == TextView::npos) return Init(rest, rest);
  Init(rest.substr(0, close), rest.substr(close + 1));
}

void CRegexValue::Init(TextView pattern, TextView flags) {
  pattern_ = pattern;
  flags_ = flags;
  optionByte_ = OptionByteOfFlags(flags);
  global_ = IsGlobalFlags(flags);
  ReleaseObject(prototype_);
  prototype_ = nullptr;
}

CRegex* CRegexValue::NewEngine(TextView subject) const {
  if (!prototype_) prototype_ = NewPrototype(optionByte_, pattern_);
  auto* engine = new CRegex();
  engine->SharePattern(*prototype_);
  try {
    engine->SetSubjectText(subject);
  } catch (...) {
    engine->Release();
    throw;
  }
  return engine;
}

CRegexValue* RegexValueOf(const Value& value) { return dynamic_cast<CRegexValue*>(NodeOf(value)); }

CRegexValue* RegexValueOf(CNode* node) {
  CValue* value = node ? node->AsValue() : nullptr;
  return value ? RegexValueOf(value->ValueRef()) : nullptr;
}

CValue* NewRegexLiteral(CNode* owner, TextView literal) {
  auto* regex = new CRegexValue(owner);
  regex->FromLiteral(literal);
  return regex;
}
