// Tree tests with the runtime's libraries in the chain: the built-ins lead
// texts to the regex library, which hands out match values.
#pragma once
#include "../runtime/tree_fixture.h"
#include "platform/codepage.h"
#include "rxlib/regex_value.h"
#include "startup/runtime_init.h"
#include "tree/value_ops.h"

// Registered before the fixture's runner builds its chain.
struct RegexLibraries {
  RegexLibraries() { InitRuntimeLibraries(); }
};

// Texts written in UTF-8, as the build holds them.
#ifdef QEL_ANSI
inline Text FromUtf8(std::string_view utf8) { return Text(utf8); }
#else
inline Text FromUtf8(std::string_view utf8) {
  std::u16string text;
  platform::DecodeCodePage(platform::kCodePageUtf8, utf8, text);
  return text;
}
#endif

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
    text.SetText(FromUtf8(utf8));
    return new CValue(Scope(), text);
  }
  CValue* Concat(CValue* left, CValue* right) { return Op(u'&', left, right); }
  // "<" & m.value() & ">" as a function of m.
  void TagFunction(const char* name) {
    Func(name, {"m"}, [&] { Return(Concat(Concat(Const("<"), Method("m", "value")), Const(">"))); });
  }
  const Value& VariableValue(const char* name) { return Module()->FindOwn(T(name))->ValueRef(); }
};
