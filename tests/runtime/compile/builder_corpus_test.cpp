#include "compile_fixture.h"
#include "support/corpus_files.h"

using namespace runtime;

// The parser's fuzz inputs, compiled into trees: odd input gives messages,
// never a crash, and the tree and everything the parser held are released.
TEST(BuilderCorpus, EveryFuzzInputCompilesAndIsReleased) {
  const int32_t nodesBefore = CNode::LiveCount();
  const int compiled = ReplayCorpus(u"" QEL_PARSE_CORPUS, [&](const std::string& bytes) {
    try {
      UnloadModules(LoadModule(Widen(bytes), &NewListingCompiler, nullptr, {}));
    } catch (const EScriptError&) {
      // A missing base class or an unreadable "use" file ends a compile.
    }
    ASSERT_EQ(CNode::LiveCount(), nodesBefore);
  });
  EXPECT_GT(compiled, 0);
}
