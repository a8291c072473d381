// Regular-expression values, their operations and library, and the built-ins on
// texts that lead to them.
#pragma once
#include <array>
#include "runtime/lib/library_chain.h"
#include <cstdint>

#include "runtime/text.h"
#include "runtime/tree/value_node.h"

namespace runtime {

// Regular-expression values: a pattern and its flag letters, written as a
// literal or made by "toRegex". The value refers to itself so that it
// travels as an object; it does not change once it is set up.
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

  // An engine (one reference) set to walk the subject, as a new one would
  // be: one the value gave before when nothing else holds it any more (no
  // match value, action or operation), else a new one. Engines share the
  // pattern's compiled code.
  CRegex* NewEngine(TextView subject) const;
  // Called with the engine NewEngine gave, still holding that reference,
  // when the operation has ended.
  void EndUse(CRegex& engine) const;

private:
  // The pattern's engine without a subject, made by the first NewEngine.
  mutable CRegex* prototype_ = nullptr;
  // The engines NewEngine gave last, kept for the next operations: two, as
  // the result of one use (a match value) often lives until the next one's
  // is made.
  static constexpr size_t kKeptEngines = 2;
  mutable std::array<CRegex*, kKeptEngines> engines_{};
  mutable size_t nextEngine_ = 0;
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

// The flag letters of a regular-expression value: "i" caseless, "m"
// multiline, "s" dot matches all, "x" extended, "u" UTF-8 mode, and "g" for
// global matching and replacing. Other letters are ignored.
uint8_t OptionByteOfFlags(TextView flags);
bool IsGlobalFlags(TextView flags);

// The operations of a regular-expression value on a subject. Each runs on a
// fresh engine; what an action or a match value needs of it, they keep.
class CContext;
class CRegexValue;
class CValue;
class Value;

// With a callable action: the action's text for the first match ("" when
// there is none), or for every match joined with "g". Without one: with
// "g" a new list of every match's text, else a match value after one search.
void RegexMatch(CContext& context, const CRegexValue& regex, TextView subject, CValue* action, Value& result);
// The subject with the first match, or every match with "g", replaced by the
// action's text or by the replacement's text as a template; an 8-bit text
// of the engine's bytes.
void RegexReplace(CContext& context, const CRegexValue& regex, TextView subject, CValue* replacement,
                  Value& result);

// Methods of regular-expression values: "match" and "replace".
class CRegexLibrary : public CLibrary {
public:
  CRegexLibrary();

  // A receiver whose value refers to a regular-expression value.
  bool Accepts(CNode* receiver) override;
};

// The built-ins on texts that lead to regular expressions: "match",
// "replace" and "toRegex". The built-in library adds them to its table; with
// a regular-expression argument they run that value's operation.

// Arg 0 a regex value (with "action", arg 1) or a text: the regex's match on
// the receiver, or whether the receiver contains the text (case-sensitive).
void DoTextMatch(CContext& context, CNode* receiver, CValueList* args, Value& result);
// Arg 0 a regex value or a text, arg 1 the replacement: the regex's replace,
// or every occurrence of the text replaced, ignoring case.
void DoTextReplace(CContext& context, CNode* receiver, CValueList* args, Value& result);
// A new regular-expression value of the receiver's pattern, with arg 0 as
// its flags.
void DoToRegex(CContext& context, CNode* receiver, CValueList* args, Value& result);

}  // namespace runtime
