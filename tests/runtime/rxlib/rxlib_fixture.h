// Tree tests with the runtime's libraries in the chain: the built-ins lead
// texts to the regex library, which hands out match values.
#pragma once
#include "runtime/startup/runtime_init.h"
#include "platform/codepage.h"
#include "runtime/rxlib/regex_library.h"
#include "support/tree_fixture.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

// Registered before the fixture's runner builds its chain.
struct RegexLibraries {
  RegexLibraries() { InitRuntimeLibraries(); }
};

class RegexTest : protected RegexLibraries, public TreeTest {
protected:
  CValue* Regex(const char* literal) { return NewRegexLiteral(Scope(), T(literal)); }
  CCall* Method(CValue* object, const char* name, std::initializer_list<CValue*> args = {}) {
    return Call(Member(object, name), args);
  }
  CCall* Method(const char* variable, const char* name, std::initializer_list<CValue*> args = {}) {
    return Method(Name(variable), name, args);
  }
  CValue* Utf8(const char* utf8) {
    Value text;
    text.SetText(Widen(utf8));
    return new CValue(Scope(), text);
  }
  CValue* Concat(CValue* left, CValue* right) { return Op(u'&', left, right); }
  // "<" & m.value() & ">" as a function of m.
  void TagFunction(const char* name) {
    Func(name, {"m"}, [&] { Return(Concat(Concat(Const("<"), Method("m", "value")), Const(">"))); });
  }
  const Value& VariableValue(const char* name) { return Module()->FindOwn(T(name))->ValueRef(); }
};
