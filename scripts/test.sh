#!/usr/bin/env bash
# Builds the presets this machine can test and runs all tests: natively, with
# sanitizers, and the Windows builds under Wine (inside a virtual display).
# The i686 build needs a machine that runs 32-bit programs; elsewhere only the
# x86_64 Windows build is tested, and this says so.
set -uo pipefail
cd "$(dirname "$0")/.."
export WINEDEBUG=-all
CACHE="${QEL_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/qel-deps}"

stop_wine() {
  local arch
  for arch in i686 x86_64; do
    WINEPREFIX="$CACHE/wine-$arch" wineserver -k 2>/dev/null || true
  done
}
trap stop_wine EXIT

# After the first run (scripts/try.sh) only the native build's packages are there.
command -v x86_64-w64-mingw32-g++-posix >/dev/null || bash scripts/setup.sh || exit 1

presets=(native native-asan)
if probe=$(/usr/lib/wine/wine --version 2>&1); then
  presets+=(windows windows64)
else
  echo "note: i686 Windows tests skipped: this machine cannot run 32-bit programs (/usr/lib/wine/wine --version: ${probe##*: }); testing windows64 only"
  presets+=(windows64)
fi

bash scripts/build.sh "${presets[@]}" || exit 1
status=0
jobs=$(nproc)
for preset in "${presets[@]}"; do
  echo "== tests: $preset"
  case "$preset" in
    windows*) xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset "$preset" -j "$jobs" || status=1 ;;
    *) ctest --preset "$preset" -j "$jobs" || status=1 ;;
  esac
done
exit $status
