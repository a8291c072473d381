// Callbacks on every backend, called back through the bridge's own native
// calls: the object bound as "this", the "thread" context, the "c" letter,
// and script errors relayed past the native frames.
#include <new>

#include "host_fixture.h"

using namespace runtime;

namespace {

class Callbacks : public HostTest {};

TEST_F(Callbacks, ABoundObjectIsThisDuringTheCall) {
  EXPECT_EQ(Run("class Counter(n)\n"
                "  qel bump(by) n += by; return n; end qel;\n"
                "end class;\n"
                "var c = Counter(10);\n"
                "var p = c.bump.@toCallback(c, \"ivi\", true);\n"
                "var g = \"\".GetApi(p, \"ii\");\n"
                "?. g(5) & \" \" & g(2) & \" \" & c.n;\n"),
            "15 17 17\r\n");
}

TEST_F(Callbacks, AThreadCallbackRunsUnderAContextOfItsOwn) {
  EXPECT_EQ(Run("var f = x -> print(x);\n"
                "qel print(x) ?. \"printed \" & x; return x; end qel;\n"
                "var own = \"\".GetApi(print.@toCallback(type: \"ivi\", thread: true, ptr: true), \"ii\");\n"
                "var shared = \"\".GetApi(print.@toCallback(type: \"ivi\", ptr: true), \"ii\");\n"
                "?. own(1) + shared(2);\n"),
            "printed 2\r\n3\r\n");
}

TEST_F(Callbacks, LetterCPassesTheThunkOfACallbackObjectOnly) {
  EXPECT_EQ(Run("var cb = ((a, b) -> a * b).@toCallback(type: \"iivi\");\n"
                "var p = (f -> f).@toCallback(type: \"uvu\", ptr: true);\n"
                "var thunkOf = \"\".GetApi(p, \"cu\");\n"
                "var t = thunkOf(cb);\n"
                "var g = \"\".GetApi(t, \"iii\");\n"
                "?. g(6, 7) & \" \" & thunkOf(42);\n"),
            "42 0\r\n");
}

TEST_F(Callbacks, AScriptErrorInACallbackSurfacesAfterTheNativeCall) {
  EXPECT_EQ(Run("var calls = 0;\n"
                "qel fail(x) calls += 1; raise \"bad \" & x; end qel;\n"
                "var g = \"\".GetApi(fail.@toCallback(type: \"ivi\", ptr: true), \"ii\");\n"
                "try\n"
                "  g(7);\n"
                "  ?. \"not reached\";\n"
                "except\n"
                "  ?. \"caught \" & @ & \" after \" & calls & \" call\";\n"
                "end try;\n"
                "?. \"and again: \" & g(8);\n"),
            "caught bad 7 after 1 call\r\nerror: bad 8");
}

TEST_F(Callbacks, ANestedErrorTravelsOutThroughEveryNativeFrame) {
  EXPECT_EQ(Run("qel inner(x) raise \"deep \" & x; end qel;\n"
                "var g = \"\".GetApi(inner.@toCallback(type: \"ivi\", ptr: true), \"ii\");\n"
                "qel outer(x) return g(x) + 1; end qel;\n"
                "var h = \"\".GetApi(outer.@toCallback(type: \"ivi\", ptr: true), \"ii\");\n"
                "h(3);\n"),
            "error: deep 3");
}

TEST(ErrorRelay, KeepsTheFirstErrorAndRunsNothingUntilItIsRaised) {
  using host::ErrorRelay;
  int runs = 0;
  EXPECT_EQ(ErrorRelay::Guard(5, [&] { return ++runs; }), 1);
  EXPECT_EQ(ErrorRelay::Guard(5, [&]() -> int { ++runs; RaiseError(QT("first")); }), 5);
  EXPECT_EQ(ErrorRelay::Guard(5, [&] { return ++runs; }), 5) << "nothing runs while an error waits";
  EXPECT_EQ(runs, 2);
  ASSERT_TRUE(ErrorRelay::Pending());
  try {
    ErrorRelay::RaisePending();
    ADD_FAILURE() << "nothing raised";
  } catch (const EScriptError& error) {
    EXPECT_EQ(Narrow(error.Message()), "first");
  }
  EXPECT_FALSE(ErrorRelay::Pending());
  EXPECT_EQ(ErrorRelay::Guard(5, []() -> int { throw std::bad_alloc(); }), 5) << "not only script errors";
  EXPECT_THROW(ErrorRelay::RaisePending(), std::bad_alloc);
  ErrorRelay::Guard(0, []() -> int { RaiseError(QT("dropped")); });
  ErrorRelay::Discard();
  EXPECT_NO_THROW(ErrorRelay::RaisePending());
}

}  // namespace
