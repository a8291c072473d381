#include "toolkit/graphics/image_list.h"

#include <algorithm>

#include "toolkit/core/exceptions.h"

namespace toolkit {

namespace {
// Masked-out pixels take a colour that no image is drawn with.
constexpr Color kMaskedOut = Rgb(0xFE, 0x00, 0xFE);
}  // namespace

ChangeLink::~ChangeLink() {
  if (sender_) sender_->UnRegisterChanges(this);
}

ImageList::ImageList(Component* owner, int width, int height) : Component(owner), width_(width), height_(height) {
  if (width <= 0 || height <= 0) throw InvalidOperation(messages::kImageListSize);
  std::fill(std::begin(overlays_), std::end(overlays_), -1);
}

ImageList::~ImageList() {
  for (ChangeLink* link : links_) link->sender_ = nullptr;
}

void ImageList::Assign(const Persistent* source) {
  const auto* other = dynamic_cast<const ImageList*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  if (other == this) return;
  width_ = other->width_;
  height_ = other->height_;
  bkColor_ = other->bkColor_;
  blendColor_ = other->blendColor_;
  drawingStyle_ = other->drawingStyle_;
  std::copy(std::begin(other->overlays_), std::end(other->overlays_), std::begin(overlays_));
  images_.clear();
  for (const Entry& entry : other->images_) {
    Entry copy{std::make_unique<Bitmap>(), entry.maskColor};
    copy.image->Assign(entry.image.get());
    images_.push_back(std::move(copy));
  }
  Change();
}

void ImageList::SetSize(int width, int height) {
  if (width <= 0 || height <= 0) throw InvalidOperation(messages::kImageListSize);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  images_.clear();
  std::fill(std::begin(overlays_), std::end(overlays_), -1);
  Change();
}

void ImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw InvalidOperation(messages::kImageIndexError);
}

ImageList::Entry ImageList::MakeEntry(const Bitmap& source, int left, const Bitmap* mask, Color maskColor) const {
  Entry entry{std::make_unique<Bitmap>(width_, height_), maskColor};
  for (int y = 0; y < height_ && y < source.Height(); ++y) {
    for (int x = 0; x < width_ && left + x < source.Width(); ++x) {
      Color pixel = source.Pixel(left + x, y);
      if (mask && (mask->Pixel(left + x, y) & 0xFFFFFF) == 0) pixel = kMaskedOut;
      entry.image->SetPixel(x, y, pixel);
    }
  }
  if (mask) entry.maskColor = kMaskedOut;
  return entry;
}

int ImageList::Add(const Bitmap& image, const Bitmap* mask) {
  if (image.Empty()) throw InvalidOperation(messages::kInvalidImage);
  const int first = Count();
  const int pieces = std::max(1, image.Width() / width_);
  for (int i = 0; i < pieces; ++i) images_.push_back(MakeEntry(image, i * width_, mask, clNone));
  Change();
  return first;
}

int ImageList::AddMasked(const Bitmap& image, Color maskColor) {
  if (image.Empty()) throw InvalidOperation(messages::kInvalidImage);
  const int first = Count();
  const int pieces = std::max(1, image.Width() / width_);
  for (int i = 0; i < pieces; ++i) images_.push_back(MakeEntry(image, i * width_, nullptr, ColorToRgb(maskColor)));
  Change();
  return first;
}

void ImageList::Replace(int index, const Bitmap& image, const Bitmap* mask) {
  CheckIndex(index);
  images_[static_cast<std::size_t>(index)] = MakeEntry(image, 0, mask, clNone);
  Change();
}

void ImageList::Delete(int index) {
  CheckIndex(index);
  images_.erase(images_.begin() + index);
  // Overlays keep naming the same images.
  for (int& overlay : overlays_) overlay = overlay == index ? -1 : overlay > index ? overlay - 1 : overlay;
  Change();
}

void ImageList::Clear() {
  images_.clear();
  std::fill(std::begin(overlays_), std::end(overlays_), -1);
  Change();
}

void ImageList::GetBitmap(int index, Bitmap& image) const {
  CheckIndex(index);
  image.Assign(images_[static_cast<std::size_t>(index)].image.get());
}

std::unique_ptr<Bitmap> ImageList::Compose(const Entry& entry, Color foreground, unsigned style,
                                           bool enabled) const {
  auto image = std::make_unique<Bitmap>(width_, height_);
  const unsigned blend = style & ild::Blend50 ? 128 : style & ild::Blend25 ? 64 : 0;
  const Color mixWith = ColorToRgb(foreground == clDefault ? clHighlight : foreground);
  for (int py = 0; py < height_; ++py) {
    for (int px = 0; px < width_; ++px) {
      Color c = entry.image->Pixel(px, py);
      if (c == entry.maskColor) {
        image->SetPixel(px, py, kMaskedOut);
        continue;
      }
      if (!enabled) {
        const int level = (RedOf(c) * 30 + GreenOf(c) * 59 + BlueOf(c) * 11) / 100 / 2 + 96;
        c = Rgb(level, level, level);
      }
      if (blend && foreground != clNone) {
        const auto mix = [blend](int own, int other) {
          return static_cast<int>((static_cast<unsigned>(own) * (256 - blend) + static_cast<unsigned>(other) * blend) /
                                  256);
        };
        c = Rgb(mix(RedOf(c), RedOf(mixWith)), mix(GreenOf(c), GreenOf(mixWith)), mix(BlueOf(c), BlueOf(mixWith)));
      }
      image->SetPixel(px, py, c);
    }
  }
  return image;
}

void ImageList::Draw(Canvas& canvas, int x, int y, int index, bool enabled) const {
  DrawEx(canvas, x, y, index, bkColor_, blendColor_, DrawingStyleFlags(), enabled);
}

void ImageList::DrawEx(Canvas& canvas, int x, int y, int index, Color background, Color foreground, unsigned style,
                       bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const Entry& entry = images_[static_cast<std::size_t>(index)];
  const Rect dest = MakeBounds(x, y, width_, height_);
  const Rect whole{0, 0, width_, height_};
  const std::unique_ptr<Bitmap> image = Compose(entry, foreground, style, enabled);
  const bool masked = entry.maskColor != clNone;
  if (background == clDefault) background = bkColor_;
  if (masked && !(style & ild::Transparent) && background != clNone) {
    // The background shows through the masked pixels.
    const Color savedColor = canvas.GetBrush().BrushColor();
    const BrushStyle savedStyle = canvas.GetBrush().Style();
    canvas.GetBrush().SetColor(background);
    canvas.FillRect(dest);
    canvas.GetBrush().SetColor(savedColor);
    canvas.GetBrush().SetStyle(savedStyle);
  }
  canvas.DrawPart(dest, *image, whole, masked ? kMaskedOut : clNone);
  const int overlay = static_cast<int>((style & ild::OverlayMask) >> 8) - 1;
  if (overlay >= 0 && overlay < kOverlayCount && overlays_[overlay] >= 0 && overlays_[overlay] < Count())
    DrawEx(canvas, x, y, overlays_[overlay], clNone, foreground, (style & ~ild::OverlayMask) | ild::Transparent,
           enabled);
}

bool ImageList::Overlay(int index, int overlay) {
  if (index < 0 || index >= Count() || overlay < 0 || overlay >= kOverlayCount) return false;
  overlays_[overlay] = index;
  return true;
}

void ImageList::SetBkColor(Color color) {
  if (color == bkColor_) return;
  bkColor_ = color;
  Change();
}

void ImageList::SetBlendColor(Color color) {
  if (color == blendColor_) return;
  blendColor_ = color;
  Change();
}

void ImageList::SetDrawingStyle(DrawingStyle style) {
  if (style == drawingStyle_) return;
  drawingStyle_ = style;
  Change();
}

unsigned ImageList::DrawingStyleFlags() const {
  switch (drawingStyle_) {
    case DrawingStyle::Focus: return ild::Focus;
    case DrawingStyle::Selected: return ild::Selected;
    case DrawingStyle::Transparent: return ild::Transparent;
    case DrawingStyle::Normal: break;
  }
  return ild::Normal;
}

void ImageList::RegisterChanges(ChangeLink* link) {
  if (!link || link->sender_ == this) return;
  if (link->sender_) link->sender_->UnRegisterChanges(link);
  link->sender_ = this;
  links_.push_back(link);
}

void ImageList::UnRegisterChanges(ChangeLink* link) {
  if (!link || link->sender_ != this) return;
  link->sender_ = nullptr;
  links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
}

void ImageList::Change() {
  const std::vector<ChangeLink*> links = links_;
  for (ChangeLink* link : links) link->OnChange(this);
  OnChange(this);
}

}  // namespace toolkit
