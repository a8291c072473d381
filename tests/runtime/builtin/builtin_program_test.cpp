// The built-in library as a whole, and the built-ins that reach the program,
// the host and the libraries around them: "arg", "set", "GetLib", "GetApi",
// "NewObj", "random", the clock of "time", "GetJson" and the regex ones.
#include <array>

#include "runtime/builtin/builtin_library.h"
#include "runtime/builtin/script_settings.h"
#include "builtin_call.h"
#include "runtime/callback/event_library.h"
#include "runtime/compile/regex_literal.h"
#include "runtime/format/random.h"
#include "runtime/lib/library_chain.h"
#include "platform/paths.h"
#include "runtime/rxlib/regex_library.h"
#include "runtime/startup/runtime_init.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/function.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

namespace {

constexpr const char* kNames[] = {
    "@uthor",   "arg",    "set",     "exp",   "log",     "sin",     "cos",     "atan",  "random", "length", "lower",
    "upper",    "subpos", "substr",  "x",     "escape",  "format",  "eval",    "time",  "hash",   "load",   "save",
    "find",     "copy",   "move",    "size",  "GetLib",  "GetApi",  "NewObj",  "toStr", "toNum",  "toTime", "toByte",
    "fromByte", "toChar", "toRegex", "match", "replace", "compile", "GetJson", "md5",   "sha1"};

bool Accepted(CBuiltinLibrary& library, const Value& value) {
  auto* node = new CValue(nullptr, value);
  const bool accepted = library.Accepts(node);
  node->Release();
  return accepted;
}

// The ui library lives as long as the process, as the real one does.
CLibrary& ProcessUiLibrary() {
  static CLibrary* ui = new CLibrary();
  return *ui;
}

CLibrary* TakeUiLibrary() {
  ProcessUiLibrary().AddRef();
  return &ProcessUiLibrary();
}

// The scripts' generator is shared by the whole test program.
class SeedKeeper {
public:
  ~SeedKeeper() { ScriptRandom().SetSeed(seed_); }

private:
  uint32_t seed_ = ScriptRandom().Seed();
};

}  // namespace

TEST(BuiltinLibrary, KnowsItsFortyTwoNamesIgnoringCase) {
  CBuiltinLibrary library;
  EXPECT_EQ(std::size(kNames), 42u);
  for (const char* name : kNames) EXPECT_NE(library.Find(TextFromAscii(name)), nullptr) << name;
  EXPECT_NE(library.Find(TextFromAscii("TOSTR")), nullptr);
  EXPECT_EQ(library.Find(TextFromAscii("@count")), nullptr);
}

TEST(BuiltinLibrary, ServesValuesThatReferToNoObject) {
  CBuiltinLibrary library;
  for (const Value& plain : {Txt("a"), Int(1), Dbl(1.5), Date(2), Bool(false), Null(), Value()})
    EXPECT_TRUE(Accepted(library, plain)) << Show(plain);
  auto* object = new CObjectInstance(nullptr);
  auto* regex = new CRegexValue(nullptr);
  auto* function = new CFunction(nullptr);
  for (CBase* referred : std::array<CBase*, 3>{object, regex, function}) {
    EXPECT_FALSE(Accepted(library, Obj(referred)));
    Value counted;
    counted.SetCountedObject(referred);
    EXPECT_FALSE(Accepted(library, counted));
    referred->Release();
  }
}

TEST(BuiltinLibrary, RuntimeStartUpPutsItInItsSlot) {
  std::array<LibraryFactory, size_t(LibrarySlot::kCount)> before;
  for (size_t slot = 0; slot < before.size(); ++slot) before[slot] = RegisteredLibrary(LibrarySlot(slot));
  const TRegexLiteralMaker maker = RegexLiteralMaker();
  InitRuntimeLibraries();
  CLibrary* library = RegisteredLibrary(LibrarySlot::kBuiltin)();
  EXPECT_NE(dynamic_cast<CBuiltinLibrary*>(library), nullptr);
  library->Release();
  CLibrary* events = RegisteredLibrary(LibrarySlot::kEvent)();
  EXPECT_NE(dynamic_cast<CEventLibrary*>(events), nullptr);
  events->Release();
  for (size_t slot = 0; slot < before.size(); ++slot) RegisterLibrary(LibrarySlot(slot), before[slot]);
  RegisterRegexLiteralMaker(maker);
}

TEST(BuiltinProgram, ArgGivesTheProgramsArguments) {
  SetProgramArguments({TextFromAscii("first"), TextFromAscii("second")});
  EXPECT_TRUE(SameValue(CallBuiltin("arg", Int(1)), Txt("first")));
  EXPECT_TRUE(SameValue(CallBuiltin("arg", Txt("2")), Txt("second")));
  EXPECT_TRUE(SameValue(CallBuiltin("arg", Int(3)), Txt("")));
  EXPECT_TRUE(SameValue(CallBuiltin("arg", Int(-1)), Txt("")));
  Value self;
  self.SetText(TextFromUtf16(platform::ProgramPath()));
  EXPECT_TRUE(SameValue(CallBuiltin("arg", Int(0)), self));
  EXPECT_FALSE(ToText(self).empty());
  SetProgramArguments({});
}

TEST(BuiltinProgram, SetStoresTheDefaultCodePageOnly) {
  EXPECT_TRUE(CallBuiltin("set", Txt("defaultCodePage"), {Int(936)}).IsEmpty());
  EXPECT_EQ(DefaultCodePage(), 936);
  CallBuiltin("set", Txt("DEFAULTCODEPAGE"), {Txt("1252")});
  EXPECT_EQ(DefaultCodePage(), 1252);
  CallBuiltin("set", Txt("other"), {Int(5)});
  EXPECT_EQ(DefaultCodePage(), 1252);
  SetDefaultCodePage(0);
}

// qel would turn every COM text empty with a code page that converts nothing;
// qelu reads no default code page.
TEST(BuiltinProgram, SetRefusesAnUnknownDefaultCodePageIn8Bit) {
  for (int32_t codePage : {12345, -1, 65536 + 936}) {
#ifdef QEL_ANSI
    EXPECT_EQ(BuiltinError("set", Txt("defaultCodePage"), {Int(codePage)}),
              "defaultCodePage: unknown code page " + std::to_string(codePage));
    EXPECT_EQ(DefaultCodePage(), 0) << "the setting stays";
#else
    CallBuiltin("set", Txt("defaultCodePage"), {Int(codePage)});
    EXPECT_EQ(DefaultCodePage(), codePage);
#endif
  }
  CallBuiltin("set", Txt("defaultCodePage"), {Int(0)});
  EXPECT_EQ(DefaultCodePage(), 0);
}

TEST(BuiltinProgram, GetLibGivesThePlainUiLibraryWhenThereIsOne) {
  EXPECT_TRUE(CallBuiltin("GetLib", Txt("ui")).IsEmpty());
  RegisterNamedLibrary(QT("ui"), &TakeUiLibrary);
  const int32_t refs = ProcessUiLibrary().RefCount();
  const Value ui = CallBuiltin("GetLib", Txt("ui"));
  EXPECT_EQ(ui.Type(), varObject);
  EXPECT_EQ(ui.AsObject(), &ProcessUiLibrary());
  EXPECT_EQ(ProcessUiLibrary().RefCount(), refs) << "a plain reference takes none";
  EXPECT_TRUE(CallBuiltin("GetLib", Txt("form")).IsEmpty());
  RegisterNamedLibrary(QT("ui"), nullptr);
}

TEST(BuiltinProgram, HostBridgeBuiltinsSayWhatIsMissing) {
#ifdef _WIN32
  EXPECT_EQ(BuiltinError("GetApi", Txt("user32.MessageBox")), "GetApi: native functions are not available yet");
  EXPECT_EQ(BuiltinError("NewObj", Txt("Scripting.Dictionary")), "NewObj: COM objects are not available yet");
#else
  EXPECT_EQ(BuiltinError("GetApi", Txt("libc.puts")), "GetApi: native functions need Windows");
  EXPECT_EQ(BuiltinError("NewObj", Txt("Scripting.Dictionary")), "NewObj: COM objects need Windows");
#endif
}

TEST(BuiltinProgram, RandomFollowsAndReportsTheSeed) {
  SeedKeeper keeper;
  EXPECT_TRUE(CallBuiltin("random", Int(-1), {{"seed", Int(1)}}).IsEmpty());
  std::vector<int32_t> draws;
  for (int i = 0; i < 8; ++i) draws.push_back(ToInt32(CallBuiltin("random", Int(100))));
  EXPECT_EQ(draws, (std::vector<int32_t>{3, 86, 20, 27, 67, 31, 16, 37}));
  const Value seed = CallBuiltin("random", Int(-1));
  ASSERT_EQ(seed.Type(), varInteger);
  const Value next = CallBuiltin("random", Txt("1000000"));
  CallBuiltin("random", Int(-1), {seed});
  EXPECT_TRUE(SameValue(CallBuiltin("random", Int(1000000)), next)) << "a seed read back repeats the sequence";
  for (int32_t n : {1, 0, -5}) {
    const Value fraction = CallBuiltin("random", Int(n));
    ASSERT_EQ(fraction.Type(), varDouble) << n;
    EXPECT_GE(fraction.AsDoubleRaw(), 0) << n;
    EXPECT_LT(fraction.AsDoubleRaw(), 1) << n;
  }
}

TEST(BuiltinProgram, TimeOfTheClock) {
  const Value timeOfDay = CallBuiltin("time", Int(0));
  ASSERT_EQ(timeOfDay.Type(), varDate);
  EXPECT_GE(timeOfDay.AsDoubleRaw(), 0);
  EXPECT_LT(timeOfDay.AsDoubleRaw(), 1);
  for (const Value& n : {Int(5), Int(-1), Int(2100), Txt("2009")}) {
    const Value now = CallBuiltin("time", n);
    ASSERT_EQ(now.Type(), varDate) << Show(n);
    EXPECT_GT(now.AsDoubleRaw(), 45000) << Show(n);
  }
}

TEST(BuiltinConversions, GetJsonMakesScriptObjects) {
  const Value list = CallBuiltin("GetJson", Txt("[1, 'two']"));
  ASSERT_EQ(list.Type(), varCountedObject);
  CObjectValue* object = ScriptObjectOf(list);
  ASSERT_EQ(object->MemberCount(), 2);
  EXPECT_TRUE(SameValue(object->Members()->ValueAt(1), Txt("two")));
  EXPECT_EQ(ScriptObjectOf(CallBuiltin("GetJson", Txt("5")))->MemberCount(), 0);
  const Value record = CallBuiltin("GetJson", Txt("{\"a\": \"\\x41\\\"\"}"), {{"json", Bool(true)}});
  EXPECT_TRUE(SameValue(ScriptObjectOf(record)->FindMember(TextFromAscii("a"))->ValueRef(), Txt("A\"")));
}

TEST(BuiltinRegex, TextsLeadToRegularExpressions) {
  const Value regex = CallBuiltin("toRegex", Txt("B+"), {Txt("gi")});
  ASSERT_NE(RegexValueOf(regex), nullptr);
  EXPECT_EQ(regex.Type(), varCountedObject);
  EXPECT_EQ(ToText(CallBuiltin("replace", Txt("abbcB"), {regex, Txt("-")})), TextFromAscii("a-c-"));
  EXPECT_TRUE(SameValue(CallBuiltin("match", Txt("abc"), {Txt("bc")}), Bool(true)));
  EXPECT_TRUE(SameValue(CallBuiltin("match", Txt("abc"), {Txt("BC")}), Bool(false)));
  EXPECT_TRUE(SameValue(CallBuiltin("replace", Txt("aBcb"), {Txt("b"), Txt("-")}), Txt("a-c-")));
  EXPECT_TRUE(CallBuiltin("match", Txt("abc")).IsEmpty());
}
