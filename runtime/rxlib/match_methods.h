// The handlers of the match library. The receiver's value refers to a match
// value (the library accepts nothing else); texts are those of the build.
#pragma once
#include "../lib/library_chain.h"

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
