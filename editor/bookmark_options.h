// How the editor shows bookmarks in its gutter.
#pragma once
#include "editor/option_object.h"
#include "toolkit/graphics/image_list.h"

namespace editor {

class TCodeBookMarkOpt : public TCodeOptionObject {
 public:
  // A new image list is asked to tell the owner when it is freed.
  explicit TCodeBookMarkOpt(toolkit::Component* owner) : owner_(owner) {}

  toolkit::String ClassName() const override { return u"TCodeBookMarkOpt"; }
  // From other bookmark options: the six values, one OnChange.
  void Assign(const toolkit::Persistent* source) override;

  toolkit::ImageList* BookmarkImages() const { return images_; }
  void SetBookmarkImages(toolkit::ImageList* images);
  bool DrawBookmarksFirst() const { return drawFirst_; }
  void SetDrawBookmarksFirst(bool value);
  // Stored without notification: it changes no drawing.
  bool EnableKeys() const { return enableKeys_; }
  void SetEnableKeys(bool value) { enableKeys_ = value; }
  bool GlyphsVisible() const { return glyphsVisible_; }
  void SetGlyphsVisible(bool value);
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int value);
  int Xoffset() const { return xOffset_; }
  void SetXoffset(int value);

 private:
  toolkit::Component* owner_;
  toolkit::ImageList* images_ = nullptr;
  bool drawFirst_ = true;
  bool enableKeys_ = true;
  bool glyphsVisible_ = true;
  int leftMargin_ = 2;
  int xOffset_ = 12;
};

}  // namespace editor
