#include "compile_fixture.h"
#include "platform/dirs.h"
#include "platform/files.h"

// The parser's fuzz inputs, compiled into trees: odd input gives messages,
// never a crash, and the tree and everything the parser held are released.
TEST(BuilderCorpus, EveryFuzzInputCompilesAndIsReleased) {
  const std::u16string folder = u"" QEL_PARSE_CORPUS;
  std::vector<platform::DirEntry> entries;
  ASSERT_TRUE(platform::ListFolder(folder, u"*", entries));
  const int32_t nodesBefore = CNode::LiveCount();
  int compiled = 0;
  for (const platform::DirEntry& entry : entries) {
    if (entry.folder) continue;
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(folder + u"/" + entry.name, bytes));
    SCOPED_TRACE(Utf8(entry.name));
    try {
      UnloadModules(LoadModule(Widen(bytes), &NewListingCompiler, nullptr, {}));
    } catch (const EScriptError&) {
      // A missing base class or an unreadable "use" file ends a compile.
    }
    ASSERT_EQ(CNode::LiveCount(), nodesBefore);
    ++compiled;
  }
  EXPECT_GT(compiled, 0);
}
