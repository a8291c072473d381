#!/usr/bin/env bash
# Builds the presets this machine can test and runs all tests: natively, with
# sanitizers, and the Windows builds under Wine (inside a virtual display).
# The i686 build's full suite needs a machine that runs 32-bit programs;
# elsewhere a gate of its programs runs under emulated Wine where setup laid
# that out, else only the x86_64 Windows build is tested, and this says so.
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

# How the i686 build's tests run here: "native" where the machine runs 32-bit
# programs (the full suite), "emulated" where it does not but scripts/setup.sh
# laid out 32-bit Wine under qemu (a gate, scripts/test_i686_emulated.sh),
# else "none"; the latter two say so and why.
i686_tests_mode() {
  local probe
  if probe=$(/usr/lib/wine/wine --version 2>&1); then
    echo native
  elif [ -x "$CACHE/wine32-emu/lib/wine/wine" ] && command -v qemu-i386-static >/dev/null; then
    echo "note: this machine cannot run 32-bit programs (/usr/lib/wine/wine --version: ${probe##*: }); the i686 tests run under emulated Wine, as a gate" >&2
    echo emulated
  else
    echo "note: i686 Windows tests skipped: this machine cannot run 32-bit programs (/usr/lib/wine/wine --version: ${probe##*: }) and has no emulated Wine (scripts/setup.sh lays it out); testing windows64 only" >&2
    echo none
  fi
}

presets=(native native-asan)
i686_mode=$(i686_tests_mode)
[ "$i686_mode" = none ] || presets+=(windows)
presets+=(windows64)

bash scripts/build.sh "${presets[@]}" || exit 1
status=0
jobs=$(nproc)
for preset in "${presets[@]}"; do
  echo "== tests: $preset"
  case "$preset" in
    windows) if [ "$i686_mode" = emulated ]; then
        xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/test_i686_emulated.sh "$jobs" || status=1
      else
        xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows -j "$jobs" || status=1
      fi ;;
    windows64) xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset "$preset" -j "$jobs" || status=1 ;;
    *) ctest --preset "$preset" -j "$jobs" || status=1 ;;
  esac
done
exit $status
