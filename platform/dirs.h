// Listing a folder's entries through a wildcard mask.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct DirEntry {
  std::u16string name;
  bool folder = false;
  bool link = false;  // a symbolic link, junction or other reparse point
  std::int64_t size = 0;
};

// Windows mask rules ("*.*" is every name, "*." names without a dot, "?" may
// match nothing before a dot), ASCII letters compared without case.
bool MaskMatches(std::u16string_view name, std::u16string_view mask);

// Entries of folder matching mask in file-system order, without "." and "..".
// An empty folder name means the current folder.
bool ListFolder(const std::u16string& folder, std::u16string_view mask, std::vector<DirEntry>& entries);

}  // namespace platform
