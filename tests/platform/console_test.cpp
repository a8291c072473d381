#include "platform/console.h"
#include "platform/errors.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

class ConsoleTest : public TempFolderTest {};

TEST_F(ConsoleTest, StandardOutputTakesBytes) {
  const FileHandle output = StandardHandle(StdStream::Output);
  ASSERT_NE(output, kInvalidFile);
  EXPECT_TRUE(WriteString(output, "[platform console check]\n"));
  EXPECT_NE(StandardHandle(StdStream::Error), kInvalidFile);
}

TEST_F(ConsoleTest, FilesAreNoTerminals) {
  const FileHandle file = CreateAlways(Path(u"plain.txt"));
  ASSERT_NE(file, kInvalidFile);
  EXPECT_FALSE(IsTerminal(file));
  CloseFile(file);
}

#ifndef _WIN32
TEST_F(ConsoleTest, NativeProcessesHaveTheParentsConsole) {
  EXPECT_TRUE(AttachParentConsole());
  EXPECT_TRUE(DetachConsole());
}
#endif

}  // namespace
