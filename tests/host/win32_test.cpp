// Native calls into the system's libraries under Wine: kernel32, user32 and
// msvcrt, stdcall and cdecl exports, callbacks called by the system, and the
// thunk's own bytes in the 32-bit build.
#include <windows.h>

#include <cstring>

#include "host/native_callback.h"
#include "host/native_function.h"
#include "host_fixture.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/function.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

namespace {

class Win32 : public HostTest {};

#ifdef QEL_ANSI
const std::string kModuleFileName = "GetModuleFileNameA";
#else
const std::string kModuleFileName = "GetModuleFileNameW";
#endif

TEST_F(Win32, CallsSystemExports) {
  const struct {
    const char* name;
    const char* script;
    const char* shown;
  } cases[] = {
      {"lstrlenW", "?. \"kernel32.dll\".GetApi(\"lstrlenW\", \"wi\").call(\"hello\");", "5"},
      {"lstrlenA", "?. \"kernel32.dll\".GetApi(\"lstrlenA\", \"ai\").call(\"hello!\");", "6"},
      {"wsprintfW, cdecl with varargs",
       "var b = \" \".x(64);\n"
       "var n = \"user32.dll\".GetApi(\"wsprintfW\", \"pwiii\").call(b, \"%d|%d|%d\", 7, -9, 11);\n"
       "?. n & \" \" & \"kernel32.dll\".GetApi(\"lstrcpynW\", \"ppiw\").call(b, b, n + 1);",
       "7 7|-9|11"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Run(std::string(c.script) + "\n"), std::string(c.shown) + "\r\n");
  }
}

TEST_F(Win32, MessageBoxIsFoundAsMessageBoxW) {
  CValueList* args = new CValueList();
  args->Add(new CValue(nullptr, [] { Value v; v.SetText(QT("MessageBox")); return v; }()));
  args->Add(new CValue(nullptr, [] { Value v; v.SetText(QT("iwwii")); return v; }()));
  CValue receiver(nullptr, [] { Value v; v.SetText(QT("user32.dll")); return v; }());
  Value result;
  auto* context = new RecordingContext();
  host::DoGetApi(*context, &receiver, args, result);
  host::CNativeFunction* function = host::NativeFunctionOf(result);
  ASSERT_NE(function, nullptr);
  EXPECT_EQ(function->Address(),
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "MessageBoxW")));
  result.Clear();
  args->Release();
  context->Release();
}

TEST_F(Win32, ModuleFileNameFillsATextOfBlanksInPlace) {
  const std::string script = "var name = \" \".x(260);\n"
                             "var shared = name;\n"
                             "var n = \"kernel32.dll\".GetApi(\"" + kModuleFileName + "\", \"ipii\").call(0, name, 260);\n"
                             "?. name.length() & \" \" & (shared = \" \".x(260)) & \" \" & "
                             "(name.substr(0, n).lower().subpos(\"host\") > 0);\n";
  EXPECT_EQ(Run(script), "260 True True\r\n");
}

const std::string kEnumWindows = "var enumWindows = \"user32.dll\".GetApi(\"EnumWindows\", \"cii\");\n"
                                 "\"user32.dll\".GetApi(\"CreateWindowExW\", \"iwwiiiiiiiiiu\").call"
                                 "(0, \"STATIC\", \"qel\", 0, 0, 0, 10, 10, 0, 0, 0, 0);\n";

TEST_F(Win32, EnumWindowsCallsAScriptCallback) {
  EXPECT_EQ(Run(kEnumWindows +
                "var count = 0;\n"
                "qel counted(window, data) count += 1; return data; end qel;\n"
                "enumWindows(counted.@toCallback(type: \"uuvi\"), 1);\n"
                "?. count > 0;\n"),
            "True\r\n");
}

TEST_F(Win32, ARaisingEnumWindowsCallbackStopsTheScript) {
  EXPECT_EQ(Run(kEnumWindows +
                "qel failing(window, data) raise \"window callback failed\"; end qel;\n"
                "enumWindows(failing.@toCallback(type: \"uuvi\"), 1);\n"
                "?. \"not reached\";\n"),
            "error: window callback failed");
}

TEST_F(Win32, AThunkAddressIsCalledByTheSystem) {
  EXPECT_EQ(Run("var proc = ((w, m, a, b) -> w * 1000 + m * 100 + a * 10 + b).@toCallback(type: \"iiiivi\", ptr: true);\n"
                "var call = \"user32.dll\".GetApi(\"CallWindowProcW\", \"iiiiii\");\n"
                "?. call(proc, 1, 2, 3, 4);\n"),
            "1234\r\n");
}

// A cdecl caller: the comparator's unread letter "c" makes a thunk that
// leaves the arguments to it.
TEST_F(Win32, MsvcrtQsortSortsWithACdeclComparator) {
  EXPECT_EQ(Run("var qsort = \"msvcrt.dll\".GetApi(\"qsort\", \"pnncv\");\n"
                "var memcmp = \"msvcrt.dll\".GetApi(\"memcmp\", \"nnni\");\n"
                "var unit = " + std::to_string(sizeof(Char)) + ";\n"
                "var letters = \"dbeca\";\n"
                "qel compare(a, b) return memcmp(a, b, unit); end qel;\n"
                "for i = 1 to 2 loop\n"
                "  var text = letters;\n"
                "  qsort(text, text.length(), unit, compare.@toCallback(type: \"uuci\"));\n"
                "  ?. text & \" \" & letters;\n"
                "end loop;\n"),
            "abcde dbeca\r\nabcde dbeca\r\n");
}

#if defined(_M_IX86) || defined(__i386__)
TEST_F(Win32, AThunkRemovesTheArgumentsOfItsSignature) {
  const struct {
    const char16_t* type;
    uint16_t removed;
  } cases[] = {{u"iii", 4}, {u"ii", 0}, {u"uuvi", 8}, {u"iiiivi", 16}, {u"uuci", 0}};
  auto* context = new RecordingContext();
  auto* function = new CFunction(nullptr);
  Value functionValue;
  functionValue.SetCountedObject(function);
  function->Release();
  for (const auto& c : cases) {
    auto* callback = new host::CNativeCallback(TextFromUtf16(c.type));
    callback->Bind(functionValue, nullptr, *context);
    const auto* code = static_cast<const unsigned char*>(callback->Thunk());
    uint32_t object, target;
    uint16_t removed;
    std::memcpy(&object, code + 1, 4);
    std::memcpy(&target, code + 6, 4);
    std::memcpy(&removed, code + 11, 2);
    EXPECT_EQ(code[0], 0xB8);
    EXPECT_EQ(object, reinterpret_cast<uint32_t>(callback));
    EXPECT_EQ(code[5], 0xE8);
    EXPECT_EQ(code[10], 0xC2);
    EXPECT_EQ(removed, c.removed) << Narrow(TextFromUtf16(c.type));
    callback->Release();
  }
  context->Release();
}
#endif

}  // namespace
