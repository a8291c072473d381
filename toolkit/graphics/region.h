// An area made of rectangles, for clipping a canvas to more than one
// rectangle. The rectangles may overlap; a point belongs to the region when
// any of them holds it.
#pragma once
#include <vector>

#include "toolkit/core/geometry.h"

namespace toolkit {

class Region {
 public:
  Region() = default;
  explicit Region(const Rect& rect) { Add(rect); }

  // Empty rectangles add nothing.
  void Add(const Rect& rect);
  Region Intersect(const Rect& rect) const;
  Region Intersect(const Region& other) const;
  Region Offset(int dx, int dy) const;
  bool Contains(Point point) const;
  bool IsEmpty() const { return rects_.empty(); }
  Rect Bounds() const;
  const std::vector<Rect>& Rects() const { return rects_; }

  friend bool operator==(const Region&, const Region&) = default;

 private:
  std::vector<Rect> rects_;
};

}  // namespace toolkit
