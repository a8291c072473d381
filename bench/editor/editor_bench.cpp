// Times the editor's model over one text file: a plain std::getline loop as
// the yardstick, then loading into the line buffer, inserting lines at the
// top, scanning every line through a highlighter and wrapping every line
// at 80 columns. Prints one row per step with
// MB/s and lines/s, and the buffer's memory per line beyond its text. Rates
// are taken from the process's processor time (user and system), which a
// busy machine disturbs less than the wall clock; both times are printed.
//   editor_bench FILE [INSERTS]
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/editor/bench_highlighter.h"
#include "editor/text_buffer.h"
#include "editor/text_file_loader.h"
#include "editor/word_wrap.h"
#include "platform/memory.h"
#include "toolkit/core/strings.h"
#include "toolkit/core/text.h"

#ifdef __linux__
#include <unistd.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

struct Span {
  double wall = 0;
  double cpu = 0;
  Span operator+(Span other) const { return {wall + other.wall, cpu + other.cpu}; }
};

class Stopwatch {
 public:
  Span Elapsed() const {
    return {std::chrono::duration<double>(Clock::now() - wall_).count(),
            static_cast<double>(std::clock() - cpu_) / CLOCKS_PER_SEC};
  }

 private:
  Clock::time_point wall_ = Clock::now();
  std::clock_t cpu_ = std::clock();
};

// Resident memory in bytes, where the system tells it; 0 elsewhere.
long long ResidentBytes() {
#ifdef __linux__
  std::ifstream statm("/proc/self/statm");
  long long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
#else
  return 0;
#endif
}

void Row(const char* step, Span span, double bytes, double lines) {
  std::printf("%-14s %8.3f s wall %8.3f s cpu %9.1f MB/s %8.2f M lines/s\n", step, span.wall, span.cpu,
              bytes / span.cpu / 1e6, lines / span.cpu / 1e6);
}

class BenchEditor : public editor::WordWrapOwner {
 public:
  const editor::TCodeEditStringList& Lines() const override { return lines; }
  int CharsInWindow() const override { return 80; }
  bool IsWordBreakChar(toolkit::Char c) const override {
    return c <= u' ' || c == u'.' || c == u',' || c == u';' || c == u'(' || c == u')' || c == u'"';
  }
  toolkit::String ExpandAtWideGlyphs(const toolkit::String& expanded) const override { return expanded; }

  editor::TCodeEditStringList lines;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: editor_bench FILE [INSERTS]\n");
    return 2;
  }
  const char* path = argv[1];
  const int inserts = argc > 2 ? std::atoi(argv[2]) : 10000;

  // Yardstick: every line through std::getline.
  Stopwatch watch;
  std::ifstream plain(path, std::ios::binary);
  if (!plain) {
    std::fprintf(stderr, "editor_bench: cannot open %s\n", path);
    return 1;
  }
  std::string line;
  long long lines = 0, bytes = 0;
  while (std::getline(plain, line)) {
    ++lines;
    bytes += static_cast<long long>(line.size()) + 1;
  }
  const Span getline = watch.Elapsed();
  std::printf("file %s: %lld lines, %lld bytes\n", path, lines, bytes);
  Row("getline", getline, static_cast<double>(bytes), static_cast<double>(lines));

  BenchEditor bench;
  const long long residentBefore = ResidentBytes();
  watch = Stopwatch();
  editor::TTextEncoding found = editor::TTextEncoding::teUtf8;
  bool hasBom = false;
  editor::LoadTextFromFile(bench.lines, toolkit::FromUtf8(path), found, hasBom);
  const Span load = watch.Elapsed();
  Row("load", load, static_cast<double>(bytes), static_cast<double>(lines));
  std::printf("load / getline speed: %.2f\n", getline.cpu / load.cpu);

  const int count = bench.lines.Count();
  long long textBytes = 0;
  for (int i = 0; i < count; ++i) textBytes += static_cast<long long>(bench.lines.LineView(i).size() * sizeof(toolkit::Char));
  const long long resident = ResidentBytes() - residentBefore;
  if (resident > 0 && count > 0)
    std::printf("memory: %.1f bytes per line beyond its UTF-16 text (%lld text bytes, %lld resident)\n",
                static_cast<double>(resident - textBytes) / count, textBytes, resident);

  // What writing as many bytes of fresh memory as the buffer holds costs on
  // this machine, with the same large-page hint the loader gives: the floor
  // under any load that keeps its lines.
  {
    const std::size_t size = static_cast<std::size_t>(textBytes) + static_cast<std::size_t>(count) * sizeof(editor::TCodeEditStringRec);
    watch = Stopwatch();
    std::unique_ptr<char[]> fresh(new char[size]);
    platform::AdviseFilledSoon(fresh.get(), size);
    std::memset(fresh.get(), 1, size);
    Row("fresh memory", watch.Elapsed(), static_cast<double>(bytes), static_cast<double>(lines));
  }

  watch = Stopwatch();
  const toolkit::String inserted = u"    inserted = line(at, the, top); // one of many";
  for (int i = 0; i < inserts; ++i) bench.lines.Insert(0, inserted);
  const Span insert = watch.Elapsed();
  std::printf("%-14s %8.3f s wall %8.3f s cpu %8.2f M lines/s (%d lines at the top)\n", "insert", insert.wall, insert.cpu,
              inserts / insert.cpu / 1e6, inserts);

  // Every line scanned the editor's way: the previous line's end state in,
  // tokens to the line's end, the line's own end state kept in its record.
  {
    editor_bench::BenchHighlighter highlighter(nullptr);
    long long tokens = 0;
    watch = Stopwatch();
    highlighter.ClearState();
    for (int i = 0; i < bench.lines.Count(); ++i) {
      for (highlighter.StartLine(bench.lines.Get(i), i); !highlighter.ScanFinished(); highlighter.Next()) ++tokens;
      bench.lines.SetLineRange(i, highlighter.LineEndState());
    }
    const Span scanned = watch.Elapsed();
    Row("highlight", scanned, static_cast<double>(bytes), static_cast<double>(bench.lines.Count()));
    std::printf("tokens: %lld\n", tokens);
  }

  watch = Stopwatch();
  auto* wrap = new editor::TCodeWordWrapPlugin(&bench);
  wrap->AddRef();
  const Span wrapped = watch.Elapsed();
  const int rows = wrap->TotalRows();
  wrap->Release();
  Row("wrap 80", wrapped, static_cast<double>(bytes), static_cast<double>(bench.lines.Count()));
  std::printf("rows: %d for %d lines\n", rows, bench.lines.Count());
  return 0;
}
