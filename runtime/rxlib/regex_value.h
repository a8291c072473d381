// Regular-expression values: a pattern and its flag letters, written as a
// literal or made by "toRegex". The value refers to itself so that it
// travels as an object; it does not change once it is set up.
#pragma once
#include <cstdint>

#include "../tree/value_node.h"

class CRegex;

class CRegexValue : public CValue {
public:
  explicit CRegexValue(CNode* owner);
  ~CRegexValue() override;

  ClassId Id() const override { return ClassId::kRegexValue; }

  // A literal as the scanner gives it: an optional "$", a delimiter, the
  // pattern up to the next delimiter (there is no escape for it), then the
  // flags. Without a closing delimiter the rest is both pattern and flags.
  void FromLiteral(TextView literal);
  void Init(TextView pattern, TextView flags);

  const Text& Pattern() const { return pattern_; }
  const Text& Flags() const { return flags_; }
  uint8_t OptionByte() const { return optionByte_; }
  bool IsGlobal() const { return global_; }

  // A fresh engine (one reference) set to walk the subject. Engines share
  // the pattern's compiled code.
  CRegex* NewEngine(TextView subject) const;

private:
  // The pattern's engine without a subject, made by the first NewEngine.
  mutable CRegex* prototype_ = nullptr;
  Text pattern_;
  Text flags_;
  uint8_t optionByte_ = 0;
  bool global_ = false;
};

// The regular-expression value a value refers to, or null.
CRegexValue* RegexValueOf(const Value& value);
CRegexValue* RegexValueOf(CNode* node);

// The tree builder's maker for regex literals (compile/regex_literal.h).
CValue* NewRegexLiteral(CNode* owner, TextView literal);
