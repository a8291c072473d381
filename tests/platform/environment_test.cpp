#include "platform/environment.h"
#include "platform/errors.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

TEST(EnvironmentTest, SetReadAndUnset) {
  const std::u16string name = u"QEL_PLATFORM_TEST_VARIABLE";
  const std::u16string values[] = {u"v\u00e4rde \u4e2d", u"", std::u16string(5000, u'x')};
  for (const std::u16string& value : values) {
    ASSERT_TRUE(SetEnv(name, value));
    std::u16string read = u"stale";
    ASSERT_TRUE(GetEnv(name, read)) << value.size();
    EXPECT_EQ(read, value);
  }
  ASSERT_TRUE(UnsetEnv(name));
  std::u16string read;
  EXPECT_FALSE(GetEnv(name, read));
  EXPECT_FALSE(LastErrorText().empty());
}

}  // namespace
