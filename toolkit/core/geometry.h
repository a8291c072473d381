// Points, sizes and rectangles in pixels; a rectangle excludes its right and
// bottom edges, as window rectangles do.
#pragma once
#include <algorithm>

namespace toolkit {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Point TopLeft() const { return {left, top}; }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  Rect Inflate(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
  // The overlap, or an empty rectangle at the origin.
  Rect Intersect(const Rect& other) const {
    const Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                 std::min(bottom, other.bottom)};
    return r.IsEmpty() ? Rect{} : r;
  }
  // The smallest rectangle holding both; an empty one adds nothing.
  Rect Union(const Rect& other) const {
    if (other.IsEmpty()) return *this;
    if (IsEmpty()) return other;
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect MakeBounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

}  // namespace toolkit
