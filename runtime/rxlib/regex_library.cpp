#include "runtime/rxlib/regex_library.h"

#include <optional>
#include <string>
#include <vector>

#include "runtime/regex/regex.h"
#include "runtime/regex/regex_options.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/rxlib/match_library.h"
#include "runtime/base/ref.h"

namespace runtime {

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

CRegexValue::~CRegexValue() {
  for (CRegex* engine : engines_) ReleaseObject(engine);
  ReleaseObject(prototype_);
}

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
  for (CRegex*& engine : engines_) {
    ReleaseObject(engine);
    engine = nullptr;
  }
  ReleaseObject(prototype_);
  prototype_ = nullptr;
}

CRegex* CRegexValue::NewEngine(TextView subject) const {
  if (!prototype_) prototype_ = NewPrototype(optionByte_, pattern_);
  CRegex* engine = nullptr;
  for (CRegex* kept : engines_)
    if (kept && kept->RefCount() == 1) engine = kept;
  if (!engine) {
    CRegex*& slot = engines_[nextEngine_];
    nextEngine_ = (nextEngine_ + 1) % kKeptEngines;
    ReleaseObject(slot);
    slot = engine = new CRegex();
  }
  engine->StartOver(*prototype_);
  engine->SetSubjectText(subject);
  engine->AddRef();
  return engine;
}

// Past the operation, an engine only this value holds keeps its buffers for
// the next one, but not a large subject.
void CRegexValue::EndUse(CRegex& engine) const {
  for (CRegex* kept : engines_)
    if (kept == &engine && engine.RefCount() == 2) engine.DropLargeSubject();
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

namespace {

uint8_t OptionOfLetter(Char letter) {
  switch (letter) {
    case 'i': return regex_option::kCaseless;
    case 'm': return regex_option::kMultiline;
    case 's': return regex_option::kDotAll;
    case 'x': return regex_option::kExtended;
    case 'u': return regex_option::kUtf8;
    default: return 0;
  }
}

}  // namespace

uint8_t OptionByteOfFlags(TextView flags) {
  uint8_t options = 0;
  for (Char letter : flags) options |= OptionOfLetter(letter);
  return options;
}

bool IsGlobalFlags(TextView flags) { return flags.find('g') != TextView::npos; }

namespace {

// Where every match lies in the subject, without an action (which could
// change the subject).
std::vector<EngineRange> AllMatches(CRegex& engine) {
  std::vector<EngineRange> ranges;
  while (engine.MatchNext())
    ranges.push_back({static_cast<std::size_t>(engine.MatchPos() - 1), static_cast<std::size_t>(engine.MatchLength())});
  return ranges;
}

void SetMatchValue(Value& result, CRegex* engine) {
  result.SetCountedObject(MakeRef<CMatchValue>(engine).Get());
}

// One operation's engine. The regex value is held while it runs, since an
// action may drop the script's last reference to it, and is given the engine
// back at the end.
class EngineUse {
public:
  EngineUse(const CRegexValue& regex, TextView subject)
      : regex_(Retain(const_cast<CRegexValue*>(&regex))), engine_(Adopt(regex.NewEngine(subject))) {}
  ~EngineUse() { regex_->EndUse(*engine_); }
  EngineUse(const EngineUse&) = delete;
  EngineUse& operator=(const EngineUse&) = delete;

  CRegex* operator->() const { return engine_.Get(); }
  CRegex& operator*() const { return *engine_; }
  CRegex* Get() const { return engine_.Get(); }

private:
  const Ref<CRegexValue> regex_;
  const Ref<CRegex> engine_;
};

}  // namespace

void RegexMatch(CContext& context, const CRegexValue& regex, TextView subject, CValue* action, Value& result) {
  const bool global = regex.IsGlobal();
  const EngineUse engine(regex, subject);
  if (CNode* callable = CallableOf(action)) {
    CMatchAction bound(context, *engine, callable);
    return SetEngineText(result, global ? engine->MatchAll() : engine->MatchText());
  }
  if (global) {
    const std::vector<EngineRange> ranges = AllMatches(*engine);
    return SetEngineTextList(result, engine->Subject(), ranges);
  }
  engine->MatchNext();
  SetMatchValue(result, engine.Get());
}

void RegexReplace(CContext& context, const CRegexValue& regex, TextView subject, CValue* replacement,
                  Value& result) {
  const bool global = regex.IsGlobal();
  const EngineUse engine(regex, subject);
  std::optional<CMatchAction> bound;
  if (CNode* callable = CallableOf(replacement)) bound.emplace(context, *engine, callable);
  else if (replacement) engine->SetTemplateText(ToText(replacement->ValueRef()));
  if (global) engine->ReplaceAll();
  else if (engine->MatchNext()) engine->Replace();
  SetEngineBytes(result, engine->Subject());
}

namespace {

Text Subject(CValueList* args) { return CValueList::GetText(args, QT(""), QT(""), 0); }

// Arg 0 the subject, "action" (arg 1) a callable.
void DoMatch(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  RegexMatch(context, *RegexValueOf(receiver), Subject(args), CValueList::GetArg(args, QT("action"), 1), result);
}

// Arg 0 the subject, arg 1 a template or a callable.
void DoReplace(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  RegexReplace(context, *RegexValueOf(receiver), Subject(args), CValueList::GetArg(args, QT(""), 1), result);
}

}  // namespace

CRegexLibrary::CRegexLibrary() {
  AddHandler(QT("match"), &DoMatch);
  AddHandler(QT("replace"), &DoReplace);
}

bool CRegexLibrary::Accepts(CNode* receiver) { return RegexValueOf(receiver) != nullptr; }

namespace {

// The receiver's text without a copy when it is a text of the build's kind.
TextView ReceiverView(CNode* receiver, Text& buffer) {
  CValue* value = receiver ? receiver->AsValue() : nullptr;
  return value ? BuildTextView(value->ValueRef(), buffer) : TextView();
}

CValue* Pattern(CValueList* args) { return CValueList::GetArg(args, QT(""), 0); }

}  // namespace

void DoTextMatch(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  CValue* pattern = Pattern(args);
  if (!pattern) return;
  Text buffer;
  const TextView subject = ReceiverView(receiver, buffer);
  if (CRegexValue* regex = RegexValueOf(pattern))
    return RegexMatch(context, *regex, subject, CValueList::GetArg(args, QT("action"), 1), result);
  result.SetBool(subject.find(ToText(pattern->ValueRef())) != TextView::npos);
}

void DoTextReplace(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  CValue* pattern = Pattern(args);
  if (!pattern) return;
  CValue* replacement = CValueList::GetArg(args, QT(""), 1);
  Text buffer;
  if (CRegexValue* regex = RegexValueOf(pattern))
    return RegexReplace(context, *regex, ReceiverView(receiver, buffer), replacement, result);
  const Text with = replacement ? ToText(replacement->ValueRef()) : Text();
  result.SetText(ReplaceText(ReceiverView(receiver, buffer), ToText(pattern->ValueRef()), with,
                             kReplaceAll | kReplaceIgnoreCase));
}

void DoToRegex(CContext&, CNode* receiver, CValueList* args, Value& result) {
  Text buffer;
  const TextView pattern = ReceiverView(receiver, buffer);
  const Text flags = CValueList::GetText(args, QT(""), QT(""), 0);
  const Ref<CRegexValue> regex = MakeRef<CRegexValue>(nullptr);
  regex->Init(pattern, flags);
  result.SetCountedObject(regex);
}

}  // namespace runtime
