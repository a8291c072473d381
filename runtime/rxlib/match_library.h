// Match values, the actions of a match or replace, and the library of match
// methods.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "runtime/base/ref.h"
#include "runtime/lib/library_chain.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/value.h"

namespace runtime {

// Match values: the walk through the matches of one search. A match value
// keeps its engine, so one that a script stores, or that an action keeps,
// goes on working after the operation that made it has ended.
class CRegex;

class CMatchValue : public CValue {
public:
  // Takes a reference to the engine.
  explicit CMatchValue(CRegex* engine);
  ~CMatchValue() override;

  // Made at run time only, so never in compiled images.
  ClassId Id() const override { return ClassId::kNone; }
  // True while the engine holds a match.
  bool TruthValue() const override;

  CRegex& Engine() const { return *engine_; }

private:
  Ref<CRegex> engine_;
};

// The match value a value refers to, or null.
CMatchValue* MatchValueOf(const Value& value);
CMatchValue* MatchValueOf(CNode* node);

// An action of a match or replace: a script callable that gives the text for
// each match, called with a match value over the operation's engine.
class CContext;
class CMatchValue;
class CNode;
class CRegex;
class CValue;

// What an action argument can call: a script function or a deferred call.
// Null for any other value and for no argument.
CNode* CallableOf(CValue* action);

// Sets the engine's callback for the time of one operation. The callback
// goes with the action, so a match value the script kept never calls back.
class CMatchAction {
public:
  CMatchAction(CContext& context, CRegex& engine, CNode* callable);
  ~CMatchAction();
  CMatchAction(const CMatchAction&) = delete;
  CMatchAction& operator=(const CMatchAction&) = delete;

private:
  CRegex& engine_;
  Ref<CNode> keepCallable_;  // the action may drop the script's reference
  Ref<CMatchValue> match_;   // the callback must not own the engine
};

// The handlers of the match library. The receiver's value refers to a match
// value (the library accepts nothing else); texts are those of the build.

// The next match; true when there was one.
void DoNextMatch(CContext& context, CNode* receiver, CValueList* args, Value& result);
// The text between the previous match (or the start) and this one; after a
// failed search, from there to the end.
void DoMissed(CContext& context, CNode* receiver, CValueList* args, Value& result);
// The whole match, or arg 0 expanded as a template for it.
void DoValue(CContext& context, CNode* receiver, CValueList* args, Value& result);
// The text after the match.
void DoRest(CContext& context, CNode* receiver, CValueList* args, Value& result);
// The engine's result count.
void DoGroupCount(CContext& context, CNode* receiver, CValueList* args, Value& result);
// Arg 0: an integer-like value selects a group by number, anything else by
// name; "" for a group that is not there.
void DoGroups(CContext& context, CNode* receiver, CValueList* args, Value& result);

// Methods of match values: "match" searches on; "missed", "value", "rest",
// "gcount" and "groups" read the current match; "@@" is "value" and "@" is
// "groups".
class CMatchLibrary : public CLibrary {
public:
  CMatchLibrary();

  // A receiver whose value refers to a match value.
  bool Accepts(CNode* receiver) override;
};

// Script values made from the engine's bytes (UTF-8 in qelu, the text's own
// bytes in qel).

// A text of the build.
void SetEngineText(Value& value, std::string_view bytes);
// The bytes as they are, in an 8-bit text that knows their code page; it
// converts wherever a text of the build is needed.
void SetEngineBytes(Value& value, std::string_view bytes);
// A new script object (counted reference) holding one text per range of
// the bytes.
struct EngineRange {
  std::size_t offset;
  std::size_t length;
};
void SetEngineTextList(Value& value, std::string_view bytes, const std::vector<EngineRange>& ranges);

}  // namespace runtime
