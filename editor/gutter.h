// The editor's left margin: its colours, width, border and line numbers.
#pragma once
#include "editor/colors.h"
#include "editor/option_object.h"
#include "toolkit/graphics/graphics_objects.h"

namespace editor {

enum class TCodeGutterBorderStyle { gbsNone, gbsMiddle, gbsRight };

class TCodeGutter : public TCodeOptionObject {
 public:
  TCodeGutter();
  TCodeGutter(const TCodeGutter&) = delete;
  TCodeGutter& operator=(const TCodeGutter&) = delete;

  toolkit::String ClassName() const override { return u"TCodeGutter"; }
  // From another gutter: every property but Cursor, and the automatic digit
  // count; one OnChange.
  void Assign(const toolkit::Persistent* source) override;

  // Changes of the font fire the gutter's OnChange.
  toolkit::Font& Font() { return font_; }
  const toolkit::Font& Font() const { return font_; }
  void SetFont(const toolkit::Font& font) { font_.Assign(&font); }

  toolkit::Color Color() const { return color_; }
  void SetColor(toolkit::Color value) { Store(color_, value); }
  toolkit::Color BorderColor() const { return borderColor_; }
  void SetBorderColor(toolkit::Color value) { Store(borderColor_, value); }
  // 0 while the gutter is hidden.
  int Width() const { return visible_ ? width_ : 0; }
  void SetWidth(int value) { Store(width_, value < 0 ? 0 : value); }
  bool ShowLineNumbers() const { return showLineNumbers_; }
  void SetShowLineNumbers(bool value) { Store(showLineNumbers_, value); }
  int DigitCount() const { return digitCount_; }
  // Kept within 2..12; the automatic digit count follows it.
  void SetDigitCount(int value);
  bool LeadingZeros() const { return leadingZeros_; }
  void SetLeadingZeros(bool value) { Store(leadingZeros_, value); }
  bool ZeroStart() const { return zeroStart_; }
  void SetZeroStart(bool value) { Store(zeroStart_, value); }
  int LeftOffset() const { return leftOffset_; }
  void SetLeftOffset(int value) { Store(leftOffset_, value < 0 ? 0 : value); }
  int RightOffset() const { return rightOffset_; }
  void SetRightOffset(int value) { Store(rightOffset_, value < 0 ? 0 : value); }
  int Cursor() const { return cursor_; }
  void SetCursor(int value) { cursor_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Store(visible_, value); }
  bool UseFontStyle() const { return useFontStyle_; }
  void SetUseFontStyle(bool value) { Store(useFontStyle_, value); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { Store(autoSize_, value); }
  TCodeGutterBorderStyle BorderStyle() const { return borderStyle_; }
  // Notifies even when unchanged.
  void SetBorderStyle(TCodeGutterBorderStyle value);
  int LineNumberStart() const { return lineNumberStart_; }
  // Negative counts as 0; ZeroStart follows whether it is 0.
  void SetLineNumberStart(int value);
  bool Gradient() const { return gradient_; }
  void SetGradient(bool value) { Store(gradient_, value); }
  toolkit::Color GradientStartColor() const { return gradientStart_; }
  void SetGradientStartColor(toolkit::Color value) { Store(gradientStart_, value); }
  toolkit::Color GradientEndColor() const { return gradientEnd_; }
  void SetGradientEndColor(toolkit::Color value) { Store(gradientEnd_, value); }
  int GradientSteps() const { return gradientSteps_; }
  void SetGradientSteps(int value) { Store(gradientSteps_, value < 2 ? 2 : value); }

  // The digits line numbers are formatted with now.
  int AutoDigitCount() const { return autoDigitCount_; }
  void UpdateAutoDigits(int lineCount);
  // The number shown for a 1-based buffer line, right-aligned in the
  // automatic digit count.
  toolkit::String LineNumberText(int line) const;
  int PaintedWidth(int charWidth) const;

 private:
  void FontChanged(toolkit::Object*) { OnChange(this); }
  long long ShownNumber(int line) const;

  toolkit::Font font_;
  toolkit::Color color_ = kColorBtnFace;
  toolkit::Color borderColor_ = kColorWindow;
  int width_ = 30;
  bool showLineNumbers_ = false;
  int digitCount_ = 4;
  int autoDigitCount_ = 4;
  bool leadingZeros_ = false;
  bool zeroStart_ = false;
  int leftOffset_ = 16;
  int rightOffset_ = 2;
  int cursor_ = 0;
  bool visible_ = true;
  bool useFontStyle_ = true;
  bool autoSize_ = false;
  TCodeGutterBorderStyle borderStyle_ = TCodeGutterBorderStyle::gbsMiddle;
  int lineNumberStart_ = 1;
  bool gradient_ = false;
  toolkit::Color gradientStart_ = kColorWindow;
  toolkit::Color gradientEnd_ = kColorBtnFace;
  int gradientSteps_ = 48;
};

}  // namespace editor
