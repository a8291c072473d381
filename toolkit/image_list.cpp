#include "toolkit/image_list.h"

#include <algorithm>

#include "toolkit/exceptions.h"

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
  Change();
}

void ImageList::Clear() {
  images_.clear();
  Change();
}

void ImageList::GetBitmap(int index, Bitmap& image) const {
  CheckIndex(index);
  image.Assign(images_[static_cast<std::size_t>(index)].image.get());
}

void ImageList::Draw(Canvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const Entry& entry = images_[static_cast<std::size_t>(index)];
  if (enabled) {
    canvas.DrawPart(MakeBounds(x, y, width_, height_), *entry.image, Rect{0, 0, width_, height_}, entry.maskColor);
    return;
  }
  // Disabled images are drawn in grey tones.
  Bitmap grey(width_, height_);
  for (int py = 0; py < height_; ++py) {
    for (int px = 0; px < width_; ++px) {
      const Color c = entry.image->Pixel(px, py);
      if (c == entry.maskColor) {
        grey.SetPixel(px, py, kMaskedOut);
        continue;
      }
      const int level = (RedOf(c) * 30 + GreenOf(c) * 59 + BlueOf(c) * 11) / 100 / 2 + 96;
      grey.SetPixel(px, py, Rgb(level, level, level));
    }
  }
  canvas.DrawPart(MakeBounds(x, y, width_, height_), grey, Rect{0, 0, width_, height_},
                  entry.maskColor == clNone ? clNone : kMaskedOut);
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
