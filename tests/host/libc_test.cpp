// Native calls into the C library (libc.so.6): cdecl exports, varargs,
// writing through "p", and qsort calling a script comparator.
#include "host_fixture.h"

using namespace runtime;

namespace {

class LibC : public HostTest {};

const std::string kLibC = "var libc = \"libc.so.6\";\n";

TEST_F(LibC, CallsExportsByTheirLetters) {
  const struct {
    const char* name;
    const char* script;
    const char* shown;
  } cases[] = {
      {"strlen", "?. libc.GetApi(\"strlen\", \"ai\").call(\"hello\");", "5"},
      {"a number as 8-bit text", "?. libc.GetApi(\"strlen\", \"ai\").call(123456);", "6"},
      {"abs", "?. libc.GetApi(\"abs\", \"ii\").call(-42);", "42"},
      {"an 8-bit text result", "?. libc.GetApi(\"strchr\", \"aia\").call(\"hello\", 108);", "llo"},
      {"a null result is an empty text", "?. \"[\" & libc.GetApi(\"strchr\", \"aia\").call(\"hello\", 122) & \"]\";", "[]"},
      {"varargs",
       "var b = \" \".x(40);\n?. libc.GetApi(\"snprintf\", \"pnaiiii\").call(b, 40, \"%d|%d|%d\", 7, -9, 11);\n"
       "?. libc.GetApi(\"strchr\", \"pia\").call(b, 55);",
       "7\r\n7|-9|11"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // Any operation on a native function object calls it.
    EXPECT_EQ(Run(kLibC + c.script + "\n"), std::string(c.shown) + "\r\n");
  }
}

TEST_F(LibC, ExtraArgumentsPassZero) {
  EXPECT_EQ(Run(kLibC +
                "var snprintf = libc.GetApi(\"snprintf\", \"pnaii\");\n"
                "var b = \" \".x(20);\n"
                "snprintf(b, 20, \"%d %d %d\", 5, 6, 7);\n"
                "var bytes = libc.GetApi(\"strchr\", \"pia\");\n"
                "?. bytes(b, 53);\n"),
            "5 6 0\r\n");
}

TEST_F(LibC, LetterPWritesIntoAnIntegerVariable) {
  EXPECT_EQ(Run(kLibC +
                "var time = libc.GetApi(\"time\", \"pn\");\n"
                "var t = 0;\n"
                "var now = time(t);\n"
                "?. (t = now) & \" \" & (now > 1700000000);\n"),
            "True True\r\n");
}

TEST_F(LibC, LetterPWritesIntoTheVariablesOwnText) {
  EXPECT_EQ(Run(kLibC +
                "var memset = libc.GetApi(\"memset\", \"pinp\");\n"
                "for i = 1 to 2 loop\n"
                "  var s = \"xyz\";\n"
                "  var shared = s;\n"
                "  memset(s, 65, 1);\n"
                "  ?. shared & \" \" & (s = shared) & \" \" & s.length();\n"
                "end loop;\n"
                "memset(\"xyz\", 65, 1);\n"
                "?. \"xyz\";\n"),
            "xyz False 3\r\nxyz False 3\r\nxyz\r\n");
}

// Four bytes for each number, low byte first, in a text that qsort sorts in
// place; the comparator reads two of them through their addresses.
const std::string kSortScript = kLibC + R"(
var qsort = libc.GetApi("qsort", "pnncv");
var probe = "ab";
probe.fromByte(1, 0);
var unit = 1;
if probe.toByte(1) <> 0 then unit = 2; end if;
var numbers = [42, 7, 19, 3, 25, 11];
var buf = " ".x(24);
for number, i in numbers loop
  var v = number;
  for k = 0 to 3 loop buf.fromByte(4 * i + k, v mod 256); v = v div 256; end loop;
end loop;
qel element(address)
  return buf.substr((address - buf.toNum(-1)) / unit, 4 / unit).toNum(1);
end qel;
qel shown()
  var text = "";
  for i = 0 to 5 loop text &= element(buf.toNum(-1) + 4 * i) & " "; end loop;
  return text;
end qel;
)";

TEST_F(LibC, QsortSortsWithAScriptComparator) {
  EXPECT_EQ(Run(kSortScript +
                "qel compare(a, b) return element(a) - element(b); end qel;\n"
                "qsort(buf, 6, 4, compare.@toCallback(type: \"uuvi\"));\n"
                "?. shown();\n"),
            "3 7 11 19 25 42 \r\n");
}

TEST_F(LibC, AComparatorThatRaisesStopsTheScriptAfterQsortReturns) {
  EXPECT_EQ(Run(kSortScript +
                "var calls = 0;\n"
                "qel compare(a, b) calls += 1; raise \"cannot compare\"; end qel;\n"
                "try\n"
                "  qsort(buf, 6, 4, compare.@toCallback(type: \"uuvi\"));\n"
                "except\n"
                "  ?. @ & \" (\" & calls & \" call)\";\n"
                "end try;\n"
                "qel ordered(a, b) return element(a) - element(b); end qel;\n"
                "qsort(buf, 6, 4, ordered.@toCallback(type: \"uuvi\"));\n"
                "?. shown();\n"),
            "cannot compare (1 call)\r\n3 7 11 19 25 42 \r\n");
}

TEST_F(LibC, MissingLibrariesAndExportsRaiseTheLoaderErrors) {
  const std::string missing = Run("\"libnosuch.so.9\".GetApi(\"f\", \"i\");");
  EXPECT_EQ(missing.rfind("error: LoadLibrary(libnosuch.so.9): ", 0), 0u) << missing;
  const std::string noExport = Run(kLibC + "libc.GetApi(\"nosuchexport\", \"i\");");
  EXPECT_EQ(noExport.rfind("error: GetProcAddress(nosuchexport): ", 0), 0u) << noExport;
}

}  // namespace
