#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "runtime/error.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "support/sys_fixture.h"
#include "runtime/sys/file_text.h"

using namespace runtime;

namespace {

using SysFileText = SysFolderTest;

// How the system code page decodes bytes that carry no mark.
Text SystemText(std::string_view bytes) {
  std::u16string text;
  platform::DecodeCodePage(0, bytes, text);
  return TextFromUtf16(text);
}

Text MessageOf(void (*action)(const Text&), const Text& name) {
  try {
    action(name);
  } catch (const EScriptError& error) {
    return error.Message();
  }
  return T("no error");
}

struct RoundTrip {
  const char* label;
  int writeCodePage;
  Text text;
  std::string bytes;
  int readCodePage;
  int usedCodePage;
  Text readBack;
};

#ifndef QEL_ANSI
const RoundTrip kRoundTrips[] = {
    {"utf-16le", 1200, u"a\u00e9\u20ac\U0001D11E", std::string("\xFF\xFE" "a\0\xE9\0\xAC\x20\x34\xD8\x1E\xDD", 12), 0, 1200,
     u"a\u00e9\u20ac\U0001D11E"},
    {"utf-16be", 1201, u"a\u00e9\u20ac\U0001D11E", std::string("\xFE\xFF\0a\0\xE9\x20\xAC\xD8\x34\xDD\x1E", 12), 0, 1201,
     u"a\u00e9\u20ac\U0001D11E"},
    {"utf-8", 65001, u"a\u00e9\u20ac\U0001D11E", "\xEF\xBB\xBF" "a\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E", 0, 65001,
     u"a\u00e9\u20ac\U0001D11E"},
    {"utf-8 without mark", 10056, u"a\u00e9\u20ac", "a\xC3\xA9\xE2\x82\xAC", 65001, 65001, u"a\u00e9\u20ac"},
    {"windows-1252", 1252, u"a\u00e9\u20ac", "a\xE9\x80", 1252, 1252, u"a\u00e9\u20ac"},
    {"windows-1252 unmapped", 1252, u"\u0416", "?", 1252, 1252, u"?"},
    {"gbk", 936, u"\u4e2d\u6587", "\xD6\xD0\xCE\xC4", 936, 936, u"\u4e2d\u6587"},
    {"low bytes", 0xFFFF, u"a\u00e9\u0141", "a\xE9\x41", -1, 0xFFFF, u"a\u00e9A"},
    {"-1 is 0xFFFF", -1, u"\u0141\u00ff", "\x41\xFF", 0xFFFF, 0xFFFF, u"A\u00ff"},
    {"a given code page keeps the mark", 1200, u"a", std::string("\xFF\xFE" "a\0", 4), 1200, 1200, u"\uFEFFa"},
};
#else
const RoundTrip kRoundTrips[] = {
    {"utf-16le ignored", 1200, "a\xE9\x80", "a\xE9\x80", 0, 0, "a\xE9\x80"},
    {"utf-8 ignored", 65001, "a\xE9", "a\xE9", 65001, 65001, "a\xE9"},
    {"low bytes ignored", 0xFFFF, "\xFF\x01", "\xFF\x01", -1, -1, "\xFF\x01"},
    {"unknown code page ignored", 12345, "abc", "abc", 12345, 12345, "abc"},
};
#endif

TEST_F(SysFileText, RoundTripsInEveryCodePage) {
  for (const RoundTrip& c : kRoundTrips) {
    const Text name = Name(u"round.txt");
    WriteFileText(name, c.text, false, c.writeCodePage);
    EXPECT_EQ(ReadFile(u"round.txt"), c.bytes) << c.label;
    EXPECT_EQ(ReadFileText(name, c.readCodePage), c.readBack) << c.label;
    EXPECT_EQ(LastFileCodePage(), c.usedCodePage) << c.label;
  }
}

TEST_F(SysFileText, SystemCodePageRoundTrip) {
  const Text text = TextFromUtf16(u"plain \u00e9");
  WriteFileText(Name(u"system.txt"), text, false, 0);
  EXPECT_EQ(ReadFileText(Name(u"system.txt"), 0), text);
}

struct Detection {
  std::string bytes;
  std::optional<Text> text;  // none: as the system code page decodes the bytes
  int codePage;
};

#ifndef QEL_ANSI
const Detection kDetections[] = {
    // Files of two to four bytes are examined too: they can hold a mark.
    {"\xEF\xBB\xBF" "a", u"a", 65001},
    {std::string("\xFF\xFE" "a\0", 4), u"a", 1200},
    {std::string("\xFE\xFF\0a", 4), u"a", 1201},
    {"\xEF\xBB\xBF", u"", 65001},
    {"\xFF\xFE", u"", 1200},
    {"\xFE\xFF", u"", 1201},
    {"\xEF\xBB\xBF" "\xE2\x82\xAC x", u"\u20ac x", 65001},
    // A final odd byte of UTF-16 is dropped.
    {std::string("\xFF\xFE" "a\0b", 5), u"a", 1200},
    {"\xEF\xBB", std::nullopt, 0},
    {"\xFE", std::nullopt, 0},
    {"ab", std::nullopt, 0},
    {"abcde", std::nullopt, 0},
    {"", std::nullopt, 0},
};
#else
const Detection kDetections[] = {
    {"\xEF\xBB\xBF" "a", "\xEF\xBB\xBF" "a", 0},
    {std::string("\xFF\xFE" "a\0", 4), std::string("\xFF\xFE" "a\0", 4), 0},
    {"\xFE\xFF", "\xFE\xFF", 0},
};
#endif

TEST_F(SysFileText, MarksAreDetectedWhenTheCodePageIsZero) {
  for (const Detection& c : kDetections) {
    WriteFile(u"marked.txt", c.bytes);
    const Text expected = c.text ? *c.text : SystemText(c.bytes);
    EXPECT_EQ(ReadFileText(Name(u"marked.txt"), 0), expected) << c.bytes;
    EXPECT_EQ(LastFileCodePage(), c.codePage) << c.bytes;
  }
}

#ifndef QEL_ANSI
TEST_F(SysFileText, MinusOneGivesOneCharacterPerByte) {
  WriteFile(u"bytes.bin", std::string("\0\xFF\x80\xEF\xBB\xBF", 6));
  EXPECT_EQ(ReadFileText(Name(u"bytes.bin"), -1), std::u16string(u"\0\u00ff\u0080\u00ef\u00bb\u00bf", 6));
}

TEST_F(SysFileText, UnknownCodePageRaisesAndLeavesTheFileAlone) {
  WriteFile(u"keep.txt", "keep");
  const Text name = Name(u"keep.txt");
  EXPECT_EQ(MessageOf([](const Text& n) { WriteFileText(n, u"new", false, 12345); }, name), u"Unknown code page 12345");
  EXPECT_EQ(MessageOf([](const Text& n) { ReadFileText(n, 12345); }, name), u"Unknown code page 12345");
  EXPECT_EQ(ReadFile(u"keep.txt"), "keep");
}
#endif

TEST_F(SysFileText, RewritingCutsTheOldContents) {
  const Text name = Name(u"short.txt");
  WriteFileText(name, T("a much longer first text"), false, 65001);
  WriteFileText(name, T("ab"), false, 10056);
  EXPECT_EQ(ReadFile(u"short.txt"), "ab");
}

TEST_F(SysFileText, AppendingAddsBytesWithoutAMark) {
  const Text name = Name(u"log.txt");
  WriteFileText(name, T("ab"), false, 1201);
  WriteFileText(name, T("c"), true, 1201);
#ifndef QEL_ANSI
  EXPECT_EQ(ReadFile(u"log.txt"), std::string("\xFE\xFF\0a\0b\0c", 8));
  EXPECT_EQ(ReadFileText(name, 0), u"abc");
#else
  EXPECT_EQ(ReadFile(u"log.txt"), "abc");
#endif
}

TEST_F(SysFileText, AppendingToAMissingFileCreatesItsFoldersAndNoMark) {
  const Text name = Name(u"new/deeper\\log.txt");
  WriteFileText(name, T("x"), true, 65001);
  WriteFileText(name, T("y"), true, 65001);
  EXPECT_EQ(ReadFile(u"new\\deeper\\log.txt"), "xy");
}

TEST_F(SysFileText, NonAsciiFileNamesReachTheFileSystem) {
  WriteFileText(Name(u"caf\u00e9.txt"), T("named"), false, 10056);
  EXPECT_EQ(ReadFile(u"caf\u00e9.txt"), "named");
  EXPECT_EQ(ReadFileText(Name(u"caf\u00e9.txt"), 65001), T("named"));
}

TEST_F(SysFileText, OpenFailureNamesTheExpandedFile) {
  const std::u16string relative = u"qel-surely-missing-file.txt";
  const std::u16string expected = u"Open \"" + platform::FullPath(relative) + u"\" failed: " + platform::ErrorText(2);
  EXPECT_EQ(MessageOf([](const Text& n) { ReadFileText(n, 0); }, TextFromUtf16(relative)), TextFromUtf16(expected));
}

TEST_F(SysFileText, SaveFailureNamesTheFileAndTheSystemReason) {
  WriteFile(u"file", "x");
  ASSERT_TRUE(platform::FolderCreate(Path(u"folder")));
  for (const char16_t* blocked : {u"folder", u"file\\inside.txt"}) {
    const Text message = MessageOf([](const Text& n) { WriteFileText(n, T("lost"), false, 65001); }, Name(blocked));
    const Text prefix = TextFromUtf16(u"Save \"" + platform::FullPath(Path(blocked)) + u"\" failed: ");
    EXPECT_TRUE(message.starts_with(prefix)) << Utf8(Utf16FromText(message));
    EXPECT_GT(message.size(), prefix.size()) << Utf8(Utf16FromText(message));
  }
  EXPECT_EQ(ReadFile(u"file"), "x");
}

// Files whose size the system does not tell, devices, and failures after
// opening: each read whole, written without cutting, or named in the error.
#ifndef _WIN32
TEST_F(SysFileText, FilesWithoutATrueSizeAreReadToTheirEnd) {
  const Text status = ReadFileText(T("/proc/self/status"), 65001);
  EXPECT_NE(status.find(T("Name:")), Text::npos);
  EXPECT_NE(status.find(T("VmSize:")), Text::npos) << "read past the first piece of a file that says it is empty";
  EXPECT_EQ(ReadFileText(T("/dev/null"), 0), T(""));
}

TEST_F(SysFileText, DevicesAreWrittenWithoutBeingCut) {
  EXPECT_NO_THROW(WriteFileText(T("/dev/null"), T("x"), false, 65001));
  EXPECT_NO_THROW(WriteFileText(T("/dev/null"), T("x"), true, 65001));
}

TEST_F(SysFileText, FailuresAfterOpeningNameTheFile) {
  const Text full = MessageOf([](const Text& n) { WriteFileText(n, T("x"), false, 65001); }, T("/dev/full"));
  EXPECT_EQ(full, T("Save \"/dev/full\" failed: ") + TextFromUtf16(platform::ErrorText(ENOSPC)));
  const Text memory = MessageOf([](const Text& n) { ReadFileText(n, 0); }, T("/proc/self/mem"));
  EXPECT_EQ(memory, T("Read \"/proc/self/mem\" failed: ") + TextFromUtf16(platform::ErrorText(EIO)));
}

// An endless device read as text stops once it passes what any text could
// be made of, far below all the bytes a file may have: with room for that
// much only, it is too large, not out of memory. Sanitizers reserve more
// address space than the limit leaves.
#ifndef __SANITIZE_ADDRESS__
[[noreturn]] void ReadZeroesWithLittleRoom() {
  constexpr rlim_t kRoom = rlim_t(1536) << 20;
  const rlimit room{kRoom, kRoom};
  setrlimit(RLIMIT_AS, &room);
  const Text message = MessageOf([](const Text& n) { ReadFileText(n, 0); }, T("/dev/zero"));
  std::fputs(Utf8(Utf16FromText(message)).c_str(), stderr);
  std::exit(0);
}

TEST_F(SysFileText, AnEndlessDeviceReadAsTextStopsAtTheTextLimit) {
  EXPECT_EXIT(ReadZeroesWithLittleRoom(), testing::ExitedWithCode(0),
              "^Read \"/dev/zero\" failed: The file is too large to read$");
}
#endif
#endif

}  // namespace
