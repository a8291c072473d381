// Without Windows there is no COM: the names exist and say so.
#include "host_fixture.h"

using namespace runtime;

namespace {

class NoCom : public HostTest {};

TEST_F(NoCom, NewObjAndToEventNeedWindows) {
  EXPECT_EQ(Run("\"Scripting.Dictionary\".NewObj();"), "error: NewObj: COM objects need Windows");
  EXPECT_EQ(Run("(x -> x).@toEvent();"), "error: @toEvent: COM events need Windows");
}

}  // namespace
