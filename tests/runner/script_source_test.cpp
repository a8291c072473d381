// The names of compiled scripts looked for beside the program file.
#include <gtest/gtest.h>

#include "runner/script_source.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

std::vector<std::string> Names(const char* programPath) {
  std::vector<std::string> names;
  for (const Text& name : SiblingScriptNames(Widen(programPath))) names.push_back(Narrow(name));
  return names;
}

using NameList = std::vector<std::string>;

TEST(SiblingScriptNames, ExtensionsOfTheProgramFile) {
  EXPECT_EQ(Names("C:\\tools\\qelu.exe"), (NameList{"C:\\tools\\qelu.qob", "C:\\tools\\qelu.qex"}));
  EXPECT_EQ(Names("/opt/qel/qelu"), (NameList{"/opt/qel/qelu.qob", "/opt/qel/qelu.qex"}));
  // Dots in folder names are no extension.
  EXPECT_EQ(Names("/opt/qel.d/qelu"), (NameList{"/opt/qel.d/qelu.qob", "/opt/qel.d/qelu.qex"}));
  EXPECT_EQ(Names("C:\\a.b\\x.qex.exe"), (NameList{"C:\\a.b\\x.qex.qob", "C:\\a.b\\x.qex.qex", "C:\\a.b\\x.qex"}));
  EXPECT_EQ(Names("/a/app.txt.bin"), (NameList{"/a/app.txt.qob", "/a/app.txt.qex", "/a/app.qex"}));
}

}  // namespace
