#!/usr/bin/env bash
# Installs everything both builds need on a fresh Debian 12 machine and builds
# PCRE for MinGW into a cache folder outside the repository. Safe to run again.
# With --native it installs only what the native build needs (the first run,
# scripts/try.sh): no MinGW, no Wine, no source packages.
set -euo pipefail

CACHE="${QEL_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/qel-deps}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

native_packages=(
  build-essential cmake ninja-build bison pkg-config dpkg-dev ccache
  libpcre3-dev libffi-dev libssl-dev googletest libgtest-dev
)
packages=(
  "${native_packages[@]}"
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  wine wine32 wine64 xvfb xauth clang libclang-rt-14-dev lua5.4 locales
  # Wine draws its title-bar buttons with Marlett; a screenshot waits for its
  # window with xwininfo
  fonts-wine x11-utils
  # bench/run.sh (by hand): JSON for Lua, start-up medians, instruction counts
  lua-cjson hyperfine valgrind
)

add_sources() {
  # deb-src is needed once, for the source packages built for MinGW. Its
  # entries are the machine's own deb entries with the type changed.
  local src=/etc/apt/sources.list.d/qel-deb-src.sources
  if [ ! -f "$src" ] && ! has_deb_src; then
    derive_deb_src | $SUDO tee "$src" >/dev/null
    [ -s "$src" ] || { echo "setup: no deb entry in the apt sources to derive deb-src from" >&2; exit 1; }
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
}

apt_source_files() {
  ls /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true
}

has_deb_src() {
  local f
  for f in $(apt_source_files); do
    grep -Eq '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' "$f" && return 0
  done
  return 1
}

# Prints a deb822 stanza of type deb-src for every enabled Debian deb entry.
derive_deb_src() {
  local f
  for f in $(apt_source_files); do
    case "$f" in
      *.sources)
        awk 'BEGIN { RS=""; FS="\n" }
          {
            deb = 0; debian = 0; enabled = 1
            for (i = 1; i <= NF; i++) {
              if ($i ~ /^Types:/ && (" " $i " ") ~ /[ \t]deb[ \t]/) deb = 1
              if ($i ~ /^URIs:/ && $i ~ /debian/) debian = 1
              if ($i ~ /^Enabled:[ \t]*no/) enabled = 0
            }
            if (!deb || !debian || !enabled) next
            for (i = 1; i <= NF; i++) {
              if ($i ~ /^#/) continue
              if ($i ~ /^Types:/) $i = "Types: deb-src"
              print $i
            }
            print ""
          }' "$f" ;;
      *)
        awk '$1 == "deb" && $0 ~ /debian/ {
            uri = ""; opts = ""; n = 2
            if ($2 ~ /^\[/) { opts = $2; n = 3; while ($(n-1) !~ /\]$/) { opts = opts " " $n; n++ } }
            uri = $n; suite = $(n+1); comps = ""
            for (i = n + 2; i <= NF; i++) comps = comps (comps == "" ? "" : " ") $i
            printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n\n", uri, suite, comps
          }' "$f" ;;
    esac
  done
}

install_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The 8-bit runner's double-byte tests run Wine with LC_ALL=zh_CN.UTF-8, which
# makes its ANSI code page 936.
add_test_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return 0
  $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

# Fetches Debian's source package $1 and unpacks it into ./src.
unpack_source() {
  apt-get source -q --download-only "$1" >/dev/null 2>&1 || { $SUDO apt-get update -q; apt-get source -q --download-only "$1"; }
  dpkg-source -x "$1"_*.dsc src >/dev/null
}

# Builds Debian's pcre3 source package as a static library for one MinGW
# target (i686 or x86_64) into $CACHE/pcre-<arch>.
build_pcre_mingw() {
  local arch=$1 host=$1-w64-mingw32
  local prefix="$CACHE/pcre-$arch"
  [ -f "$prefix/lib/libpcre.a" ] && return 0
  local work
  work=$(mktemp -d)
  (
    cd "$work"
    unpack_source pcre3
    cd src
    ./configure --host="$host" --prefix="$prefix" \
      CC="$host-gcc-posix" CXX="$host-g++-posix" \
      --enable-static --disable-shared --disable-cpp --enable-utf8 \
      --enable-unicode-properties >/dev/null
    # The patched sources carry newer time stamps than the generated files.
    make -j"$(nproc)" ACLOCAL=true AUTOMAKE=true AUTOCONF=true AUTOHEADER=true libpcre.la >/dev/null
    mkdir -p "$prefix/lib" "$prefix/include"
    cp .libs/libpcre.a "$prefix/lib/"
    cp pcre.h "$prefix/include/"
  )
  rm -rf "$work"
}

# Builds Debian's libffi source package as a static library for 64-bit
# MinGW into $CACHE/libffi-x86_64 (lib/ and include/): native calls and
# callbacks of the x86_64 Windows build go through it. The i686 build makes
# its own calls and thunks.
build_libffi_mingw() {
  local arch=x86_64 host=x86_64-w64-mingw32
  local prefix="$CACHE/libffi-$arch"
  [ -f "$prefix/lib/libffi.a" ] && return 0
  local work
  work=$(mktemp -d)
  (
    cd "$work"
    unpack_source libffi
    cd src
    ./configure --host="$host" --prefix="$prefix" CC="$host-gcc-posix" \
      --enable-static --disable-shared --disable-docs --disable-multi-os-directory >/dev/null
    # Its own warnings are not ours to read; a failure still stops the setup.
    make -j"$(nproc)" ACLOCAL=true AUTOMAKE=true AUTOCONF=true AUTOHEADER=true >/dev/null 2>&1 ||
      { echo "libffi: the MinGW build failed" >&2; exit 1; }
    mkdir -p "$prefix/lib" "$prefix/include"
    cp "$host/.libs/libffi.a" "$prefix/lib/"
    cp "$host/include/ffi.h" "$host/include/ffitarget.h" "$prefix/include/"
  )
  rm -rf "$work"
}

# A private prefix per loader, made once, keeps test runs from paying for its
# creation. The 32-bit one only where this machine runs 32-bit programs.
init_wine() {
  local arch loader
  for arch in x86_64 i686; do
    loader=/usr/lib/wine/wine64
    if [ "$arch" = i686 ]; then
      loader=/usr/lib/wine/wine
      "$loader" --version >/dev/null 2>&1 || continue
    fi
    if [ ! -f "$CACHE/wine-$arch/system.reg" ]; then
      WINEPREFIX="$CACHE/wine-$arch" WINEDEBUG=-all "$loader" wineboot -i >/dev/null 2>&1 || true
      WINEPREFIX="$CACHE/wine-$arch" wineserver -w 2>/dev/null || true
    fi
    # This Wine finds TrueType fonts in the prefix's Fonts folder, not in
    # fonts-wine's: Marlett draws the title-bar buttons.
    local fonts="$CACHE/wine-$arch/drive_c/windows/Fonts"
    if [ -d "$fonts" ]; then ln -sf /usr/share/wine/fonts/marlett.ttf "$fonts/marlett.ttf"; fi
  done
}

# Where this machine cannot run 32-bit programs, the i686 tests run under
# qemu's user-mode emulation, without binfmt registration. Wine re-executes
# "<its own folder>/wine-preloader" for itself and every new process (and
# ignores WINELOADER), so a private copy of its layout in the cache holds a
# copy of the loader beside wrappers that start it, and the preloader, under
# qemu-i386-static. The static preloader comes from its package unpacked, not
# installed. scripts/wine32.sh picks this loader where the machine's own
# cannot run.
make_emulated_wine32() {
  /usr/lib/wine/wine --version >/dev/null 2>&1 && return 0
  if ! command -v qemu-i386-static >/dev/null; then
    $SUDO apt-get install -o DPkg::Lock::Timeout=600 -y -q --no-install-recommends qemu-user-static
  fi
  local root="$CACHE/wine32-emu" version
  local dir="$root/lib/wine"
  version=$(dpkg-query -W -f='${Version}' wine32:i386)
  mkdir -p "$dir" "$root/share"
  if [ "$(cat "$dir/preloader.version" 2>/dev/null)" != "$version" ]; then
    local work
    work=$(mktemp -d)
    (cd "$work" && apt-get download -q "wine32-preloader:i386=$version" >/dev/null 2>&1) ||
      (cd "$work" && $SUDO apt-get update -q && apt-get download -q "wine32-preloader:i386=$version") ||
      { rm -rf "$work"; echo "setup: cannot fetch wine32-preloader:i386 $version" >&2; exit 1; }
    dpkg-deb -x "$work"/wine32-preloader_*.deb "$work/x"
    cp "$work/x/usr/lib/wine/wine-preloader.static" "$dir/preloader.bin"
    echo "$version" >"$dir/preloader.version"
    rm -rf "$work"
  fi
  # A copy, not a link: Wine finds its own folder through /proc/self/exe.
  # Rewritten only when Wine changed, since a running session maps it.
  cmp -s /usr/lib/wine/wine "$dir/wine.bin" || cp /usr/lib/wine/wine "$dir/wine.bin"
  ln -sfn /usr/lib/wine/wineserver64 "$dir/wineserver"
  ln -sfn /usr/lib/i386-linux-gnu "$root/lib/i386-linux-gnu"
  ln -sfn /usr/share/wine "$root/share/wine"
  cat >"$dir/wine-preloader" <<'WRAPPER'
#!/bin/sh
exec qemu-i386-static -0 "$0" "$(dirname "$0")/preloader.bin" "$@"
WRAPPER
  # The emulated prefix is 32-bit only; a crashing helper process would hang
  # the session in the debugger.
  cat >"$dir/wine" <<'WRAPPER'
#!/bin/sh
export WINEARCH=win32
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winedbg.exe=d"
exec "$(dirname "$0")/wine-preloader" "$(dirname "$0")/wine.bin" "$@"
WRAPPER
  chmod +x "$dir/wine" "$dir/wine-preloader"
  [ -f "$CACHE/wine-i686/system.reg" ] && return 0
  WINEPREFIX="$CACHE/wine-i686" WINEDEBUG=-all timeout 900 "$dir/wine" wineboot -i >/dev/null 2>&1 || true
  WINEPREFIX="$CACHE/wine-i686" timeout 300 "$dir/wineserver" -w 2>/dev/null ||
    WINEPREFIX="$CACHE/wine-i686" "$dir/wineserver" -k 2>/dev/null || true
  [ -f "$CACHE/wine-i686/system.reg" ] || { echo "setup: the emulated 32-bit Wine made no prefix" >&2; exit 1; }
}

if [ "${1:-}" = "--native" ]; then
  install_packages "${native_packages[@]}"
  echo "setup done (native build only)"
  exit 0
fi
add_sources
install_packages "${packages[@]}"
add_test_locale
mkdir -p "$CACHE"
build_pcre_mingw i686
build_pcre_mingw x86_64
build_libffi_mingw
init_wine
make_emulated_wine32
echo "setup done; MinGW libraries in $CACHE"
