#include "toolkit/graphics/color.h"

#include "toolkit/graphics/backend.h"

namespace toolkit {

namespace {

struct NamedColor {
  Color value;
  const Char* name;
};

constexpr NamedColor kNamedColors[] = {
    {clBlack, u"clBlack"},
    {clMaroon, u"clMaroon"},
    {clGreen, u"clGreen"},
    {clOlive, u"clOlive"},
    {clNavy, u"clNavy"},
    {clPurple, u"clPurple"},
    {clTeal, u"clTeal"},
    {clGray, u"clGray"},
    {clSilver, u"clSilver"},
    {clRed, u"clRed"},
    {clLime, u"clLime"},
    {clYellow, u"clYellow"},
    {clBlue, u"clBlue"},
    {clFuchsia, u"clFuchsia"},
    {clAqua, u"clAqua"},
    {clWhite, u"clWhite"},
    {clNone, u"clNone"},
    {clDefault, u"clDefault"},
    {clScrollBar, u"clScrollBar"},
    {clBackground, u"clBackground"},
    {clActiveCaption, u"clActiveCaption"},
    {clInactiveCaption, u"clInactiveCaption"},
    {clMenu, u"clMenu"},
    {clWindow, u"clWindow"},
    {clWindowFrame, u"clWindowFrame"},
    {clMenuText, u"clMenuText"},
    {clWindowText, u"clWindowText"},
    {clCaptionText, u"clCaptionText"},
    {clActiveBorder, u"clActiveBorder"},
    {clInactiveBorder, u"clInactiveBorder"},
    {clAppWorkSpace, u"clAppWorkSpace"},
    {clHighlight, u"clHighlight"},
    {clHighlightText, u"clHighlightText"},
    {clBtnFace, u"clBtnFace"},
    {clBtnShadow, u"clBtnShadow"},
    {clGrayText, u"clGrayText"},
    {clBtnText, u"clBtnText"},
    {clInactiveCaptionText, u"clInactiveCaptionText"},
    {clBtnHighlight, u"clBtnHighlight"},
    {cl3DDkShadow, u"cl3DDkShadow"},
    {cl3DLight, u"cl3DLight"},
    {clInfoText, u"clInfoText"},
    {clInfoBk, u"clInfoBk"},
    {clHotLight, u"clHotLight"},
    {clGradientActiveCaption, u"clGradientActiveCaption"},
    {clGradientInactiveCaption, u"clGradientInactiveCaption"},
    {clMenuHighlight, u"clMenuHighlight"},
    {clMenuBar, u"clMenuBar"},
};

}  // namespace

Color ColorToRgb(Color color) {
  if (color & kSystemColorFlag) return CurrentBackend().SystemColorValue(color & 0xFF);
  return color;
}

String ColorToString(Color color) {
  for (const NamedColor& named : kNamedColors)
    if (named.value == color) return named.name;
  static constexpr char kHex[] = "0123456789ABCDEF";
  String text = u"$";
  const auto bits = static_cast<std::uint32_t>(color);
  for (int shift = 28; shift >= 0; shift -= 4) text += static_cast<Char>(kHex[bits >> shift & 0xF]);
  return text;
}

bool StringToColor(StringView text, Color& color) {
  for (const NamedColor& named : kNamedColors) {
    if (CompareTextIgnoringCase(named.name, text) == 0) {
      color = named.value;
      return true;
    }
  }
  if (text.empty()) return false;
  const bool hex = text[0] == u'$';
  const bool negative = !hex && text[0] == u'-';
  StringView digits = hex || negative ? text.substr(1) : text;
  if (digits.empty() || digits.size() > (hex ? 8u : 10u)) return false;
  long long value = 0;
  for (Char c : digits) {
    int digit = -1;
    if (c >= u'0' && c <= u'9') digit = c - u'0';
    else if (hex && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
    else if (hex && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
    if (digit < 0) return false;
    value = value * (hex ? 16 : 10) + digit;
  }
  if (negative) value = -value;
  if (!hex && (value > 0x7FFFFFFFLL || value < -0x80000000LL)) return false;
  color = static_cast<Color>(static_cast<std::uint32_t>(value));
  return true;
}

}  // namespace toolkit
