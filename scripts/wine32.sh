#!/bin/sh
# The 32-bit Wine loader the i686 build's tests run under: the machine's own
# where it runs 32-bit programs, else the copy under qemu user-mode emulation
# that scripts/setup.sh lays out in the cache folder.
native=/usr/lib/wine/wine
if "$native" --version >/dev/null 2>&1; then
  exec "$native" "$@"
fi
emulated="${QEL_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/qel-deps}/wine32-emu/lib/wine/wine"
if [ -x "$emulated" ] && command -v qemu-i386-static >/dev/null; then
  exec "$emulated" "$@"
fi
echo "wine32: this machine cannot run 32-bit programs and has no emulated loader ($emulated; run scripts/setup.sh)" >&2
exit 127
