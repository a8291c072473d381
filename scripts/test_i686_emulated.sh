#!/usr/bin/env bash
# Runs the i686 build's tests under 32-bit Wine emulated by qemu, where this
# machine cannot run 32-bit programs. A gate for what only the i686 build has,
# not the full suite: the emulator is slow and not faithful, and the rest is
# the same code the native and windows64 builds test. Runs inside the virtual
# display (scripts/test.sh starts it under xvfb-run); the argument is the
# number of programs run at once.
set -uo pipefail
cd "$(dirname "$0")/.."
export WINEDEBUG=-all
CACHE="${QEL_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/qel-deps}"
export WINEPREFIX="$CACHE/wine-i686"
jobs=${1:-$(nproc)}

# The programs of the gate and what i686-specific each checks.
gate=(
  "host16_tests|native-call thunks, stdcall callbacks and COM, 16-bit texts"
  "host8_tests|native-call thunks, stdcall callbacks and COM, 8-bit texts"
  "kit16_tests|the window kit's forms, dialogs and window procedures"
  "kit8_tests|the window kit over 8-bit texts"
  "activex16_tests|ActiveX hosting and its COM interfaces"
  "activex8_tests|ActiveX hosting over 8-bit texts"
  "ui16_tests|\"ui\" forms"
  "ui8_tests|\"ui\" forms over 8-bit texts"
  "runner_tests|the runners as processes, the 8-bit runner among them"
  "windows_scripts16_tests|the Windows script corpus through the host bridge"
  "windows_scripts8_tests|the Windows script corpus over a double-byte code page"
)

# Cases the emulator cannot run faithfully, as GoogleTest patterns, each with
# its reason. They stay in the native 32-bit runs.
excluded=(
)

gate_names=()
for entry in "${gate[@]}"; do gate_names+=("${entry%%|*}"); done
filter=""
for entry in "${excluded[@]}"; do filter+="${filter:+:}${entry%%|*}"; done

echo "i686 tests under emulated Wine (this machine cannot run 32-bit programs): a gate of ${#gate[@]} programs"
for entry in "${gate[@]}"; do printf '  runs      %-24s %s\n' "${entry%%|*}" "${entry#*|}"; done
for entry in "${excluded[@]}"; do printf '  excluded  %-40s %s\n' "${entry%%|*}" "${entry#*|}"; done
others=$(ctest --preset windows -N | sed -n 's/^ *Test *#[0-9]*: //p' | grep -vxF -f <(printf '%s\n' "${gate_names[@]}" layers) | tr '\n' ' ')
echo "  not in the gate (the same code as the native and windows64 builds test): $others"

# One Wine session stays open across the tests, so that each test program
# starts warm: a cold start under the emulator takes up to a minute. A
# persistent server keeps Wine's own services running between programs (a
# console program kept waiting instead makes the next one hang).
start=$SECONDS
server="$CACHE/wine32-emu/lib/wine/wineserver"
"$server" -p
timeout 600 scripts/wine32.sh cmd.exe /c exit >/dev/null 2>&1 ||
  echo "note: the emulated Wine session did not answer within 600 s"
echo "  session ready after $((SECONDS - start)) s"

GTEST_FILTER="${filter:+-$filter}" ctest --preset windows -j "$jobs" \
  -R "^($(IFS='|'; echo "${gate_names[*]}"))\$"
status=$?

"$server" -k 2>/dev/null
echo "i686 emulated gate: $((SECONDS - start)) s"
exit $status
