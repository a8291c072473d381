// A list of same-sized images drawn by index. Anyone holding a change link
// registered with the list hears of every change.
#pragma once
#include <memory>
#include <vector>

#include "toolkit/core/component.h"
#include "toolkit/graphics/bitmap.h"

namespace toolkit {

class ImageList;

// How a list draws its images when not told otherwise.
enum class DrawingStyle { Focus, Selected, Normal, Transparent };

// Image drawing styles, with the values of the platform's own: transparent
// leaves masked pixels alone, blending mixes the image with the foreground
// colour (a quarter or a half), and an overlay mask names an overlay image
// drawn on top.
namespace ild {
inline constexpr unsigned Normal = 0;
inline constexpr unsigned Transparent = 1;
inline constexpr unsigned Blend25 = 2;
inline constexpr unsigned Focus = Blend25;
inline constexpr unsigned Blend50 = 4;
inline constexpr unsigned Selected = Blend50;
inline constexpr unsigned OverlayMask = 0xF00;
}  // namespace ild
// Overlays are numbered 0 to 14.
inline constexpr int kOverlayCount = 15;
constexpr unsigned OverlayStyle(int overlay) { return static_cast<unsigned>(overlay + 1) << 8; }

class ChangeLink : public Object {
 public:
  ~ChangeLink() override;
  ImageList* Sender() const { return sender_; }
  NotifyEvent OnChange;

 private:
  friend class ImageList;
  ImageList* sender_ = nullptr;
};

class ImageList : public Component {
 public:
  ImageList(Component* owner, int width = 16, int height = 16);
  ~ImageList() override;

  String ClassName() const override { return u"ImageList"; }
  void Assign(const Persistent* source) override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size drops the images.
  void SetSize(int width, int height);
  int Count() const { return static_cast<int>(images_.size()); }

  // Adds the image, and its mask when given (non-zero mask pixels are drawn).
  // A bitmap wider than the list adds one image per image width. Answers the
  // index of the first added image.
  int Add(const Bitmap& image, const Bitmap* mask);
  // Pixels of the mask colour are left out when drawing.
  int AddMasked(const Bitmap& image, Color maskColor);
  void Replace(int index, const Bitmap& image, const Bitmap* mask);
  void Delete(int index);
  void Clear();
  // A copy of the image; masked-out pixels carry the list's mask colour.
  void GetBitmap(int index, Bitmap& image) const;
  // In the list's drawing style, with its background and blend colours.
  // A disabled image is drawn in grey tones.
  void Draw(Canvas& canvas, int x, int y, int index, bool enabled = true) const;
  // In the given style (ild::); background clNone is transparent and
  // clDefault the list's; foreground clDefault is the highlight colour and
  // clNone blends nothing.
  void DrawEx(Canvas& canvas, int x, int y, int index, Color background, Color foreground, unsigned style,
              bool enabled = true) const;
  // Makes the image the overlay with the number (0 to 14); false when
  // either is out of range.
  bool Overlay(int index, int overlay);

  // clNone: masked pixels stay transparent in the normal style.
  Color BkColor() const { return bkColor_; }
  void SetBkColor(Color color);
  // The foreground colour the focus and selected styles blend with.
  Color BlendColor() const { return blendColor_; }
  void SetBlendColor(Color color);
  DrawingStyle GetDrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(DrawingStyle style);
  // The drawing style as ild:: bits.
  unsigned DrawingStyleFlags() const;

  void RegisterChanges(ChangeLink* link);
  void UnRegisterChanges(ChangeLink* link);
  NotifyEvent OnChange;

 private:
  struct Entry {
    std::unique_ptr<Bitmap> image;
    Color maskColor = clNone;
  };
  void CheckIndex(int index) const;
  // The image as drawn: greyed when disabled, blended when asked.
  std::unique_ptr<Bitmap> Compose(const Entry& entry, Color foreground, unsigned style, bool enabled) const;
  Entry MakeEntry(const Bitmap& source, int left, const Bitmap* mask, Color maskColor) const;
  void Change();

  int width_;
  int height_;
  std::vector<Entry> images_;
  int overlays_[kOverlayCount];
  Color bkColor_ = clNone;
  Color blendColor_ = clNone;
  DrawingStyle drawingStyle_ = DrawingStyle::Normal;
  std::vector<ChangeLink*> links_;
};

}  // namespace toolkit
