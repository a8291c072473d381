#include <string>
#include <string_view>

#include "compile_fixture.h"
#include "runtime/startup/runtime_init.h"
#include "support/stack_thread.h"
#include "support/text_util.h"

using namespace runtime;

// Sources nested or chained far deeper than any stack holds, compiled and run
// on a thread with a 4 MB stack: each either finishes or stops with a clear
// error, never by overflowing the stack. Long operator chains cost little
// stack and finish; the rest stop.
namespace {

constexpr std::size_t kThreadStack = 4 * 1024 * 1024;
constexpr int kTerms = 100000;
constexpr int kNesting = 50000;

// "first op first op ..." with the given number of terms.
std::string Chain(std::string_view first, std::string_view op, std::string_view term, int terms) {
  std::string text(first);
  for (int i = 1; i < terms; ++i) {
    text += op;
    text += term;
  }
  return text;
}

std::string Nest(std::string_view open, std::string_view inside, std::string_view close, int depth) {
  return Repeat(open, depth) + std::string(inside) + Repeat(close, depth);
}

constexpr std::string_view kOverflow = "Stack overflow:";

std::string ChainOfLists() {
  return "var chain = new [];\n"
         "for i = 1 to 100000 loop var b = new []; b.@add(chain); chain = b; end loop;\n";
}

enum class Outcome {
  kShows,             // shows exactly what is expected
  kOverflows,         // stops with a "Stack overflow: ..." error
  kShowsOrOverflows,  // either, as the build's frame sizes decide
};

struct DeepCase {
  const char* name;
  std::string source;
  Outcome outcome;
  std::string expected;
};

std::vector<DeepCase> DeepCases() {
  const std::string bigFrames = "qel f(n)\n if n <= 0 then return 0; end if;\n return f(n - 1)" +
                                Repeat(" + n", 60) + ";\nend qel;\n? f(1990);\n";
  return {
      {"sum", "? " + Chain("1", " + ", "1", kTerms) + ";", Outcome::kShows, "100000"},
      {"join", "var x = " + Chain("\"a\"", " & ", "\"a\"", kTerms) + ";\n? x.length();", Outcome::kShows, "100000"},
      {"power", "? " + Chain("1", " ^ ", "1", kTerms) + ";", Outcome::kShows, "1"},
      {"mixed", "? " + Chain("1", " + 2 * ", "1", kTerms) + ";", Outcome::kShows, "199999"},
      {"or", "? " + Chain("false", " or ", "false", kTerms) + ";", Outcome::kOverflows, ""},
      {"member", "var a = new [b: 1];\n? a" + Repeat(".b", kTerms) + ";", Outcome::kOverflows, ""},
      {"index", "var a = new [1];\n? a" + Repeat("[0]", kTerms) + ";", Outcome::kOverflows, ""},
      {"append", "var x = \"\";\nx = x" + Repeat(" & \"a\"", kTerms) + ";\n? x.length();", Outcome::kShows, "100000"},
      {"if", Nest("if true then\n", "? 1;\n", "end if;\n", kNesting), Outcome::kOverflows, ""},
      {"case", Nest("case 1 is when 1 do\n", "? 1;\n", "end case;\n", kNesting), Outcome::kOverflows, ""},
      {"loop", Nest("loop\n", "? 1;\n", "exit; end loop;\n", kNesting), Outcome::kOverflows, ""},
      // Each level's handler catches the error raised deeper.
      {"try", Nest("try\n", "? 1;\n", "except end try;\n", kNesting) + "? \"after\";", Outcome::kShows, "after"},
      {"big frames", bigFrames, Outcome::kShowsOrOverflows, "118862700"},
      {"recursion", "qel r(n) return r(n + 1) + 1; end qel;\n? r(0);", Outcome::kOverflows, ""},
      {"compiled chunk", "var m = \"m();\".compile(true);\nm();", Outcome::kOverflows, ""},
      {"compiling chunk", "var s = \"var m = s.compile(true); m();\";\nvar m = s.compile(true);\nm();",
       Outcome::kOverflows, ""},
      {"deferred call", "var d = qel d();\nd();", Outcome::kOverflows, ""},
      {"clone", ChainOfLists() + "var c = chain.@clone();", Outcome::kOverflows, ""},
      {"json", ChainOfLists() + "? chain.@toJson();", Outcome::kShows, "JSON nesting deeper than 500 levels"},
      // The base is looked up from the innermost block while compiling.
      {"deep base", "class B() end class;\n" + Nest("if true then\n", "class C = B() end class;\n", "end if;\n", kNesting),
       Outcome::kOverflows, ""},
  };
}

class StackDepth : public CompileTest, public testing::WithParamInterface<DeepCase> {
protected:
  // The compile's messages, then the output, then the message of the error
  // that stopped the compile or the run.
  std::string Shown(const std::string& source) {
    std::string shown;
    const bool ran = RunOnStack(kThreadStack, [&] {
      auto* context = new RecordingContext();
      try {
        CModule* module = Compile(source.c_str());
        for (const std::string& message : ListedMessages()) shown += message + "\n";
        module->Execute(*context);
      } catch (const EScriptError& error) {
        shown += Narrow(context->output) + Narrow(error.Message());
        context->output.clear();
      }
      shown += Narrow(context->output);
      context->Release();
    });
    EXPECT_TRUE(ran) << "no thread";
    return shown;
  }
};

TEST_P(StackDepth, FinishesOrStopsWithAClearError) {
  InitRuntimeLibraries();
  const DeepCase& deep = GetParam();
  const std::string shown = Shown(deep.source);
  const bool overflowed = shown.starts_with(kOverflow);
  switch (deep.outcome) {
    case Outcome::kShows: EXPECT_EQ(shown, deep.expected); break;
    case Outcome::kOverflows: EXPECT_TRUE(overflowed) << shown.substr(0, 200); break;
    case Outcome::kShowsOrOverflows: EXPECT_TRUE(overflowed || shown == deep.expected) << shown.substr(0, 200); break;
  }
}

INSTANTIATE_TEST_SUITE_P(Deep, StackDepth, testing::ValuesIn(DeepCases()),
                         [](const testing::TestParamInfo<DeepCase>& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (c == ' ') c = '_';
                           return name;
                         });

}  // namespace

namespace {

class ModuleChain : public CompileTest {};

// Each module uses the next, so each compile runs inside the one before.
TEST_F(ModuleChain, TenThousandModulesUsingTheNextStopWithAClearError) {
  constexpr int kModules = 10000;
  auto name = [](int i) { return u"m" + Utf16(std::to_string(i)) + u".qel"; };
  for (int i = 0; i < kModules; ++i)
    WriteFile(name(i), i + 1 < kModules ? "use \"" + Utf8(Path(name(i + 1))) + "\";\n" : "? \"last\";\n");
  std::string shown;
  const bool ran = RunOnStack(kThreadStack, [&] {
    try {
      LoadFile(name(0));
      shown = "compiled";
    } catch (const EScriptError& error) {
      shown = Narrow(error.Message());
    }
  });
  ASSERT_TRUE(ran) << "no thread";
  EXPECT_TRUE(shown.starts_with(kOverflow)) << shown;
}

}  // namespace
