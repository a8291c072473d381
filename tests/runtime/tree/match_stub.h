// Stand-ins for the regex values and the built-in "match" on plain values,
// for the match operators and regex case branches: the receiver's text
// matches when it contains the argument's text (a regex value's pattern);
// the result is the 1-based position, 0 when the text is not found.
#pragma once
#include "runtime/lib/library_chain.h"
#include "support/recording_context.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"

using namespace runtime;

class CFakeRegex : public CValue {
public:
  CFakeRegex(CNode* owner, TextView pattern) : CValue(owner), pattern_(pattern) { value_.SetObject(this); }
  ClassId Id() const override { return ClassId::kRegexValue; }
  const Text& Pattern() const { return pattern_; }

private:
  Text pattern_;
};

struct MatchStub : CLibrary {
  MatchStub() { AddHandler(QT("match"), &Find); }

  bool Accepts(CNode* receiver) override {
    CValue* value = receiver->AsValue();
    return value && !value->ValueRef().AsObject();
  }

  static void Find(CContext&, CNode* receiver, CValueList* args, Value& result) {
    ++calls;
    unnamedArgs = CValueList::ArgCount(args) == 1 && args->At(0)->Name().empty();
    const Value& arg = args->At(0)->ValueRef();
    CNode* node = NodeOf(arg);
    Text pattern = node && node->Id() == ClassId::kRegexValue ? static_cast<CFakeRegex*>(node)->Pattern() : ToText(arg);
    size_t at = ToText(receiver->AsValue()->ValueRef()).find(pattern);
    result.SetInt(at == Text::npos ? 0 : int32_t(at + 1));
  }

  static inline int calls = 0;
  static inline bool unnamedArgs = false;
};

// A runner whose chain holds the stub, made while the stub is registered.
inline RecordingContext* NewMatchRunner() {
  MatchStub::calls = 0;
  RegisterLibrary(LibrarySlot::kBuiltin, []() -> CLibrary* { return new MatchStub(); });
  auto* runner = new RecordingContext();
  RegisterLibrary(LibrarySlot::kBuiltin, nullptr);
  return runner;
}
