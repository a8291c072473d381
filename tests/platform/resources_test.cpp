#include "platform/errors.h"
#include "platform/resources.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

#ifdef _WIN32
TEST(ResourcesTest, ReadsTheProgramsOwnResource) {
  std::string bytes;
  ASSERT_TRUE(ReadResource(u"QELTEST", u"QELDATA", bytes)) << Utf8(LastErrorText());
  EXPECT_EQ(bytes, "resource bytes\n");
}
#endif

TEST(ResourcesTest, MissingResourceFailsWithText) {
  std::string bytes;
  EXPECT_FALSE(ReadResource(u"Diz", u"QelNoSuchType", bytes));
  EXPECT_FALSE(LastErrorText().empty());
}

}  // namespace
