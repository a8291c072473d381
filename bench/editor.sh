#!/usr/bin/env bash
# The editor's rows: generated source files of 250,000, 500,000 and
# 1,000,000 lines (about 60 bytes a line, some with tabs, some wider than 80
# columns), each timed with `wc -l` and then with editor_bench (a getline
# loop, load, inserts at the top, highlight, wrap at 80). Build the native
# preset first.
#   bash bench/editor.sh [LINES...]
# EDITOR_BENCH picks another program; BENCH_WORK the folder for the files.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")"

PROGRAM=${EDITOR_BENCH:-../build/native/bench/editor/editor_bench}
if [ ! -x "$PROGRAM" ]; then
  echo "bench: no editor_bench at $PROGRAM; build the native preset first" >&2
  exit 1
fi
WORK=${BENCH_WORK:-../build/bench}
mkdir -p "$WORK"
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(250000 500000 1000000)

source_file() {
  local lines=$1 file="$WORK/editor-$1.txt"
  if [ ! -s "$file" ]; then
    awk -v n="$lines" 'BEGIN {
      for (i = 1; i <= n; i++) {
        k = i % 8
        if (k == 0) printf "function f%d(a, b) { // a comment about %d\n", i, i
        else if (k == 1) printf "\tvar value%d = compute(a, %d) + b * %d;\n", i, i, i % 97
        else if (k == 2) printf "    if (value%d > %d) print(\"text of line %d\");\n", i - 1, i % 1000, i
        else if (k == 3) printf "\t\treturn list.map((x) { x * %d; }).join(\", \"); // long enough to wrap at eighty columns %d\n", i % 13, i
        else if (k == 4) printf "} // end of the block that began %d lines above, in f%d\n", 4, i - 4
        else if (k == 5) printf "  // a comment line that explains what the next lines do\n"
        else if (k == 6) printf "  s = \"a string with words in it, number %d, and some more\";\n", i
        else printf "  x%d = [1, 2, 3, %d, \"%d\", null, true];\n", i, i, i
      }
    }' >"$file"
  fi
  echo "$file"
}

for size in "${SIZES[@]}"; do
  file=$(source_file "$size")
  bytes=$(stat -c %s "$file")
  # wc's own processor time, as the program measures its steps.
  /usr/bin/time -f "%e %U %S" -o "$WORK/wc.time" wc -l <"$file" >/dev/null
  read -r wall user system <"$WORK/wc.time"
  awk -v w="$wall" -v c="$(echo "$user + $system" | bc)" -v b="$bytes" -v n="$size" \
    'BEGIN { if (c <= 0) c = 0.001; printf "%-14s %8.3f s wall %8.3f s cpu %9.1f MB/s %8.2f M lines/s\n", "wc -l", w, c, b / c / 1e6, n / c / 1e6 }'
  "$PROGRAM" "$file"
  echo
done
