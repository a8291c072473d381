#!/usr/bin/env bash
# Builds every preset and runs all tests: natively, with sanitizers, and the
# Windows build under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
export WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null || true' EXIT

bash scripts/build.sh || exit 1
status=0
jobs=$(nproc)
for preset in native native-asan windows; do
  echo "== tests: $preset"
  ctest --preset "$preset" -j "$jobs" || status=1
done
exit $status
