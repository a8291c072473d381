// The option rules in-process: which argument matches, and what its value is.
#include <gtest/gtest.h>

#include "runner/options.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

std::vector<Text> Arguments(std::initializer_list<const char*> arguments) {
  std::vector<Text> texts;
  for (const char* argument : arguments) texts.push_back(Widen(argument));
  return texts;
}

TEST(RunnerOptionRules, ValueFollowsTheNameLessOneSeparator) {
  struct Case {
    std::initializer_list<const char*> arguments;
    const char* name;
    const char* value;
  } cases[] = {
      {{"-log"}, "log", "true"},
      {{"-log:out.txt"}, "log", "out.txt"},
      {{"-log=out.txt"}, "log", "out.txt"},
      {{"-log::x"}, "log", ":x"},
      // A separator with nothing after it is the value itself.
      {{"-log:"}, "log", ":"},
      {{"-logfile"}, "log", "file"},
      {{"-Log:x"}, "log", ""},
      {{"x.qel", "-qel:a.qel", "-qel:b.qel"}, "qel", "a.qel"},
      {{"qel"}, "qel", ""},
      {{"-gui", "-g:x"}, "g", "ui"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Narrow(CRunnerOptions(Arguments(c.arguments)).GetOption(Widen(c.name))), c.value);
  }
}

TEST(RunnerOptionRules, PlainArgumentFromAPosition) {
  const CRunnerOptions options(Arguments({"-v", "first.qel", "-gui", "second.qel"}));
  EXPECT_EQ(Narrow(options.GetOptionOrArg(QT("qel"), 1)), "first.qel");
  EXPECT_EQ(Narrow(options.GetOptionOrArg(QT("qel"), 3)), "second.qel");
  EXPECT_EQ(Narrow(options.GetOptionOrArg(QT("qel"), 5)), "");
  EXPECT_EQ(Narrow(options.GetOptionOrArg(QT("log"), 0)), "");
#ifdef _WIN32
  EXPECT_EQ(Narrow(CRunnerOptions(Arguments({"/v", "C:\\a.qel"})).GetOptionOrArg(QT("qel"), 1)), "C:\\a.qel");
#else
  EXPECT_EQ(Narrow(CRunnerOptions(Arguments({"/tmp/a.qel"})).GetOptionOrArg(QT("qel"), 1)), "/tmp/a.qel");
#endif
}

TEST(RunnerOptionRules, BooleanValuesConvertOrReadFalse) {
  struct Case {
    const char* argument;
    bool value;
  } cases[] = {{"-v", true},       {"-v:1", true},   {"-v=Yes", true},  {"-vTRUE", true}, {"-v:-1", true},
               {"-v:0", false},    {"-vx", false},   {"-v:no", false},  {"-V", false},    {"v", false},
               {"-v:false", false}, {"-verbose", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument);
    EXPECT_EQ(CRunnerOptions(Arguments({c.argument})).GetBoolOption(QT("v"), 0), c.value);
  }
  EXPECT_FALSE(CRunnerOptions({}).GetBoolOption(QT("gui"), 0));
}

}  // namespace
