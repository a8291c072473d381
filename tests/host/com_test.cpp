// COM under Wine with real objects: Scripting.Dictionary for calls, reads
// and puts, StdFont for events through a connection point, and the script
// control's VBScript engine calling an unconnected sink by name.
#include <windows.h>
#include <ole2.h>

#include <cstdint>
#include <string>

#include "host/com/ole_error.h"
#include "host_fixture.h"

using namespace runtime;

namespace {

class Com : public HostTest {};

const std::string kDictionary = "var d = \"Scripting.Dictionary\".NewObj();\n";

TEST_F(Com, DictionaryCallsReadsAndIndexedProperties) {
  EXPECT_EQ(Run(kDictionary +
                "d.Add(\"a\", 1);\n"
                "d.Add(\"b\", \"two\");\n"
                "?. d.Count & \" \" & d.Exists(\"a\") & \" \" & d.Exists(\"z\");\n"
                "?. d.@Item(\"b\");\n"
                "d.@@Item(\"a\", 10);\n"
                "?. d.@Item(\"a\") + 1;\n"
                "var keys = d.Keys();\n"
                "?. keys.@count() & \":\";\n"
                "for k in keys loop ?. k; end loop;\n"),
            "2 True False\r\ntwo\r\n11\r\n2:\r\na\r\nb\r\n");
}

TEST_F(Com, ForEachWalksACollectionsEnumerator) {
  EXPECT_EQ(Run(kDictionary + "d.Add(\"x\", 1); d.Add(\"y\", 2);\nfor k in d loop ?. k & \"=\" & d.@Item(k); end loop;\n"),
            "x=1\r\ny=2\r\n");
  EXPECT_EQ(Run("var f = \"StdFont\".NewObj();\nfor x in f loop end loop;"),
            "error: for each: the COM object has no enumerator (OLE error 80020003)");
}

TEST_F(Com, AClassIdInBracesNamesTheClass) {
  EXPECT_EQ(Run("var f = \"{0BE35203-8F91-11CE-9DE3-00AA004BB851}\".NewObj();\nf.Size = 9;\n?. f.Size;\n"), "9\r\n");
}

TEST_F(Com, PropertyReadsAndAssignments) {
  EXPECT_EQ(Run(kDictionary + "?. d.CompareMode;\nd.CompareMode = 1;\n?. d.CompareMode;\n"), "0\r\n1\r\n");
}

std::string ManyArguments(int count) {
  std::string list = "0";
  for (int i = 1; i < count; ++i) list += ", 0";
  return list;
}

TEST_F(Com, ServerAndBridgeErrors) {
  struct Case {
    std::string source;
    std::string error;
  };
  const Case cases[] = {
      // Wine returns the status without a description; Windows adds its text.
      {kDictionary + "d.Add(\"a\", 1); d.Add(\"a\", 2);", "OLE error 800a01c9"},
      {kDictionary + "d.Nope();", "Method 'Nope' not supported by automation object"},
      // Wine's Item answers only as a property.
      {kDictionary + "d.Item(\"a\");", "OLE error 80020003"},
      {kDictionary + "d.@@Item();", "@@Item needs the value to put as its last argument"},
      {kDictionary + "d.Add(\"f\", x -> x);",
       "Only script objects can be passed to a COM object, not functions or other references"},
      // Windows: "Invalid class string".
      {"\"No.Such.Class\".NewObj();", "OLE error 800401f3"},
      {"0.NewObj();", "NewObj: 0 is not an interface pointer"},
      {"\"\".NewObj();", "OLE error 800401f3"},
      {"\"{0BE35203-8F91-11CE\".NewObj();", "OLE error 800401f3"},
      // "get": no such object is running (Windows: "Operation unavailable").
      {"\"Scripting.Dictionary\".NewObj(true);", "OLE error 800401e3"},
      {kDictionary + "d.Add(" + ManyArguments(65) + ");", "Dispatch methods do not support more than 64 parameters"},
      {"(x -> x).@toEvent(1, 2, 3, 4);", "Invalid variant type conversion"},
  };
  for (const Case& c : cases) EXPECT_EQ(Run(c.source), "error: " + c.error) << c.source;
}

TEST_F(Com, NamesReachTheServerWhole) {
  const std::string longName(300, 'n');
  EXPECT_EQ(Run(kDictionary + "d." + longName + "();"),
            "error: Method '" + longName + "' not supported by automation object");
#ifndef QEL_ANSI
  EXPECT_EQ(Run(kDictionary + "d.\u03A9mega();"), "error: Method '\u03A9mega' not supported by automation object");
#endif
}

TEST_F(Com, ScriptValuesCrossAsOleValues) {
  EXPECT_EQ(Run(kDictionary +
                "d.Add(\"list\", [1, \"two\", [3, 4]]);\n"
                "d.Add(\"text\", \"abc\" & \"def\");\n"
                "var back = d.@Item(\"list\");\n"
                "?. back.@count() & \" \" & back[1] & \" \" & back[2][1];\n"
                "?. d.@Item(\"text\");\n"
                "var e = \"Scripting.Dictionary\".NewObj();\n"
                "e.Add(1, 2);\n"
                "d.Add(\"e\", e);\n"
                "?. d.@Item(\"e\").Count;\n"),
            "3 two 4\r\nabcdef\r\n1\r\n");
}

const std::string kFontEvents =
    "var changes = 0; var last = \"\";\n"
    "qel changed(name) changes += 1; last = name; end qel;\n"
    "var f = \"StdFont\".NewObj();\n";

TEST_F(Com, FontChangedFiresForTheListedDispIds) {
  EXPECT_EQ(Run(kFontEvents +
                "var s = changed.@toEvent(Source: f, EventID: \"{4EF6100A-AF88-11D0-9846-00C04FC29993}\", "
                "DispIDs: \"9\");\n"
                "f.Size = 12; f.Bold = true;\n"
                "?. changes & \" \" & last;\n"),
            "2 Bold\r\n");
  EXPECT_EQ(Run(kFontEvents +
                "var s = changed.@toEvent(null, f, \"{4EF6100A-AF88-11D0-9846-00C04FC29993}\", \"1,5\");\n"
                "f.Size = 12;\n"
                "?. changes;\n"),
            "0\r\n");
}

TEST_F(Com, AnEventErrorEndsTheCallThatFiredIt) {
  EXPECT_EQ(Run("var f = \"StdFont\".NewObj();\n"
                "qel changed(name) raise \"no \" & name; end qel;\n"
                "var s = changed.@toEvent(Source: f, EventID: \"{4EF6100A-AF88-11D0-9846-00C04FC29993}\", "
                "DispIDs: \"9\");\n"
                "try f.Italic = true; except ?. \"caught \" & @; end try;\n"
                "f.Size = 20;\n"),
            "caught no Italic\r\nerror: no Size");
}

const std::string kScriptControl =
    "var sc = \"MSScriptControl.ScriptControl\".NewObj();\n"
    "sc.Language = \"VBScript\";\n";

TEST_F(Com, AScriptEngineCallsAnUnconnectedSinkByName) {
  EXPECT_EQ(Run(kScriptControl +
                "var kept = [];\n"
                "qel hello(a) kept.@add(a); ?. \"hello \" & a; return \"back \" & a; end qel;\n"
                "sc.AddObject(\"host\", hello.@toEvent());\n"
                "sc.ExecuteStatement(\"host.Greet \"\"you\"\"\");\n"
                "?. sc.Eval(\"host.Anything(1) & \"\"!\"\"\");\n"
                // A by-reference argument is read when the event comes; later changes do not reach it.
                "sc.ExecuteStatement(\"x = \"\"kept\"\": host.Keep x: x = \"\"changed\"\"\");\n"
                "?. kept[2];\n"),
            "hello you\r\nhello 1\r\nback 1!\r\nhello kept\r\nkept\r\n");
}

TEST_F(Com, AnErrorInASinkReachesTheEngineAndTheScript) {
  EXPECT_EQ(Run(kScriptControl +
                "qel bad(a) raise \"bad \" & a; end qel;\n"
                "sc.AddObject(\"host\", bad.@toEvent());\n"
                "try sc.ExecuteStatement(\"host.Go 3\"); except ?. \"caught \" & @; end try;\n"),
            "caught bad 3\r\n");
}

TEST_F(Com, SinkResultsCrossAsOleValues) {
  EXPECT_EQ(Run(kScriptControl +
                "sc.AddObject(\"host\", (() -> [1, 2, 3]).@toEvent());\n"
                "?. sc.Eval(\"UBound(host.List)\");\n"),
            "2\r\n");
  EXPECT_EQ(Run(kScriptControl +
                "sc.AddObject(\"host\", (() -> (x -> x)).@toEvent());\n"
                "sc.Eval(\"host.Fn\");\n"),
            "error: Only script objects can be passed to a COM object, not functions or other references");
}

// A server of the test's own for what Wine's objects cannot show: "Bump"
// adds one to a typed by-reference argument, "Fail" fails with an empty
// description, "Fire" invokes the object it gets and notes the answer.
class CTestServer : public IDispatch {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch)) return E_NOINTERFACE;
    *object = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
    const std::wstring name = names[0];
    ids[0] = name == L"Bump" ? 1 : name == L"Fail" ? 2 : 3;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                   EXCEPINFO* exception, UINT*) override {
    VARIANT& arg = params->rgvarg[0];
    if (id == 1) {
      seen = arg.vt;
      if (arg.vt == (VT_BYREF | VT_I4)) ++*arg.plVal;
      return S_OK;
    }
    if (id == 2) {
      *exception = EXCEPINFO{};
      exception->scode = E_INVALIDARG;
      return DISP_E_EXCEPTION;
    }
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"three");
    DISPPARAMS one{&text, nullptr, 1, 0};
    EXCEPINFO info{};
    fired = arg.pdispVal->Invoke(0, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &one, nullptr, &info, nullptr);
    VariantClear(&text);
    if (info.bstrDescription) description.assign(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    return S_OK;
  }
  ULONG refs = 2;  // the test's and the one NewObj takes over
  VARTYPE seen = VT_EMPTY;
  HRESULT fired = S_OK;
  std::wstring description;
};

std::string NewObjOf(CTestServer& server) {
  return "var server = " + std::to_string(reinterpret_cast<uintptr_t>(static_cast<IDispatch*>(&server))) +
         ".NewObj();\n";
}

TEST_F(Com, AnIntegerVariableGoesByReference) {
  CTestServer server;
  EXPECT_EQ(Run(NewObjOf(server) +
                "var n = 41;\n"
                "server.Bump(var n);\n"
                "?. n;\n"
                "server.Bump(n);\n"
                "?. n;\n"
                "server = null;\n"),
            "42\r\n42\r\n");
  EXPECT_EQ(server.seen, VT_I4) << "a plain value goes by value";
  EXPECT_EQ(server.refs, 1u) << "clearing the value releases the interface";
}

TEST_F(Com, AFailureWithoutDescriptionRaisesTheTextOfItsStatus) {
  CTestServer server;
  EXPECT_EQ(Run(NewObjOf(server) + "server.Fail(1);\n"), "error: " + Narrow(host::OleErrorText(E_INVALIDARG)));
  EXPECT_NE(host::OleErrorText(E_INVALIDARG), host::OleErrorText(DISP_E_EXCEPTION));
}

TEST_F(Com, ASinkTellsItsCallerTheScriptErrorAndTheScriptRaisesItToo) {
  CTestServer server;
  EXPECT_EQ(Run(NewObjOf(server) +
                "qel bad(a) raise \"bad \" & a; end qel;\n"
                "server.Fire(bad.@toEvent());\n"
                "?. \"not reached\";\n"),
            "error: bad three");
  EXPECT_EQ(server.fired, DISP_E_EXCEPTION);
  EXPECT_EQ(server.description, L"bad three");
}

}  // namespace
