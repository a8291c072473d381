// The built-ins on texts that lead to regular expressions: "match",
// "replace" and "toRegex". The built-in library adds them to its table; with
// a regular-expression argument they run that value's operation.
#pragma once
#include "../lib/library_chain.h"

// Arg 0 a regex value (with "action", arg 1) or a text: the regex's match on
// the receiver, or whether the receiver contains the text (case-sensitive).
void DoTextMatch(CContext& context, CNode* receiver, CValueList* args, Value& result);
// Arg 0 a regex value or a text, arg 1 the replacement: the regex's replace,
// or every occurrence of the text replaced, ignoring case.
void DoTextReplace(CContext& context, CNode* receiver, CValueList* args, Value& result);
// A new regular-expression value of the receiver's pattern, with arg 0 as
// its flags.
void DoToRegex(CContext& context, CNode* receiver, CValueList* args, Value& result);
