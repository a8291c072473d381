// Signature letters both ways, on every backend: a script callback made with
// "ptr" true is called back through "GetApi" on its own address, so each
// argument goes through a call letter and then a callback letter, and the
// result back through both.
#include "host_fixture.h"

using namespace runtime;

namespace {

struct RoundTrip {
  const char* name;
  const char* function;
  const char* callbackType;
  const char* callType;
  const char* call;
  const char* shown;
};

std::string Script(const RoundTrip& c) {
  return std::string("var f = ") + c.function + ";\n" +                                 //
         "var p = f.@toCallback(type: \"" + c.callbackType + "\", ptr: true);\n" +   //
         "var g = \"\".GetApi(p, \"" + c.callType + "\");\n" +                       //
         "?. " + c.call + ";\n";
}

class Letters : public HostTest {};

TEST_F(Letters, TravelThroughACallAndBackThroughACallback) {
  const RoundTrip cases[] = {
      {"signed integers", "(a, b) -> a * 10 + b", "iivi", "iii", "g(-3, 4)", "-26"},
      {"unsigned view", "x -> x", "nvn", "nn", "g(-1)", "4294967295"},
      {"doubles round half to even", "(a, b) -> a * 10 + b", "iivi", "iii", "g(2.5, 3.5)", "24"},
      {"8-bit texts both ways", "(x, y) -> x & \"|\" & y", "awva", "awa", "g(\"one\", \"two\")", "one|two"},
      {"two texts of one letter, each its own copy", "(x, y) -> x & \"|\" & y", "wwva", "wwa", "g(\"one\", \"two\")",
       "one|two"},
      {"a system string narrowed", "x -> x & \"/\" & x.length()", "Wva", "wa", "g(\"abcd\")", "abcd/4"},
      {"numbers become texts for text letters", "(x, y) -> x & y", "swva", "swa", "g(12, 3.5)", "123.5"},
      {"low bytes", "x -> x", "ava", "ra", "g(\"low\")", "low"},
      {"arguments past the letters pass 0", "(a, b, c) -> a * 100 + b * 10 + c", "iiivi", "ii", "g(1, 2, 3)",
       "120"},
      {"three letters make one argument", "(a, b) -> b = null", "iii", "iii", "g(5, 6)", "-1"},
      {"an empty result is 0", "x -> null", "ivi", "ii", "g(1)", "0"},
#ifndef QEL_ANSI
      {"a text result is its own characters", "x -> x & x", "ivw", "iw", "g(12)", "1212"},
#endif
  };
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Run(Script(c)), std::string(c.shown) + "\r\n");
  }
}

TEST_F(Letters, AKind1ValueThatIsNoNumberRaisesTheConversionError) {
  EXPECT_EQ(Run(Script({"", "x -> x", "ivi", "ii", "g(\"abc\")", ""})),
            "error: Cannot convert Text \"abc\" to Int32");
}

TEST_F(Letters, TooShortSignaturesAreRefusedWhenBound) {
  const struct {
    const char* source;
    const char* error;
  } cases[] = {
      {"\"\".GetApi(1234, \"\");", "GetApi: the type \"\" has no result letter"},
      {"\"\".GetApi(1234);", "GetApi: the type \"\" has no result letter"},
      {"(x -> x).@toCallback(type: \"i\");", "@toCallback: the type \"i\" needs at least two letters"},
      {"(x -> x).@toCallback();", "@toCallback: the type \"\" needs at least two letters"},
      {"\"\".GetApi(0, \"i\");", "GetApi: there is no function at address 0"},
      {"\"\".GetApi(\"0\", \"i\");", "GetApi: there is no function at address 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(Run(c.source), std::string("error: ") + c.error) << c.source;
}

TEST_F(Letters, AnAddressGivenAsDigitsIsCalledToo) {
  EXPECT_EQ(Run("var p = ((a, b) -> a - b).@toCallback(type: \"iivi\", ptr: true);\n"
                "var g = \"\".GetApi(p & \"\", \"iii\");\n?. g(9, 4);\n"),
            "5\r\n");
}

}  // namespace
