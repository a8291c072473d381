// The operations of a regular-expression value on a subject. Each runs on a
// fresh engine; what an action or a match value needs of it, they keep.
#pragma once
#include "../text.h"

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
