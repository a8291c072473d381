#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/text_clipboard.h"
#include "editor/text_measure.h"
#include "editor/unicode_text.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/controls/clipboard.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/headless/recording_device.h"

using namespace editor;
using toolkit::String;

namespace {

TEST(TextHelpers, TrimRepeatAndCase) {
  EXPECT_EQ(TrimText(u" \t\r\n a b \x01"), u"a b");
  EXPECT_EQ(TrimText(toolkit::StringView(u"\x20\x1F\x00", 3)), u"");
  EXPECT_EQ(TrimText(u""), u"");
  EXPECT_EQ(TrimText(u"\u00A0x\u00A0"), u"\u00A0x\u00A0");  // only up to U+0020
  EXPECT_EQ(RepeatChar(u'-', 3), u"---");
  EXPECT_EQ(RepeatChar(u'-', 0), u"");
  EXPECT_EQ(RepeatChar(u'-', -2), u"");
  EXPECT_EQ(UpperCaseText(u"abc\u00E9\u0444z"), u"ABC\u00C9\u0424Z");
  EXPECT_EQ(LowerCaseText(u"ABC\u00C9\u0424Z"), u"abc\u00E9\u0444z");
  EXPECT_EQ(UpperCaseText(u"\u00DF").size(), 1u);  // one character stays one
}

TEST(TextHelpers, SwapStopsAtTheZeroOrTheEnd) {
  char16_t units[] = {0x4100, 0x1234, 0, 0x4100};
  SwapCodeUnitBytes(units);
  EXPECT_EQ(units[0], 0x0041);
  EXPECT_EQ(units[1], 0x3412);
  EXPECT_EQ(units[3], 0x4100);
  char16_t unended[] = {0x0100, 0x0200};
  SwapCodeUnitBytes(std::span<char16_t>(unended, 1));
  EXPECT_EQ(unended[0], 0x0001);
  EXPECT_EQ(unended[1], 0x0200);
}

TEST(TextHelpers, AnsiTextInAnUnknownCodePageReadsAsTheSystems) {
  EXPECT_EQ(AnsiToUnicode("abc", 99999), u"abc");
  EXPECT_EQ(AnsiToUnicode("", 0), u"");
}

class TextClipboard : public ::testing::Test {
 protected:
  void SetUp() override { backend = &toolkit::headless::Install(); }
  toolkit::headless::HeadlessBackend* backend = nullptr;
};

TEST_F(TextClipboard, UnicodeTextGoesAndComesBack) {
  EXPECT_FALSE(ClipboardHasText());
  EXPECT_EQ(ReadClipboardText(), u"");
  WriteClipboardText(u"caf\u00E9\r\n\u4E2D");
  EXPECT_TRUE(ClipboardHasText());
  EXPECT_EQ(ReadClipboardText(), u"caf\u00E9\r\n\u4E2D");
  // An empty text leaves the clipboard as it was.
  WriteClipboardText(u"");
  EXPECT_EQ(ReadClipboardText(), u"caf\u00E9\r\n\u4E2D");
}

TEST_F(TextClipboard, WritingTextReplacesEveryOtherFormat) {
  toolkit::Clipboard& clipboard = toolkit::TheClipboard();
  const std::uint8_t block[] = {1, 2, 3};
  clipboard.SetBuffer(BlockClipboardFormat(), block, sizeof block);
  WriteClipboardText(u"x");
  EXPECT_FALSE(clipboard.HasFormat(BlockClipboardFormat()));
}

TEST_F(TextClipboard, EightBitTextIsReadWhenNoUnicodeTextIsOffered) {
  toolkit::Clipboard& clipboard = toolkit::TheClipboard();
  clipboard.Open();
  const char text[] = "plain\r\ntext\0rest";
  clipboard.SetBuffer(toolkit::cfText, text, sizeof text);
  const std::uint32_t locale = 0x0409;
  clipboard.SetBuffer(toolkit::cfLocale, &locale, sizeof locale);
  clipboard.Close();
  EXPECT_TRUE(ClipboardHasText());
  EXPECT_EQ(ReadClipboardText(), u"plain\r\ntext");
}

TEST_F(TextClipboard, TheBlockFormatKeepsItsNumber) {
  const toolkit::ClipboardFormat format = BlockClipboardFormat();
  EXPECT_NE(format, 0u);
  EXPECT_EQ(BlockClipboardFormat(), format);
  EXPECT_EQ(toolkit::Clipboard::RegisterFormat(u"CodeEdit Control Block Type"), format);
}

#ifndef _WIN32
TEST_F(TextClipboard, TheClipboardIsClosedAgainWhenReadingFails) {
  toolkit::Clipboard& clipboard = toolkit::TheClipboard();
  const char text[] = "abc";
  clipboard.SetBuffer(toolkit::cfText, text, sizeof text);
  ::setenv("QEL_CODEPAGE", "99999", 1);  // no code page can read it
  EXPECT_THROW(ReadClipboardText(), toolkit::ConvertError);
  ::unsetenv("QEL_CODEPAGE");
  EXPECT_TRUE(backend->Clipboard().Open());
  backend->Clipboard().Close();
  EXPECT_EQ(ReadClipboardText(), u"abc");
}
#endif

TEST_F(TextClipboard, MeasuringAndRightToLeftText) {
  toolkit::Bitmap bitmap(100, 20);
  toolkit::Canvas& canvas = bitmap.GetCanvas();
  canvas.GetFont().SetHeight(-16);
  EXPECT_EQ(MeasureChars(canvas, u"abc"), (toolkit::Size{24, 16}));
  EXPECT_EQ(TextExtentOf(canvas, u"ab"), (toolkit::Size{16, 16}));
  EXPECT_EQ(TextWidthOf(canvas, u""), 0);
  backend->OffscreenDrawing().clear();
  canvas.GetBrush().SetStyle(toolkit::BrushStyle::Clear);
  TextRectOut(canvas, {0, 0, 50, 20}, 2, 1, u"ab");
  canvas.TextFlags = toolkit::toRtlReading;
  canvas.GetBrush().SetColor(toolkit::clWhite);
  TextRectOut(canvas, {0, 0, 50, 20}, 2, 1, u"ab");
  const auto& calls = backend->OffscreenDrawing();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_NE(calls[0].ToString().find("TextOut(2,1 \"ab\""), std::string::npos) << calls[0].ToString();
  EXPECT_NE(calls[1].ToString().find("TextOut(19,1 \"ab\""), std::string::npos) << calls[1].ToString();
}

}  // namespace
