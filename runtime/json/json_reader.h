// The JSON reader: strict JSON and the runtime's own literal notation (bare
// names, ' and ` quotes, "=" for ":", ";" for ",", @"..." dates, nil), read in
// one forgiving pass. It never reports a syntax error: what it cannot place
// it skips.
#pragma once
#include "../text.h"
#include "../value/value.h"

class CObjectInstance;

// The first container of the text ("[" a list, "{" a record) with one
// reference for the caller, or null when the text makes none. With json a
// string ends only at a quote not escaped by a backslash and is unescaped;
// without, a doubled quote inside a string stands for one, as in the
// language's own strings. Bad numbers and dates, and nesting beyond the
// depth limit, raise.
CObjectInstance* ReadJsonText(TextView text, bool json);
// "GetJson": a counted reference to what the text gives, or to a new empty list.
void GetJson(TextView text, bool json, Value& result);
