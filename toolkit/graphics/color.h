// Colour values: $00BBGGRR for a plain colour; the top bit marks a system
// colour whose low byte is the system colour index.
#pragma once
#include <cstdint>

#include "toolkit/core/text.h"

namespace toolkit {

using Color = std::int32_t;

inline constexpr Color kSystemColorFlag = static_cast<Color>(0x80000000u);
constexpr Color SystemColor(int index) { return kSystemColorFlag | index; }
constexpr Color Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }
constexpr int RedOf(Color c) { return c & 0xFF; }
constexpr int GreenOf(Color c) { return c >> 8 & 0xFF; }
constexpr int BlueOf(Color c) { return c >> 16 & 0xFF; }

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clOlive = 0x008080;
inline constexpr Color clNavy = 0x800000;
inline constexpr Color clPurple = 0x800080;
inline constexpr Color clTeal = 0x808000;
inline constexpr Color clGray = 0x808080;
inline constexpr Color clSilver = 0xC0C0C0;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clYellow = 0x00FFFF;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clFuchsia = 0xFF00FF;
inline constexpr Color clAqua = 0xFFFF00;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clNone = 0x1FFFFFFF;
inline constexpr Color clDefault = 0x20000000;

inline constexpr Color clScrollBar = SystemColor(0);
inline constexpr Color clBackground = SystemColor(1);
inline constexpr Color clActiveCaption = SystemColor(2);
inline constexpr Color clInactiveCaption = SystemColor(3);
inline constexpr Color clMenu = SystemColor(4);
inline constexpr Color clWindow = SystemColor(5);
inline constexpr Color clWindowFrame = SystemColor(6);
inline constexpr Color clMenuText = SystemColor(7);
inline constexpr Color clWindowText = SystemColor(8);
inline constexpr Color clCaptionText = SystemColor(9);
inline constexpr Color clActiveBorder = SystemColor(10);
inline constexpr Color clInactiveBorder = SystemColor(11);
inline constexpr Color clAppWorkSpace = SystemColor(12);
inline constexpr Color clHighlight = SystemColor(13);
inline constexpr Color clHighlightText = SystemColor(14);
inline constexpr Color clBtnFace = SystemColor(15);
inline constexpr Color clBtnShadow = SystemColor(16);
inline constexpr Color clGrayText = SystemColor(17);
inline constexpr Color clBtnText = SystemColor(18);
inline constexpr Color clInactiveCaptionText = SystemColor(19);
inline constexpr Color clBtnHighlight = SystemColor(20);
inline constexpr Color cl3DDkShadow = SystemColor(21);
inline constexpr Color cl3DLight = SystemColor(22);
inline constexpr Color clInfoText = SystemColor(23);
inline constexpr Color clInfoBk = SystemColor(24);
inline constexpr Color clHotLight = SystemColor(26);
inline constexpr Color clGradientActiveCaption = SystemColor(27);
inline constexpr Color clGradientInactiveCaption = SystemColor(28);
inline constexpr Color clMenuHighlight = SystemColor(29);
inline constexpr Color clMenuBar = SystemColor(30);

// The plain colour a value stands for: system colours through the backend's
// table; clNone and clDefault stay as they are.
Color ColorToRgb(Color color);

// "clRed" for a named colour, else "$00BBGGRR" (eight hexadecimal digits).
String ColorToString(Color color);
// Reads either notation (and decimal numbers); false for anything else.
bool StringToColor(StringView text, Color& color);

}  // namespace toolkit
