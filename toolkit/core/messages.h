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
inline constexpr std::uint32_t SetText = 0x000C;
inline constexpr std::uint32_t Paint = 0x000F;
inline constexpr std::uint32_t Close = 0x0010;
inline constexpr std::uint32_t EraseBkgnd = 0x0014;
inline constexpr std::uint32_t ShowWindow = 0x0018;
inline constexpr std::uint32_t CancelMode = 0x001F;
inline constexpr std::uint32_t SetCursor = 0x0020;
inline constexpr std::uint32_t GetDlgCode = 0x0087;
inline constexpr std::uint32_t NcHitTest = 0x0084;
inline constexpr std::uint32_t NcPaint = 0x0085;
inline constexpr std::uint32_t NcMouseMove = 0x00A0;
inline constexpr std::uint32_t KeyDown = 0x0100;
inline constexpr std::uint32_t KeyUp = 0x0101;
inline constexpr std::uint32_t Character = 0x0102;
inline constexpr std::uint32_t SysKeyDown = 0x0104;
inline constexpr std::uint32_t SysKeyUp = 0x0105;
inline constexpr std::uint32_t KeyLast = 0x0109;
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
inline constexpr std::uint32_t MouseLeave = 0x02A3;
inline constexpr std::uint32_t ThemeChanged = 0x031A;
inline constexpr std::uint32_t User = 0x0400;
}  // namespace msg

// The toolkit's own messages between controls.
namespace cm {
inline constexpr std::uint32_t Base = 0xB000;
inline constexpr std::uint32_t EnabledChanged = Base + 12;
inline constexpr std::uint32_t ColorChanged = Base + 13;
inline constexpr std::uint32_t FontChanged = Base + 14;
inline constexpr std::uint32_t CursorChanged = Base + 15;
inline constexpr std::uint32_t TextChanged = Base + 18;
inline constexpr std::uint32_t MouseEnter = Base + 19;
inline constexpr std::uint32_t MouseLeave = Base + 20;
inline constexpr std::uint32_t ShowHintChanged = Base + 34;
inline constexpr std::uint32_t ParentShowHintChanged = Base + 35;
inline constexpr std::uint32_t Drag = Base + 47;
// lParam points at a HintInfo; a non-zero result cancels the hint.
inline constexpr std::uint32_t HintShow = Base + 48;
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

// Mouse message key flags in wParam.
inline constexpr std::uintptr_t mkLButton = 1;
inline constexpr std::uintptr_t mkRButton = 2;
inline constexpr std::uintptr_t mkShift = 4;
inline constexpr std::uintptr_t mkControl = 8;
inline constexpr std::uintptr_t mkMButton = 0x10;
// Only drag and drop reports the Alt key this way.
inline constexpr std::uintptr_t mkAlt = 0x20;

}  // namespace toolkit
