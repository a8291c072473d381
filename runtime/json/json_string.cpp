#include "json_string.h"

#include <algorithm>

namespace {

size_t EscapedStringEnd(TextView text, size_t start, Text& content) {
  size_t i = start + 1;
  while (i < text.size() && text[i] != text[start]) i += text[i] == '\\' ? 2 : 1;
  i = std::min(i, text.size());
  content.assign(text.substr(start + 1, i - start - 1));
  return i;
}

// Any text the writer quotes reads back unchanged, back quotes included.
size_t DoubledStringEnd(TextView text, size_t start, Text& content) {
  const Char quote = text[start];
  size_t i = start + 1;
  for (; i < text.size(); ++i) {
    if (text[i] == quote) {
      if (i + 1 == text.size() || text[i + 1] != quote) break;
      ++i;
    }
    content += text[i];
  }
  return i;
}

}  // namespace

size_t ScanJsonString(TextView text, size_t start, bool json, Text& content) {
  content.clear();
  return json ? EscapedStringEnd(text, start, content) : DoubledStringEnd(text, start, content);
}
