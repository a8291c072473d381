// Window messages by number: the platform's own numbers, so that handlers
// read the same on both backends, and the toolkit's control messages.
#pragma once
#include <cstdint>

namespace toolkit {

struct Message {
  std::uint32_t msg = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  std::intptr_t result = 0;
};

namespace msg {
inline constexpr std::uint32_t Null = 0x0000;
inline constexpr std::uint32_t Create = 0x0001;
inline constexpr std::uint32_t Destroy = 0x0002;
inline constexpr std::uint32_t Move = 0x0003;
inline constexpr std::uint32_t Size = 0x0005;
inline constexpr std::uint32_t SetFocus = 0x0007;
inline constexpr std::uint32_t KillFocus = 0x0008;
inline constexpr std::uint32_t Enable = 0x000A;
inline constexpr std::uint32_t SetRedraw = 0x000B;
inline constexpr std::uint32_t SetText = 0x000C;
inline constexpr std::uint32_t GetText = 0x000D;
inline constexpr std::uint32_t GetTextLength = 0x000E;
inline constexpr std::uint32_t Paint = 0x000F;
inline constexpr std::uint32_t Close = 0x0010;
inline constexpr std::uint32_t EraseBkgnd = 0x0014;
inline constexpr std::uint32_t SysColorChange = 0x0015;
inline constexpr std::uint32_t ShowWindow = 0x0018;
inline constexpr std::uint32_t CancelMode = 0x001F;
inline constexpr std::uint32_t SetCursor = 0x0020;
inline constexpr std::uint32_t GetObject = 0x003D;
inline constexpr std::uint32_t ContextMenu = 0x007B;
inline constexpr std::uint32_t NcDestroy = 0x0082;
// lParam points at the window's rectangle in its parent's coordinates; the
// handler shrinks it to the client area (the default takes off borders and
// scroll bars, so a control reserving more calls it first).
inline constexpr std::uint32_t NcCalcSize = 0x0083;
inline constexpr std::uint32_t NcHitTest = 0x0084;
inline constexpr std::uint32_t NcPaint = 0x0085;
inline constexpr std::uint32_t GetDlgCode = 0x0087;
// The non-client mouse messages: wParam is the hit-test code, lParam the
// screen point; each lies 0x160 below its client-area twin.
inline constexpr std::uint32_t NcMouseMove = 0x00A0;
inline constexpr std::uint32_t NcLButtonDown = 0x00A1;
inline constexpr std::uint32_t NcLButtonUp = 0x00A2;
inline constexpr std::uint32_t NcLButtonDblClk = 0x00A3;
inline constexpr std::uint32_t NcRButtonDown = 0x00A4;
inline constexpr std::uint32_t NcRButtonUp = 0x00A5;
inline constexpr std::uint32_t NcRButtonDblClk = 0x00A6;
inline constexpr std::uint32_t NcMButtonDown = 0x00A7;
inline constexpr std::uint32_t NcMButtonUp = 0x00A8;
inline constexpr std::uint32_t NcMButtonDblClk = 0x00A9;
inline constexpr std::uint32_t KeyFirst = 0x0100;
inline constexpr std::uint32_t KeyDown = 0x0100;
inline constexpr std::uint32_t KeyUp = 0x0101;
inline constexpr std::uint32_t Character = 0x0102;
inline constexpr std::uint32_t SysKeyDown = 0x0104;
inline constexpr std::uint32_t SysKeyUp = 0x0105;
inline constexpr std::uint32_t KeyLast = 0x0109;
inline constexpr std::uint32_t ImeStartComposition = 0x010D;
inline constexpr std::uint32_t ImeEndComposition = 0x010E;
inline constexpr std::uint32_t ImeComposition = 0x010F;
inline constexpr std::uint32_t Timer = 0x0113;
inline constexpr std::uint32_t HScroll = 0x0114;
inline constexpr std::uint32_t VScroll = 0x0115;
inline constexpr std::uint32_t MouseMove = 0x0200;
inline constexpr std::uint32_t LButtonDown = 0x0201;
inline constexpr std::uint32_t LButtonUp = 0x0202;
inline constexpr std::uint32_t LButtonDblClk = 0x0203;
inline constexpr std::uint32_t RButtonDown = 0x0204;
inline constexpr std::uint32_t RButtonUp = 0x0205;
inline constexpr std::uint32_t RButtonDblClk = 0x0206;
inline constexpr std::uint32_t MButtonDown = 0x0207;
inline constexpr std::uint32_t MButtonUp = 0x0208;
inline constexpr std::uint32_t MButtonDblClk = 0x0209;
inline constexpr std::uint32_t MouseWheel = 0x020A;
inline constexpr std::uint32_t CaptureChanged = 0x0215;
// wParam is the drop handle the backend reads with ReadDroppedFiles.
inline constexpr std::uint32_t DropFiles = 0x0233;
inline constexpr std::uint32_t MouseLeave = 0x02A3;
inline constexpr std::uint32_t Cut = 0x0300;
inline constexpr std::uint32_t Copy = 0x0301;
inline constexpr std::uint32_t Paste = 0x0302;
inline constexpr std::uint32_t Clear = 0x0303;
inline constexpr std::uint32_t Undo = 0x0304;
inline constexpr std::uint32_t Print = 0x0317;
inline constexpr std::uint32_t PrintClient = 0x0318;
inline constexpr std::uint32_t ThemeChanged = 0x031A;
inline constexpr std::uint32_t User = 0x0400;
inline constexpr std::uint32_t App = 0x8000;
}  // namespace msg

// The toolkit's own messages between controls.
namespace cm {
inline constexpr std::uint32_t Base = 0xB000;
inline constexpr std::uint32_t ParentFontChanged = Base + 8;
inline constexpr std::uint32_t ParentColorChanged = Base + 9;
inline constexpr std::uint32_t EnabledChanged = Base + 12;
inline constexpr std::uint32_t ColorChanged = Base + 13;
inline constexpr std::uint32_t FontChanged = Base + 14;
inline constexpr std::uint32_t CursorChanged = Base + 15;
inline constexpr std::uint32_t Ctl3DChanged = Base + 16;
inline constexpr std::uint32_t TextChanged = Base + 18;
inline constexpr std::uint32_t MouseEnter = Base + 19;
inline constexpr std::uint32_t MouseLeave = Base + 20;
inline constexpr std::uint32_t ShowHintChanged = Base + 34;
inline constexpr std::uint32_t ParentShowHintChanged = Base + 35;
// The system colours changed; windowed controls pass it on to their children.
inline constexpr std::uint32_t SysColorChange = Base + 36;
inline constexpr std::uint32_t TabStopChanged = Base + 40;
inline constexpr std::uint32_t Drag = Base + 47;
// lParam points at a HintInfo; a non-zero result cancels the hint.
inline constexpr std::uint32_t HintShow = Base + 48;
inline constexpr std::uint32_t BiDiModeChanged = Base + 60;
inline constexpr std::uint32_t ParentBiDiModeChanged = Base + 61;
// Asks the control under the mouse for the pause before its hint shows:
// wParam is non-zero while a hint is showing, lParam points at the pause in
// milliseconds (an int) that the control may change.
inline constexpr std::uint32_t HintShowPause = Base + 65;
// As msg::MouseWheel: keys in the low word of wParam, the signed delta in
// its high word, the screen point in lParam. A non-zero result: handled.
inline constexpr std::uint32_t MouseWheel = Base + 67;
}  // namespace cm

// Message parameters packed the platform's way.
inline std::intptr_t PackPoint(int x, int y) {
  return static_cast<std::intptr_t>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(x)) |
                                    static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16);
}
inline int PointX(std::intptr_t packed) { return static_cast<std::int16_t>(packed & 0xFFFF); }
inline int PointY(std::intptr_t packed) { return static_cast<std::int16_t>(packed >> 16 & 0xFFFF); }

// A hit-test answer that lets the mouse through to the window below.
inline constexpr std::intptr_t kHitTransparent = -1;

// One notch of the mouse wheel.
inline constexpr int kWheelDelta = 120;
inline int WheelDeltaOf(std::uintptr_t wParam) { return static_cast<std::int16_t>(wParam >> 16 & 0xFFFF); }

// Mouse message key flags in wParam.
inline constexpr std::uintptr_t mkLButton = 1;
inline constexpr std::uintptr_t mkRButton = 2;
inline constexpr std::uintptr_t mkShift = 4;
inline constexpr std::uintptr_t mkControl = 8;
inline constexpr std::uintptr_t mkMButton = 0x10;
// Only drag and drop reports the Alt key this way.
inline constexpr std::uintptr_t mkAlt = 0x20;

}  // namespace toolkit
