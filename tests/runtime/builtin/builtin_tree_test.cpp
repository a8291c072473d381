// Built-ins called from program trees through the runner's chain: texts
// written through variables and parameters, "eval" with the scopes around
// the receiver, and "compile".
#include <string>

#include "runtime/builtin/builtin_library.h"
#include "runtime/lib/library_chain.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "support/tree_fixture.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/statements.h"
#include "runtime/value/text_access.h"

using namespace runtime;

namespace {

CLibrary* NewBuiltins() { return new CBuiltinLibrary(); }

// Registered before the fixture's runner builds its chain.
struct BuiltinSlot {
  BuiltinSlot() { RegisterLibrary(LibrarySlot::kBuiltin, &NewBuiltins); }
  ~BuiltinSlot() { RegisterLibrary(LibrarySlot::kBuiltin, nullptr); }
};

class BuiltinTree : protected BuiltinSlot, public TreeTest {
protected:
  CCall* Method(CValue* object, const char* name, std::initializer_list<CValue*> args = {}) {
    return Call(Member(object, name), args);
  }
};

}  // namespace

TEST_F(BuiltinTree, TheChainHandsPlainValuesToTheBuiltins) {
  Print(Method(Const("abc"), "UPPER"));
  Print(Method(Method(Const(" 0x10 "), "toNum"), "format", {Const("000")}));
  Print(Method(Method(Const(65), "toChar"), "x", {Named("n", Const(2))}));
  EXPECT_EQ(Run(), "ABC\n016\nAA\n");
}

TEST_F(BuiltinTree, FromByteOnAParameterChangesTheCallersTextOnlyByReference) {
  Func("shout", {"p"}, [&] {
    Do(Method(Name("p"), "fromByte", {Const(0), Const('H')}));
    Return(Name("p"));
  });
  Var("s");
  Set("s", Const("hello"));
  Print(Call(Name("shout"), {Name("s")}));
  Print(Name("s"));
  Print(Call(Name("shout"), {Ref("s")}));
  Print(Name("s"));
  Print(Const("hello"));
  EXPECT_EQ(Run(), "Hello\nhello\nHello\nHello\nhello\n");
  EXPECT_EQ(Again(), "Hello\nhello\nHello\nHello\nhello\n") << "the literal stays as written";
}

TEST_F(BuiltinTree, EvalExpandsTheNamesVisibleWhereTheTextStands) {
  Var("name");
  Set("name", Const("Bo"));
  Var("a");
  Set("a", Const("$name"));
  Func("greet", {"who"}, [&] { Return(Method(Const("hi $who, $name"), "eval")); });
  Print(Method(Const("Name: $name"), "eval"));
  Print(Method(Const("$unknown $ $name-$name $name$name"), "eval"));
  Print(Method(Const("[$a]"), "eval"));
  Print(Call(Name("greet"), {Const("Al")}));
  Print(Method(Const("<$@@>"), "eval"));
  EXPECT_EQ(Run(), "Name: Bo\n$unknown $ Bo-Bo $name$name\n[$name]\nhi Al, Bo\n<>\n");
}

TEST_F(BuiltinTree, EvalNamesThePlaceOfTheLastFailure) {
  CFunction* work = Func("work", {}, [&] { Do(Const(1)); });
  Print(Method(Const("at $@@"), "eval"));
  auto* failed = static_cast<CExprStmt*>(work->Body()->Child(0));
  failed->SetLine(7);
  Context().BeforeStatement(failed);
  Context().SaveCurrentNode();
  EXPECT_EQ(Run(), "at work/7\n");
}

TEST_F(BuiltinTree, CompileMakesAModuleFromSourceText) {
  Var("x");
  Set("x", Const("seen"));
  Var("plain");
  Set("plain", Method(Const("?. 6 * 7;"), "compile"));
  Var("inline");
  Set("inline", Method(Const("?. x;"), "compile", {Const(1)}));
  Var("apart");
  Set("apart", Method(Const("?. x;"), "compile"));
  Do(Call(Name("plain")));
  Do(Call(Name("inline")));
  Do(Call(Name("plain")));
  Do(Call(Name("apart")));
  EXPECT_EQ(RunError(), "x not found");
  EXPECT_EQ(Context().Output(), "42\r\nseen\r\n42\r\n");
}

TEST_F(BuiltinTree, CompileLoadsAModuleFileItFinds) {
  const std::u16string path = Utf16FromText(
      TextFromAscii(::testing::TempDir() + "qel_compile_" + std::to_string(platform::MicroCounter()) + ".qel"));
  ASSERT_TRUE(platform::WriteWholeFile(path, "?. \"from file\";"));
  Value name;
  name.SetText(TextFromUtf16(path));
  Var("m");
  Set("m", Method(new CValue(Scope(), name), "compile"));
  Do(Call(Name("m")));
  const std::string output = Run();
  platform::FileDelete(path);
  EXPECT_EQ(output, "from file\r\n");
}
