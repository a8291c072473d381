// A fresh folder per test, removed with its contents afterwards.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

std::u16string Utf16(std::string_view utf8);
std::string Utf8(std::u16string_view text);

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A name inside the folder, joined with "\" on both builds.
  std::u16string Path(std::u16string_view name) const;
  void WriteFile(std::u16string_view name, std::string_view bytes) const;
  std::string ReadFile(std::u16string_view name) const;

  std::u16string root_;
};
