// Calls of the built-in library as the chain makes them, on nodes made for
// the call: a constant receiver unless the test hands in its own node.
#pragma once
#include <string>
#include <vector>

#include "support/value_makers.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

// An argument: a value, a named value, or a node of the test's own (a
// variable passed by reference).
struct BuiltinArg {
  BuiltinArg(Value v) : value(std::move(v)) {}
  BuiltinArg(const char* n, Value v) : name(n), value(std::move(v)) {}
  BuiltinArg(CValue* n) : node(n) {}
  const char* name = "";
  Value value;
  CValue* node = nullptr;
};

using BuiltinArgs = std::vector<BuiltinArg>;

Value CallBuiltinOn(CValue* receiver, const char* name, const BuiltinArgs& args = {});
Value CallBuiltin(const char* name, const Value& receiver, const BuiltinArgs& args = {});
// The message of the error the call raises, or "no error".
std::string BuiltinError(const char* name, const Value& receiver, const BuiltinArgs& args = {});
std::string BuiltinErrorOn(CValue* receiver, const char* name, const BuiltinArgs& args = {});

// A variable node outside any tree, holding a value; the caller releases it.
CValue* NewVariable(const Value& value);
