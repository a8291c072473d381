#include "editor/gutter.h"

#include <algorithm>

namespace editor {

TCodeGutter::TCodeGutter() {
  font_.SetName(u"Courier New");
  font_.SetSize(8);
  font_.SetStyle(0);
  font_.OnChange = toolkit::NotifyEvent(this, &TCodeGutter::FontChanged);
}

void TCodeGutter::Assign(const toolkit::Persistent* source) {
  const auto* other = dynamic_cast<const TCodeGutter*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  // One notification for the whole copy, the font's included.
  font_.OnChange = nullptr;
  font_.Assign(&other->font_);
  font_.OnChange = toolkit::NotifyEvent(this, &TCodeGutter::FontChanged);
  color_ = other->color_;
  borderColor_ = other->borderColor_;
  width_ = other->width_;
  showLineNumbers_ = other->showLineNumbers_;
  digitCount_ = other->digitCount_;
  autoDigitCount_ = other->autoDigitCount_;
  leadingZeros_ = other->leadingZeros_;
  zeroStart_ = other->zeroStart_;
  leftOffset_ = other->leftOffset_;
  rightOffset_ = other->rightOffset_;
  visible_ = other->visible_;
  useFontStyle_ = other->useFontStyle_;
  autoSize_ = other->autoSize_;
  borderStyle_ = other->borderStyle_;
  lineNumberStart_ = other->lineNumberStart_;
  gradient_ = other->gradient_;
  gradientStart_ = other->gradientStart_;
  gradientEnd_ = other->gradientEnd_;
  gradientSteps_ = other->gradientSteps_;
  OnChange(this);
}

void TCodeGutter::SetDigitCount(int value) {
  value = std::clamp(value, 2, 12);
  if (value == digitCount_) return;
  digitCount_ = value;
  autoDigitCount_ = value;
  OnChange(this);
}

void TCodeGutter::SetBorderStyle(TCodeGutterBorderStyle value) {
  borderStyle_ = value;
  OnChange(this);
}

void TCodeGutter::SetLineNumberStart(int value) {
  if (value < 0) value = 0;
  zeroStart_ = value == 0;
  Store(lineNumberStart_, value);
}

long long TCodeGutter::ShownNumber(int line) const {
  if (zeroStart_) return static_cast<long long>(line) - 1;
  if (lineNumberStart_ > 1) return static_cast<long long>(line) + lineNumberStart_ - 1;
  return line;
}

void TCodeGutter::UpdateAutoDigits(int lineCount) {
  if (!(visible_ && autoSize_ && showLineNumbers_)) {
    autoDigitCount_ = digitCount_;
    return;
  }
  long long highest = ShownNumber(lineCount);
  int digits = 1;
  for (; highest >= 10; highest /= 10) ++digits;
  digits = std::max(digits, digitCount_);
  if (digits == autoDigitCount_) return;
  autoDigitCount_ = digits;
  OnChange(this);
}

toolkit::String TCodeGutter::LineNumberText(int line) const {
  const long long number = ShownNumber(line);
  toolkit::String digits = toolkit::IntToString(number);
  const int pad = autoDigitCount_ - static_cast<int>(digits.size());
  if (pad <= 0) return digits;
  return toolkit::String(static_cast<std::size_t>(pad), leadingZeros_ ? u'0' : u' ') + digits;
}

int TCodeGutter::PaintedWidth(int charWidth) const {
  if (!visible_) return 0;
  if (showLineNumbers_) return leftOffset_ + rightOffset_ + autoDigitCount_ * charWidth + 2;
  return width_;
}

}  // namespace editor
