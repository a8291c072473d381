#!/usr/bin/env bash
# Times each benchmark with the native qelu, Lua 5.4 and Python 3 (best of
# three runs each) and prints the ratios. Build the native preset first.
# QELU, LUA and PYTHON pick other programs.
set -euo pipefail
# A run that fails stops the script instead of being timed.
shopt -s inherit_errexit
cd "$(dirname "$0")"
QELU=${QELU:-../build/native/runner/qelu}
if [ ! -x "$QELU" ]; then
  echo "bench: no qelu at $QELU; build the native preset first (bash scripts/build.sh native)" >&2
  exit 1
fi
LUA=${LUA:-$(command -v lua5.4 || true)}
PY=${PYTHON:-$(command -v python3 || true)}
# A pyenv shim runs a shell script before the interpreter: time the interpreter.
if [[ "$PY" == */shims/* ]] && command -v pyenv >/dev/null; then PY=$(pyenv which python3); fi

best_of_three() {
  local best=""
  for _ in 1 2 3; do
    local start end ms
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}

ratio() { [ -n "$2" ] && [ "$2" != "-" ] && awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }' || echo "-"; }

printf '%-10s %10s %10s %10s %12s %12s\n' benchmark "qelu ms" "lua ms" "python ms" "qelu/lua" "qelu/python"
# A row without a Lua or Python script (rxbudget: neither has a step limit
# for backtracking) is timed for qelu alone.
for name in fib loop strings members methods regex rxreplace rxbudget jsonrt; do
  q=$(best_of_three "$QELU" "$name.qel")
  l=-; [ -n "$LUA" ] && [ -f "$name.lua" ] && l=$(best_of_three "$LUA" "$name.lua")
  p=-; [ -n "$PY" ] && [ -f "$name.py" ] && p=$(best_of_three "$PY" "$name.py")
  printf '%-10s %10s %10s %10s %12s %12s\n' "$name" "$q" "$l" "$p" "$(ratio "$q" "$l")" "$(ratio "$q" "$p")"
done
