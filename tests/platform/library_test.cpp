#include <cstring>

#include "platform/errors.h"
#include "platform/library.h"
#include "platform/memory.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

#ifdef _WIN32
constexpr char16_t kLibrary[] = u"kernel32.dll";
constexpr char kStrlen[] = "lstrlenA";
using StrlenFunction = int(__attribute__((stdcall)) *)(const char*);
#else
constexpr char16_t kLibrary[] = u"libc.so.6";
constexpr char kStrlen[] = "strlen";
using StrlenFunction = std::size_t (*)(const char*);
#endif

TEST(LibraryTest, FoundExportsCanBeCalled) {
  const LibraryHandle library = OpenLibrary(kLibrary);
  ASSERT_NE(library, nullptr) << Utf8(LastErrorText());
  const auto strlenFunction = reinterpret_cast<StrlenFunction>(LibrarySymbol(library, kStrlen));
  ASSERT_NE(strlenFunction, nullptr) << Utf8(LastErrorText());
  EXPECT_EQ(strlenFunction("seven!!"), 7u);
  EXPECT_TRUE(CloseLibrary(library));
}

TEST(LibraryTest, MathLibraryExportsCos) {
#ifdef _WIN32
  const LibraryHandle library = OpenLibrary(u"msvcrt.dll");
#else
  const LibraryHandle library = OpenLibrary(u"libm.so.6");
#endif
  ASSERT_NE(library, nullptr) << Utf8(LastErrorText());
  const auto cosine = reinterpret_cast<double (*)(double)>(LibrarySymbol(library, "cos"));
  ASSERT_NE(cosine, nullptr);
  EXPECT_EQ(cosine(0.0), 1.0);
  EXPECT_TRUE(CloseLibrary(library));
}

TEST(LibraryTest, FailuresExplainThemselves) {
  EXPECT_EQ(OpenLibrary(u"qel-no-such-library.dll"), nullptr);
  const std::u16string loadText = LastErrorText();
  EXPECT_FALSE(loadText.empty());
#ifndef _WIN32
  EXPECT_NE(loadText.find(u"qel-no-such-library.dll"), std::u16string::npos) << Utf8(loadText);
#endif

  const LibraryHandle library = OpenLibrary(kLibrary);
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(LibrarySymbol(library, "QelNoSuchExport"), nullptr);
  EXPECT_FALSE(LastErrorText().empty());
#ifndef _WIN32
  EXPECT_NE(LastErrorText().find(u"QelNoSuchExport"), std::u16string::npos) << Utf8(LastErrorText());
#endif
  EXPECT_TRUE(CloseLibrary(library));
}

TEST(LibraryTest, LaterFailuresReplaceTheLibraryText) {
  ASSERT_EQ(OpenLibrary(u"qel-no-such-library.dll"), nullptr);
  const std::u16string libraryText = LastErrorText();
  SetLastError(2);
  EXPECT_EQ(LastErrorText(), ErrorText(2));
  EXPECT_NE(LastErrorText(), libraryText);
}

TEST(ExecutableMemoryTest, RunsWrittenCode) {
  // mov eax, 42; ret -- the same bytes on i686 and x86-64.
  const unsigned char code[] = {0xB8, 0x2A, 0x00, 0x00, 0x00, 0xC3};
  void* memory = AllocExecutable(4096);
  ASSERT_NE(memory, nullptr) << Utf8(LastErrorText());
  std::memcpy(memory, code, sizeof code);
  EXPECT_EQ(reinterpret_cast<int (*)()>(memory)(), 42);
  EXPECT_TRUE(FreeExecutable(memory, 4096));
}

TEST(ExecutableMemoryTest, ZeroBytesAreRefused) {
  EXPECT_EQ(AllocExecutable(0), nullptr);
  EXPECT_FALSE(LastErrorText().empty());
}

}  // namespace
