#include "toolkit/graphics/region.h"

namespace toolkit {

void Region::Add(const Rect& rect) {
  if (!rect.IsEmpty()) rects_.push_back(rect);
}

Region Region::Intersect(const Rect& rect) const {
  Region result;
  for (const Rect& r : rects_) result.Add(r.Intersect(rect));
  return result;
}

Region Region::Intersect(const Region& other) const {
  Region result;
  for (const Rect& r : other.rects_) {
    const Region part = Intersect(r);
    result.rects_.insert(result.rects_.end(), part.rects_.begin(), part.rects_.end());
  }
  return result;
}

Region Region::Offset(int dx, int dy) const {
  Region result;
  for (const Rect& r : rects_) result.rects_.push_back(r.Offset(dx, dy));
  return result;
}

bool Region::Contains(Point point) const {
  for (const Rect& r : rects_)
    if (r.Contains(point)) return true;
  return false;
}

Rect Region::Bounds() const {
  Rect bounds;
  for (const Rect& r : rects_) bounds = bounds.Union(r);
  return bounds;
}

}  // namespace toolkit
