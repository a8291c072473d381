#include "platform/errors.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

// Code 2 is "file not found" on both builds (ENOENT, ERROR_FILE_NOT_FOUND).
TEST(ErrorsTest, LastErrorRoundTripsAndHasItsText) {
  SetLastError(2);
  EXPECT_EQ(LastError(), 2);
  EXPECT_EQ(LastErrorText(), ErrorText(2));
  EXPECT_FALSE(ErrorText(2).empty());
}

TEST(ErrorsTest, TextsEndWithoutBreaksOrPeriod) {
  for (int code : {2, 3, 5, 13, 87}) {
    const std::u16string text = ErrorText(code);
    ASSERT_FALSE(text.empty()) << code;
    EXPECT_EQ(std::u16string(u"\r\n. ").find(text.back()), std::u16string::npos) << Utf8(text);
  }
}

TEST(ErrorsTest, UnknownCodesStillGetANumberedText) {
  EXPECT_NE(ErrorText(123456789).find(u"123456789"), std::u16string::npos) << Utf8(ErrorText(123456789));
}

}  // namespace
