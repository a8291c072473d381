// Cursors made from pictures, and the numbers they are registered under;
// the table destroys every cursor it made.
#pragma once
#include "toolkit/win32/windows_api.h"

#include <map>
#include <set>

#include "toolkit/graphics/bitmap.h"

namespace toolkit::win32 {

class CursorTable {
 public:
  CursorTable() = default;
  ~CursorTable();
  CursorTable(const CursorTable&) = delete;
  CursorTable& operator=(const CursorTable&) = delete;

  // Null when the system refuses the picture.
  HCURSOR Create(const Bitmap& image, Color transparentColor, Point hotSpot);
  void Register(int number, HCURSOR cursor);
  HCURSOR Registered(int number) const;

 private:
  std::set<HCURSOR> made_;
  std::map<int, HCURSOR> numbers_;
};

}  // namespace toolkit::win32
