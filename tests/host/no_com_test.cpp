// Without Windows there is no COM and no window kit: the names exist and
// say so.
#include "host_fixture.h"

using namespace runtime;

namespace {

class NoCom : public HostTest {};

TEST_F(NoCom, NewObjAndToEventNeedWindows) {
  EXPECT_EQ(Run("\"Scripting.Dictionary\".NewObj();"), "error: NewObj: COM objects need Windows");
  EXPECT_EQ(Run("(x -> x).@toEvent();"), "error: @toEvent: COM events need Windows");
}

// Only "ui" is known to "GetLib"; another name still answers nothing.
TEST_F(NoCom, TheUiLibraryNeedsWindows) {
  EXPECT_EQ(Run("var ui = \"UI\".GetLib(); ?. \"not reached\";"), "error: GetLib: the \"ui\" library needs Windows");
  EXPECT_EQ(Run("?. \"[\" & \"other\".GetLib() & \"]\";"), "[]\r\n");
}

}  // namespace
