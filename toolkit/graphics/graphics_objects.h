// Font, pen and brush: the drawing attributes a canvas carries. Each reports
// its changes through OnChange.
#pragma once
#include <cstdint>

#include "toolkit/core/component.h"
#include "toolkit/graphics/color.h"

namespace toolkit {

class Bitmap;

using FontStyles = std::uint8_t;
enum FontStyle : FontStyles { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
enum class FontPitch { Default, Variable, Fixed };

inline constexpr int kDefaultPixelsPerInch = 96;

class GraphicsObject : public Persistent {
 public:
  NotifyEvent OnChange;

 protected:
  void Changed() { OnChange(this); }
};

class Font : public GraphicsObject {
 public:
  String ClassName() const override { return u"Font"; }
  void Assign(const Persistent* source) override;

  const String& Name() const { return name_; }
  void SetName(const String& name);
  // Points; setting it sets the pixel height (negative: the character height).
  int Size() const;
  void SetSize(int points);
  int Height() const { return height_; }
  void SetHeight(int pixels);
  Color FontColor() const { return color_; }
  void SetColor(Color color);
  FontStyles Style() const { return style_; }
  void SetStyle(FontStyles style);
  FontPitch Pitch() const { return pitch_; }
  void SetPitch(FontPitch pitch);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  int PixelsPerInch() const { return pixelsPerInch_; }

  friend bool operator==(const Font& a, const Font& b) {
    return a.name_ == b.name_ && a.height_ == b.height_ && a.color_ == b.color_ && a.style_ == b.style_ &&
           a.pitch_ == b.pitch_ && a.charset_ == b.charset_;
  }

 private:
  String name_ = u"Tahoma";
  int height_ = -11;
  Color color_ = clWindowText;
  FontStyles style_ = 0;
  FontPitch pitch_ = FontPitch::Default;
  int charset_ = 1;
  int pixelsPerInch_ = kDefaultPixelsPerInch;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };
enum class PenMode { Copy, Xor, NotXor, Not };

class Pen : public GraphicsObject {
 public:
  String ClassName() const override { return u"Pen"; }
  void Assign(const Persistent* source) override;

  Color PenColor() const { return color_; }
  void SetColor(Color color);
  int Width() const { return width_; }
  void SetWidth(int width);
  PenStyle Style() const { return style_; }
  void SetStyle(PenStyle style);
  PenMode Mode() const { return mode_; }
  void SetMode(PenMode mode);

 private:
  Color color_ = clBlack;
  int width_ = 1;
  PenStyle style_ = PenStyle::Solid;
  PenMode mode_ = PenMode::Copy;
};

enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

class Brush : public GraphicsObject {
 public:
  String ClassName() const override { return u"Brush"; }
  void Assign(const Persistent* source) override;

  Color BrushColor() const { return color_; }
  // Setting a colour makes a clear brush solid.
  void SetColor(Color color);
  BrushStyle Style() const { return style_; }
  void SetStyle(BrushStyle style);
  // A pattern bitmap (not owned) replaces the colour while it is set.
  Bitmap* Pattern() const { return pattern_; }
  void SetPattern(Bitmap* pattern);

 private:
  Color color_ = clWhite;
  BrushStyle style_ = BrushStyle::Solid;
  Bitmap* pattern_ = nullptr;
};

}  // namespace toolkit
