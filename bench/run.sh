#!/usr/bin/env bash
# Times each benchmark with the native qelu, Lua 5.4 and Python 3 and prints
# the ratios. Build the native preset first. Run by hand:
#   bash bench/run.sh [ROW...]              times: best of three runs each
#   bash bench/run.sh --callgrind [ROW...]  instructions per operation
# Rows are the script names (fib, loop, ...) and "startup". QELU, QEL, LUA
# and PYTHON pick other programs; BENCH_WORK the folder for the generated
# JSON documents (default build/bench).
set -euo pipefail
# A run that fails stops the script instead of being timed.
shopt -s inherit_errexit
cd "$(dirname "$0")"

MODE=times
if [ "${1:-}" = "--callgrind" ]; then MODE=callgrind; shift; fi
ALL_ROWS=(fib loop strings members methods regex rxreplace rxbudget jsonrt
  textreplace rxmatch listindex listfor listeach qsort format jsonread jsonwrite classchain startup)
ROWS=("$@")
[ ${#ROWS[@]} -gt 0 ] || ROWS=("${ALL_ROWS[@]}")

QELU=${QELU:-../build/native/runner/qelu}
QEL=${QEL:-$(dirname "$QELU")/qel}
if [ ! -x "$QELU" ]; then
  echo "bench: no qelu at $QELU; build the native preset first (bash scripts/build.sh native)" >&2
  exit 1
fi
LUA=${LUA:-$(command -v lua5.4 || true)}
PY=${PYTHON:-$(command -v python3 || true)}
# A pyenv shim runs a shell script before the interpreter: time the interpreter.
if [[ "$PY" == */shims/* ]] && command -v pyenv >/dev/null; then PY=$(pyenv which python3); fi
WORK=${BENCH_WORK:-../build/bench}
mkdir -p "$WORK"

# The JSON rows read a generated document of about 140 bytes per record.
json_document() {
  local records=$1 file="$WORK/doc-$1.json"
  if [ ! -s "$file" ]; then
    awk -v n="$records" 'BEGIN {
      printf "["
      for (i = 1; i <= n; i++)
        printf "%s{\"id\":%d,\"name\":\"item %d\",\"tags\":[\"red\",\"green\",\"blue\"],\"score\":%d.25,\"active\":true,\"owner\":{\"first\":\"Ann\",\"last\":\"Lee %d\"},\"note\":null}",
          (i > 1 ? "," : ""), i, i, i % 1000, i
      print "]"
    }' >"$file"
  fi
  echo "$file"
}
JSON_RECORDS=145000 # about 20 MB

is_json_row() { [ "$1" = jsonread ] || [ "$1" = jsonwrite ]; }

# The argument a row's scripts get: a size, or a document for the JSON rows;
# empty for a row's own default size.
row_argument() {
  local name=$1 size=${2:-}
  if is_json_row "$name"; then json_document "${size:-$JSON_RECORDS}"; else echo "$size"; fi
}

# Runs one of the row's scripts: $1 the program, $2 the script, $3 its argument.
run_script() { "$1" "$2" ${3:+"$3"}; }

# Prints the best time; the last run's output is left in $WORK/last.out.
best_of_three() {
  local best=""
  for _ in 1 2 3; do
    local start end ms
    start=$(date +%s%N)
    run_script "$@" >"$WORK/last.out"
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}

# A twin that computes something else is not a comparison: say so.
same_result() {
  if ! cmp -s "$WORK/last.out" "$WORK/qelu.out"; then
    echo "bench: $1: $2 printed $(head -c 60 "$WORK/last.out"), qelu $(head -c 60 "$WORK/qelu.out")" >&2
  fi
  return 0
}

ratio() { [ -n "$2" ] && [ "$2" != "-" ] && [ "$1" != "-" ] && awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }' || echo "-"; }

# Start-up: hello.qel against Lua printing one line, side by side in one
# hyperfine run (median of many runs each); /bin/true is the floor.
startup_times() {
  if ! command -v hyperfine >/dev/null; then
    echo "startup: hyperfine is missing (scripts/setup.sh installs it)"
    return
  fi
  local csv="$WORK/startup.csv"
  local commands=("$QELU ../examples/hello.qel" "$QEL ../examples/hello.qel")
  [ -n "$LUA" ] && commands+=("$LUA hello.lua")
  [ -n "$PY" ] && commands+=("$PY hello.py")
  commands+=("/bin/true")
  hyperfine -N --style none --warmup 20 --runs "${STARTUP_RUNS:-300}" --export-csv "$csv" "${commands[@]}" >/dev/null
  # The processor times (means) move less with the load than the median.
  printf '%-52s %9s %9s %9s\n' "startup, ms (${STARTUP_RUNS:-300} runs)" median user system
  awk -F, 'NR > 1 { printf "  %-50s %9.2f %9.2f %9.2f\n", $1, $4 * 1000, $5 * 1000, $6 * 1000 }' "$csv"
}

# Milliseconds per row and program, kept for the MB/s lines of the JSON rows.
declare -A MS=()

times_table() {
  local name shown=""
  for name in "${ROWS[@]}"; do
    [ "$name" = startup ] && continue
    if [ -z "$shown" ]; then
      printf '%-12s %10s %10s %10s %12s %12s\n' benchmark "qelu ms" "lua ms" "python ms" "qelu/lua" "qelu/python"
      shown=yes
    fi
    local argument q l p
    argument=$(row_argument "$name")
    q=$(best_of_three "$QELU" "$name.qel" "$argument")
    tr -d '\r' <"$WORK/last.out" >"$WORK/qelu.out"
    # A row without a Lua or Python script (rxbudget: neither has a step
    # limit for backtracking; classchain: compiling a chain of derived
    # classes) is timed for qelu alone.
    l=-; [ -n "$LUA" ] && [ -f "$name.lua" ] && l=$(best_of_three "$LUA" "$name.lua" "$argument") && same_result "$name" lua
    p=-; [ -n "$PY" ] && [ -f "$name.py" ] && p=$(best_of_three "$PY" "$name.py" "$argument") && same_result "$name" python
    MS[$name.qelu]=$q; MS[$name.lua]=$l; MS[$name.python]=$p
    printf '%-12s %10s %10s %10s %12s %12s\n' "$name" "$q" "$l" "$p" "$(ratio "$q" "$l")" "$(ratio "$q" "$p")"
  done
  json_rates
  for name in "${ROWS[@]}"; do [ "$name" = startup ] && startup_times; done
  return 0
}

# "GetJson" MB/s is the document over the whole jsonread run (start-up and
# reading the file included); "@toJson" MB/s over what jsonwrite adds.
json_rates() {
  [ -n "${MS[jsonread.qelu]:-}" ] && [ -n "${MS[jsonwrite.qelu]:-}" ] || return 0
  local bytes who
  bytes=$(wc -c <"$(json_document "$JSON_RECORDS")")
  printf '%-12s %10s %10s\n' "MB/s" read write
  for who in qelu lua python; do
    local r=${MS[jsonread.$who]} w=${MS[jsonwrite.$who]}
    [ "$r" = - ] || [ "$w" = - ] && continue
    awk -v who="$who" -v b="$bytes" -v r="$r" -v w="$w" 'BEGIN {
      d = w - r; if (d < 1) d = 1
      printf "  %-10s %10.1f %10.1f   (%.1f MB)\n", who, b / 1e6 / (r / 1000), b / 1e6 / (d / 1000), b / 1e6 }'
  done
}

# Callgrind: two sizes per row; the difference of the instruction counts over
# the difference of the operations leaves start-up and set-up out.
declare -A CG_SIZES=(
  [fib]="18 20" [loop]="100000 200000" [strings]="2000 4000" [members]="50000 100000"
  [methods]="50000 100000" [regex]="10000 20000" [rxreplace]="200000 400000" [jsonrt]="1000 2000"
  [textreplace]="20000 40000" [rxmatch]="10000 20000" [listindex]="50000 100000"
  [listfor]="50000 100000" [listeach]="50000 100000" [qsort]="5000 10000" [format]="20000 40000"
  [jsonread]="5000 10000" [jsonwrite]="5000 10000" [classchain]="2000 4000")
declare -A CG_UNIT=(
  [fib]=call [loop]=iteration [strings]=append [members]=iteration [methods]=call [regex]=match
  [rxreplace]=byte [jsonrt]=record [textreplace]=byte [rxmatch]=byte [listindex]=element
  [listfor]=element [listeach]=element [qsort]=element [format]=number [jsonread]=byte [jsonwrite]=byte
  [classchain]=class)

# Operations a row does at a size: fib counts its calls, the text rows their
# bytes (50 per piece), the JSON rows the document's bytes.
operations() {
  local name=$1 size=$2
  case "$name" in
    fib) awk -v n="$size" 'BEGIN { a = 0; b = 1; for (i = 0; i <= n; i++) { t = a + b; a = b; b = t } print 2 * a - 1 }' ;;
    textreplace | rxmatch) echo $(( size * 50 )) ;;
    jsonread | jsonwrite) wc -c <"$(json_document "$size")" ;;
    *) echo "$size" ;;
  esac
}

# Instructions of one run: $1 the program, $2 the script, $3 its argument.
instructions() {
  local log
  log=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" "$2" ${3:+"$3"} 2>&1 >/dev/null)
  awk '/Collected :/ { print $NF }' <<<"$log"
}

per_operation() {
  local program=$1 name=$2 script=$3 small large a b
  read -r small large <<<"${CG_SIZES[$name]}"
  a=$(instructions "$program" "$script" "$(row_argument "$name" "$small")")
  b=$(instructions "$program" "$script" "$(row_argument "$name" "$large")")
  awk -v a="$a" -v b="$b" -v oa="$(operations "$name" "$small")" -v ob="$(operations "$name" "$large")" \
    'BEGIN { printf "%.0f", (b - a) / (ob - oa) }'
}

callgrind_table() {
  if ! command -v valgrind >/dev/null; then echo "bench: valgrind is missing" >&2; exit 1; fi
  printf '%-12s %-10s %12s %12s %12s %10s %12s\n' benchmark per "qelu instr" "lua instr" "python instr" "qelu/lua" "qelu/python"
  local name
  for name in "${ROWS[@]}"; do
    local q l=- p=- unit
    if [ "$name" = startup ]; then
      # A whole run of hello: start-up and printing one line.
      unit=run
      q=$(instructions "$QELU" ../examples/hello.qel)
      [ -n "$LUA" ] && l=$(instructions "$LUA" hello.lua)
      [ -n "$PY" ] && p=$(instructions "$PY" hello.py)
    else
      [ -n "${CG_SIZES[$name]:-}" ] || continue
      unit=${CG_UNIT[$name]}
      q=$(per_operation "$QELU" "$name" "$name.qel")
      [ -n "$LUA" ] && [ -f "$name.lua" ] && l=$(per_operation "$LUA" "$name" "$name.lua")
      [ -n "$PY" ] && [ -f "$name.py" ] && p=$(per_operation "$PY" "$name" "$name.py")
    fi
    printf '%-12s %-10s %12s %12s %12s %10s %12s\n' "$name" "$unit" "$q" "$l" "$p" "$(ratio "$q" "$l")" "$(ratio "$q" "$p")"
  done
}

if [ "$MODE" = callgrind ]; then callgrind_table; else times_table; fi
