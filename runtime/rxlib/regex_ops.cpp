#include "regex_ops.h"

#include <optional>
#include <string>
#include <vector>

#include "../regex/regex.h"
#include "../value/convert.h"
#include "engine_values.h"
#include "match_action.h"
#include "match_value.h"
#include "regex_value.h"

namespace {

// Every match's text, without an action.
std::vector<std::string> AllMatches(CRegex& engine) {
  std::vector<std::string> texts;
  while (engine.MatchNext()) texts.push_back(engine.Group(0));
  return texts;
}

void SetMatchValue(Value& result, CRegex* engine) {
  auto* match = new CMatchValue(engine);
  result.SetCountedObject(match);
  match->Release();
}

}  // namespace

// The regex value is read before any action runs: an action may release it.
void RegexMatch(CContext& context, const CRegexValue& regex, TextView subject, CValue* action, Value& result) {
  const bool global = regex.IsGlobal();
  CRegex* engine = regex.NewEngine(subject);
  CBaseRef keepEngine(engine);
  engine->Release();
  if (CNode* callable = CallableOf(action)) {
    CMatchAction bound(context, *engine, callable);
    return SetEngineText(result, global ? engine->MatchAll() : engine->MatchText());
  }
  if (global) return SetEngineTextList(result, AllMatches(*engine));
  engine->MatchNext();
  SetMatchValue(result, engine);
}

void RegexReplace(CContext& context, const CRegexValue& regex, TextView subject, CValue* replacement,
                  Value& result) {
  const bool global = regex.IsGlobal();
  CRegex* engine = regex.NewEngine(subject);
  CBaseRef keepEngine(engine);
  engine->Release();
  std::optional<CMatchAction> bound;
  if (CNode* callable = CallableOf(replacement)) bound.emplace(context, *engine, callable);
  else if (replacement) engine->SetTemplateText(ToText(replacement->ValueRef()));
  if (global) engine->ReplaceAll();
  else if (engine->MatchNext()) engine->Replace();
  SetEngineBytes(result, engine->Subject());
}
