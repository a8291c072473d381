#include "editor/bookmark_options.h"

namespace editor {

void TCodeBookMarkOpt::Assign(const toolkit::Persistent* source) {
  const auto* other = dynamic_cast<const TCodeBookMarkOpt*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  images_ = other->images_;
  if (images_ && owner_) images_->FreeNotification(owner_);
  drawFirst_ = other->drawFirst_;
  enableKeys_ = other->enableKeys_;
  glyphsVisible_ = other->glyphsVisible_;
  leftMargin_ = other->leftMargin_;
  xOffset_ = other->xOffset_;
  OnChange(this);
}

void TCodeBookMarkOpt::SetBookmarkImages(toolkit::ImageList* images) {
  if (images == images_) return;
  images_ = images;
  if (images_ && owner_) images_->FreeNotification(owner_);
  OnChange(this);
}

void TCodeBookMarkOpt::SetDrawBookmarksFirst(bool value) { Store(drawFirst_, value); }
void TCodeBookMarkOpt::SetGlyphsVisible(bool value) { Store(glyphsVisible_, value); }
void TCodeBookMarkOpt::SetLeftMargin(int value) { Store(leftMargin_, value); }
void TCodeBookMarkOpt::SetXoffset(int value) { Store(xOffset_, value); }

}  // namespace editor
