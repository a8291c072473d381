// The library chain, contexts, callback bindings and node locations.
#include "runtime/callback/callback_binding.h"
#include "runtime/callback/event_library.h"
#include "runtime/lib/library_chain.h"
#include "runtime/tree/node_location.h"
#include "support/tree_fixture.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/value/var_stack.h"

using namespace runtime;

namespace {

// A library of the chain for one kind of receiver, counting its handler runs.
template <bool (*AcceptsValue)(const Value&)>
struct TestLibrary : CLibrary {
  bool Accepts(CNode* receiver) override {
    CValue* value = receiver->AsValue();
    return value && AcceptsValue(value->ValueRef());
  }
};

bool IsText(const Value& v) { return IsStringType(v.Type()); }
bool IsScriptObject(const Value& v) { return ScriptObjectOf(v) != nullptr; }
bool AnyValue(const Value&) { return true; }

int handlerRuns = 0;

void Upper(CContext&, CNode* receiver, CValueList*, Value& result) {
  ++handlerRuns;
  Text text = ToText(receiver->AsValue()->ValueRef());
  for (Char& c : text)
    if (c >= 'a' && c <= 'z') c = Char(c - 32);
  result.SetText(text);
}

void CountMembers(CContext&, CNode* receiver, CValueList*, Value& result) {
  ++handlerRuns;
  result.SetInt(receiver->AsValue()->Count());
}

void Fail(CContext&, CNode*, CValueList*, Value&) { RaiseError(QT("handler failed")); }

void Shadow(CContext&, CNode*, CValueList*, Value& result) {
  ++handlerRuns;
  result.SetText(QT("shadow"));
}

CLibrary* NewBuiltins() {
  auto* library = new TestLibrary<IsText>();
  library->AddHandler(QT("upper"), &Upper);
  library->AddHandler(QT("fail"), &Fail);
  return library;
}

CLibrary* NewObjectLibrary() {
  auto* library = new TestLibrary<IsScriptObject>();
  library->AddHandler(QT("@count"), &CountMembers);
  return library;
}

// Later in the chain and accepting everything: only asked when earlier ones decline.
CLibrary* NewCatchAll() {
  auto* library = new TestLibrary<AnyValue>();
  library->AddHandler(QT("upper"), &Shadow);
  library->AddHandler(QT("@count"), &Shadow);
  return library;
}

}  // namespace

class LibraryChain : public TreeTest {
protected:
  LibraryChain() {
    handlerRuns = 0;
    RegisterLibrary(LibrarySlot::kBuiltin, &NewBuiltins);
    RegisterLibrary(LibrarySlot::kObject, &NewObjectLibrary);
    RegisterLibrary(LibrarySlot::kEvent, []() -> CLibrary* { return new CEventLibrary(); });
    RegisterLibrary(LibrarySlot::kApi, &NewCatchAll);
    runner_ = new RecordingContext();
    for (LibrarySlot slot : {LibrarySlot::kBuiltin, LibrarySlot::kObject, LibrarySlot::kEvent, LibrarySlot::kApi})
      RegisterLibrary(slot, nullptr);
  }
  ~LibraryChain() override { runner_->Release(); }

  std::string RunInRunner() {
    Module()->Execute(*runner_);
    return runner_->Output();
  }

  RecordingContext* runner_;
};

TEST_F(LibraryChain, RegisteredLibrariesFormTheChainInSlotOrder) {
  EXPECT_EQ(runner_->LibraryCount(), 4);
  EXPECT_NE(dynamic_cast<CEventLibrary*>(runner_->Library(2)), nullptr);
  EXPECT_EQ(Context().LibraryCount(), 0);  // made before anything was registered
  CContext* fresh = runner_->NewContext();
  EXPECT_EQ(static_cast<CRunner*>(fresh)->LibraryCount(), 0);  // its chain comes from the emptied slots
  fresh->Release();
}

TEST_F(LibraryChain, FirstAcceptingLibraryThatKnowsTheNameHandlesTheCall) {
  Var("o");
  Set("o", Object({Const(1), Const(2)}));
  Print(Call(Member(Const("abc"), "UPPER")));
  Print(Call(Member(Name("o"), "@count")));
  Print(Call(Member(Const(5), "upper")));  // not a text: only the catch-all accepts it
  EXPECT_EQ(RunInRunner(), "ABC\n2\nshadow\n");
  EXPECT_EQ(handlerRuns, 3);
}

TEST_F(LibraryChain, UnhandledCallsFallBackToTheObjectsOwnMember) {
  Func("greet", {"who"}, [&] { Set("result", Op('+', Const("hi "), Name("who"))); });
  Var("o");
  Set("o", Object({Named("hello", Name("greet"))}));
  Print(Call(Member(Name("o"), "hello"), {Const("you")}));
  EXPECT_EQ(RunInRunner(), "hi you\n");
}

TEST_F(LibraryChain, NoAcceptingLibraryMeansNotHandledAndNoHandlerRuns) {
  Value result;
  CValue* receiver = Const(1);
  auto* plain = new CContext();
  EXPECT_FALSE(plain->Call(receiver, QT("upper"), CallKind::kCall, result, nullptr));
  EXPECT_FALSE(Context().Call(receiver, QT("upper"), CallKind::kCall, result, nullptr));
  EXPECT_EQ(handlerRuns, 0);
  plain->Release();
  receiver->Release();
}

TEST_F(LibraryChain, HandlerFailuresPassThroughUnchanged) {
  Do(Call(Member(Const("x"), "fail")));
  try {
    RunInRunner();
    FAIL() << "no error";
  } catch (const EScriptError& e) {
    EXPECT_EQ(std::string(e.what()), "handler failed");
  }
}

TEST_F(LibraryChain, LaterHandlerOfTheSameNameReplacesTheEarlierOne) {
  CLibrary library;
  library.AddHandler(QT("Name"), &Fail);
  library.AddHandler(QT("name"), &Shadow);
  EXPECT_EQ(library.Find(QT("NAME")), &Shadow);
  EXPECT_EQ(library.Find(QT("other")), nullptr);
}

// Names found (or not) are remembered; a handler added later must still be found.
TEST_F(LibraryChain, AHandlerAddedAfterALookupIsFound) {
  CLibrary library;
  library.AddHandler(QT("upper"), &Upper);
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_EQ(library.Find(QT("upper")), &Upper);
    EXPECT_EQ(library.Find(QT("UPPER")), &Upper);
    EXPECT_EQ(library.Find(QT("fail")), nullptr);
    EXPECT_EQ(library.Find(QT("")), nullptr);
  }
  library.AddHandler(QT("fail"), &Fail);
  library.AddHandler(QT("Upper"), &Shadow);
  EXPECT_EQ(library.Find(QT("fail")), &Fail);
  EXPECT_EQ(library.Find(QT("upper")), &Shadow);
  EXPECT_EQ(library.Find(QT("UPPER")), &Shadow);
}

using Contexts = TreeTest;

TEST_F(Contexts, BeforeStatementSetsTheCurrentNodeAndSaveCopiesIt) {
  auto* context = new CContext();
  CValue* node = Const(1);
  context->BeforeStatement(node);
  EXPECT_EQ(context->CurrentNode(), node);
  EXPECT_EQ(context->SavedNode(), nullptr);
  context->SaveCurrentNode();
  EXPECT_EQ(context->SavedNode(), node);
  EXPECT_FALSE(context->IsCaseSensitive());
  CContext* other = context->NewContext();
  EXPECT_EQ(other->CurrentNode(), nullptr);
  other->Release();
  context->Release();
  node->Release();
}

TEST_F(Contexts, NodeLocationNamesTheNearestNamedFunctionAndLine) {
  CFunction* outer = Func("outer", {}, [&] {
    Print(Const(1));
    Func("", {}, [&] { Print(Const(2)); });
  });
  Print(Const(3));
  auto* inOuter = static_cast<CLineStatement*>(outer->Body()->Child(0));
  inOuter->SetLine(12);
  auto* literal = static_cast<CFunction*>(outer->Body()->Child(1));
  struct {
    CNode* saved;
    const char* location;
  } cases[] = {
      {inOuter, "outer/12"},
      {literal->Body()->Child(0), "outer/0"},
      {outer->Body(), "outer"},
      {Module()->Child(1), ""},
      {nullptr, ""},
  };
  for (auto& c : cases) {
    Context().BeforeStatement(c.saved);
    Context().SaveCurrentNode();
    EXPECT_EQ(NodeLocation(Context()), T(c.location));
  }
}

TEST_F(Contexts, EventLibraryAcceptsReceiversHoldingFunctions) {
  Func("f", {}, {});
  CEventLibrary library;
  CNameRef* function = Name("f");
  CValue* number = Const(1);
  EXPECT_TRUE(library.Accepts(function));
  EXPECT_FALSE(library.Accepts(number));
  function->Release();
  number->Release();
}

class Callbacks : public TreeTest {
protected:
  // A class whose method "who" reports "this".tag and whose "relay" calls
  // the callback held by "cb" in between, and a plain object.
  void SetUp() override {
    Class("Tagged", {"tag"}, [&] {
      Func("who", {}, [&] { Set("result", Name("tag")); });
      Func("relay", {}, [&] {
        PrintComma(Name("tag"));
        PrintComma(Call(Name("cb")));
        PrintComma(Name("tag"));
      });
    });
    Var("cb");
    Var("a");
    Var("b");
    Var("plain");
    Set("a", Call(Name("Tagged"), {Const("A")}));
    Set("b", Call(Name("Tagged"), {Const("B")}));
    Set("plain", Object({Named("tag", Const("P"))}));
    Run();
  }

  CValueList* Options(const char* objectName, bool thread) {
    auto* options = new CValueList();
    if (objectName) options->Add(Named("obj", Name(objectName)));
    if (thread) options->Add(Named("thread", Const(1)));
    return options;
  }

  // Binds method "who" of class Tagged with the options and calls it.
  std::string CallBound(const char* objectName, bool thread = false, CContext** boundContext = nullptr) {
    CNameRef* who = Name("who");
    CFunction* method = FunctionOf(Module()->FindOwn(T("Tagged"))->ValueRef());
    CValue* whoVariable = method->Body()->FindOwn(T("who"));
    CValueList* options = Options(objectName, thread);
    auto* binding = new CCallbackBinding();
    binding->Bind(whoVariable->ValueRef(), options, Context());
    if (boundContext) *boundContext = binding->Context();
    std::string text = ToUtf8Ascii(binding->Call(Context(), nullptr));
    binding->Release();
    options->Release();
    who->Release();
    return text;
  }

  static std::string ToUtf8Ascii(const Value& v) {
    Text t = ToText(v);
    return std::string(t.begin(), t.end());
  }
};

TEST_F(Callbacks, BoundObjectIsThisDuringTheCallAndNotAfterwards) {
  EXPECT_EQ(CallBound("a"), "A");
  EXPECT_EQ(CallBound("b"), "B");
  // A plain object is not a class instance: "this" stays as it was (unbound).
  EXPECT_EQ(CallBound("plain"), "");
  EXPECT_EQ(CallBound(nullptr), "");
}

TEST_F(Callbacks, TheThisOfARunningMethodComesBackAfterTheCallback) {
  CFunction* tagged = FunctionOf(Module()->FindOwn(T("Tagged"))->ValueRef());
  CValueList* options = Options("b", false);
  auto* binding = new CCallbackBinding();
  binding->Bind(tagged->Body()->FindOwn(T("who"))->ValueRef(), options, Context());
  Module()->FindOwn(T("cb"))->OwnValue().SetCountedObject(binding);
  binding->Release();
  options->Release();
  CFunction* relay = Func("relayA", {}, [&] { Do(Call(Member(Name("a"), "relay"))); });
  Invoke(relay, {});
  EXPECT_EQ(Context().Output(), "A B A ");
}

TEST_F(Callbacks, ThreadOptionGivesTheBindingAContextOfItsOwn) {
  CContext* bound = nullptr;
  CallBound("a", false, &bound);
  EXPECT_EQ(bound, &Context());
  CallBound("a", true, &bound);
  EXPECT_NE(bound, &Context());
}

TEST_F(Callbacks, BindingIsUndoneWhenTheCallRaises) {
  CFunction* tagged = FunctionOf(Module()->FindOwn(T("Tagged"))->ValueRef());
  Func("boom", {}, [&] { Raise("boom"); });
  In(tagged->Body(), [&] { Func("fail", {}, [&] { Do(Call(Name("boom"))); }); });
  CValue* fail = tagged->Body()->FindOwn(T("fail"));
  auto* options = Options("a", false);
  auto* binding = new CCallbackBinding();
  binding->Bind(fail->ValueRef(), options, Context());
  EXPECT_THROW(binding->Call(Context(), nullptr), EScriptError);
  EXPECT_FALSE(tagged->IsBoundTo(ClassInstanceOf(Module()->FindOwn(T("a"))->ValueRef())));
  EXPECT_EQ(tagged->Levels()->Depth(), 0);
  binding->Release();
  options->Release();
  EXPECT_EQ(CallBound("b"), "B");
}

TEST_F(Callbacks, BindingANonFunctionIsAScriptError) {
  auto* binding = new CCallbackBinding();
  Value number;
  number.SetInt(3);
  EXPECT_THROW(binding->Bind(number, nullptr, Context()), EScriptError);
  binding->Release();
}
