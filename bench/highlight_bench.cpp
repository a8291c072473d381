// Highlights a generated script line by line through the language
// highlighter, as the editor scans a file, and prints processor time and
// MB/s for 250,000, 500,000 and 1,000,000 lines (best of three runs each).
// Usage: qel_highlight_bench [LINES...]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "ide/qel_syntax.h"

namespace {

// A mix of what scripts hold: keywords, names, numbers, strings, regex
// literals, line and block comments, and strings and comments over lines.
const char16_t* const kTemplate[] = {
    u"use \"lib/util.qel\"",
    u"# Counts the words of each line and keeps the longest.",
    u"class Counter is",
    u"  var total = 0, longest = \"\", seen = {}",
    u"  count(line) is",
    u"    for each word in line.split(/\\s+/g) do",
    u"      if word.length > longest.length then longest = word end",
    u"      seen[word] = (seen[word] or 0) + 1; total += 1",
    u"    end",
    u"    return total * 2.5 / 100 // a share",
    u"  end",
    u"end",
    u"#* A block comment",
    u"   over two lines #",
    u"x = $\"^(\\d+)-(\\w+)$\"i; y = 'it''s' & \"text with \"\" quote\"",
    u"while n <= 0x1F and not done do n = n + 1; print(n, \"\\t\", n mod 7) end",
    u"message = \"a string that",
    u"goes on\" & `back` & %x/y%",
    u"try raise \"failed\" except e do print(e.message) finally close() end",
    u"",
};

std::vector<std::u16string> MakeScript(std::size_t lines) {
  std::vector<std::u16string> script;
  script.reserve(lines);
  const std::size_t count = sizeof kTemplate / sizeof kTemplate[0];
  for (std::size_t i = 0; i < lines; ++i) script.emplace_back(kTemplate[i % count]);
  return script;
}

// The file's size in UTF-8 with CR LF line ends.
std::size_t FileBytes(const std::vector<std::u16string>& script) {
  std::size_t bytes = 0;
  for (const std::u16string& line : script) {
    for (char16_t c : line) bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    bytes += 2;
  }
  return bytes;
}

// Scans every line; answers a sum of the token kinds so the work stays.
long Highlight(ide::TQelSyntax& h, const std::vector<std::u16string>& script) {
  long sum = 0;
  editor::TCodeRangeState state = 0;
  h.ClearState();
  for (std::size_t i = 0; i < script.size(); ++i) {
    if (i > 0) h.RestoreState(state);
    for (h.StartLine(script[i], static_cast<int>(i)); !h.ScanFinished(); h.Next())
      sum += h.TokenClass() + (h.TokenStyle() ? 1 : 0);
    state = h.LineEndState();
  }
  return sum;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::size_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(static_cast<std::size_t>(std::strtoul(argv[i], nullptr, 10)));
  if (sizes.empty()) sizes = {250000, 500000, 1000000};
  std::printf("%10s %10s %12s %8s\n", "lines", "MB", "cpu ms", "MB/s");
  for (std::size_t lines : sizes) {
    const std::vector<std::u16string> script = MakeScript(lines);
    const double megabytes = static_cast<double>(FileBytes(script)) / 1e6;
    ide::TQelSyntax h(nullptr);
    double best = 1e300;
    long sum = 0;
    for (int run = 0; run < 3; ++run) {
      const std::clock_t start = std::clock();
      sum += Highlight(h, script);
      best = std::min(best, static_cast<double>(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC);
    }
    std::printf("%10zu %10.1f %12.1f %8.1f\n", lines, megabytes, best, megabytes / (best / 1000.0));
    if (sum == 0) return 1;
  }
  return 0;
}
