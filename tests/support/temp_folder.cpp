#include "support/temp_folder.h"

#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/dirs.h"
#include "platform/files.h"
#include "platform/filesystem.h"

namespace {

void RemoveTree(const std::u16string& folder) {
  std::vector<platform::DirEntry> entries;
  platform::ListFolder(folder, u"*", entries);
  for (const platform::DirEntry& entry : entries) {
    const std::u16string path = folder + u"\\" + entry.name;
    if (entry.folder) RemoveTree(path);
    else platform::FileDelete(path);
  }
  platform::FolderRemove(folder);
}

}  // namespace

std::u16string Utf16(std::string_view utf8) {
  std::u16string text;
  platform::DecodeCodePage(platform::kCodePageUtf8, utf8, text);
  return text;
}

std::string Utf8(std::u16string_view text) {
  std::string bytes;
  platform::EncodeCodePage(platform::kCodePageUtf8, text, bytes);
  return bytes;
}

void TempFolderTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = std::string("qel_") + info->test_suite_name() + "_" + info->name() + "_" +
                           std::to_string(platform::MicroCounter());
  root_ = Utf16(::testing::TempDir() + name);
  ASSERT_TRUE(platform::FolderCreate(root_)) << Utf8(root_);
}

void TempFolderTest::TearDown() { RemoveTree(root_); }

std::u16string TempFolderTest::Path(std::u16string_view name) const { return root_ + u"\\" + std::u16string(name); }

void TempFolderTest::WriteFile(std::u16string_view name, std::string_view bytes) const {
  ASSERT_TRUE(platform::WriteWholeFile(Path(name), bytes)) << Utf8(name);
}

std::string TempFolderTest::ReadFile(std::u16string_view name) const {
  std::string bytes;
  EXPECT_TRUE(platform::ReadWholeFile(Path(name), bytes)) << Utf8(name);
  return bytes;
}
