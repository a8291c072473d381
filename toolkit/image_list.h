// A list of same-sized images drawn by index. Anyone holding a change link
// registered with the list hears of every change.
#pragma once
#include <memory>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/component.h"

namespace toolkit {

class ImageList;

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
  void Draw(Canvas& canvas, int x, int y, int index, bool enabled = true) const;

  void RegisterChanges(ChangeLink* link);
  void UnRegisterChanges(ChangeLink* link);
  NotifyEvent OnChange;

 private:
  struct Entry {
    std::unique_ptr<Bitmap> image;
    Color maskColor = clNone;
  };
  void CheckIndex(int index) const;
  Entry MakeEntry(const Bitmap& source, int left, const Bitmap* mask, Color maskColor) const;
  void Change();

  int width_;
  int height_;
  std::vector<Entry> images_;
  std::vector<ChangeLink*> links_;
};

}  // namespace toolkit
