#include "sys/replace_text.h"

#include <algorithm>
#include <vector>

namespace {

Char UpperAscii(Char c) { return c >= Char('a') && c <= Char('z') ? Char(c - ('a' - 'A')) : c; }

Text UpperAscii(TextView text) {
  Text upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](Char c) { return UpperAscii(c); });
  return upper;
}

// Positions of the occurrences in the unchanged source's coordinates.
std::vector<std::size_t> Occurrences(TextView source, TextView find, int flags) {
  Text foldedSource, foldedFind;
  if (flags & kReplaceIgnoreCase) {
    foldedSource = UpperAscii(source);
    foldedFind = UpperAscii(find);
    source = foldedSource;
    find = foldedFind;
  }
  std::vector<std::size_t> found;
  for (std::size_t at = source.find(find); at != TextView::npos; at = source.find(find, at + find.size())) {
    found.push_back(at);
    if (!(flags & kReplaceAll)) break;
  }
  return found;
}

}  // namespace

Text ReplaceText(TextView source, TextView find, TextView replacement, int flags) {
  if (find.empty()) return Text(source);
  const std::vector<std::size_t> found = Occurrences(source, find, flags);
  Text result;
  result.reserve(source.size() - found.size() * find.size() + found.size() * replacement.size());
  std::size_t copied = 0;
  for (std::size_t at : found) {
    result.append(source.substr(copied, at - copied));
    result.append(replacement);
    copied = at + find.size();
  }
  result.append(source.substr(copied));
  return result;
}
