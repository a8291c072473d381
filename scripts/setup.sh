#!/usr/bin/env bash
# Installs everything both builds need on a fresh Debian 12 machine and builds
# PCRE for MinGW into a cache folder outside the repository. Safe to run again.
set -euo pipefail

CACHE="${QEL_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/qel-deps}"
PCRE_PREFIX="$CACHE/pcre-i686"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

packages=(
  build-essential cmake ninja-build bison pkg-config dpkg-dev
  libpcre3-dev libffi-dev libssl-dev googletest libgtest-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev
  wine wine32 xvfb xauth clang libclang-rt-14-dev lua5.4
)

add_sources() {
  # deb-src is needed once, for PCRE's source package.
  local src=/etc/apt/sources.list.d/qel-deb-src.sources
  if [ ! -f "$src" ]; then
    $SUDO tee "$src" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
}

install_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_pcre_mingw() {
  [ -f "$PCRE_PREFIX/lib/libpcre.a" ] && return 0
  local work
  work=$(mktemp -d)
  (
    cd "$work"
    apt-get source -q --download-only pcre3 >/dev/null 2>&1 || { $SUDO apt-get update -q; apt-get source -q --download-only pcre3; }
    dpkg-source -x pcre3_*.dsc src >/dev/null
    cd src
    ./configure --host=i686-w64-mingw32 --prefix="$PCRE_PREFIX" \
      CC=i686-w64-mingw32-gcc-posix CXX=i686-w64-mingw32-g++-posix \
      --enable-static --disable-shared --disable-cpp --enable-utf8 \
      --enable-unicode-properties >/dev/null
    # The patched sources carry newer time stamps than the generated files.
    make -j"$(nproc)" ACLOCAL=true AUTOMAKE=true AUTOCONF=true AUTOHEADER=true libpcre.la >/dev/null
    mkdir -p "$PCRE_PREFIX/lib" "$PCRE_PREFIX/include"
    cp .libs/libpcre.a "$PCRE_PREFIX/lib/"
    cp pcre.h "$PCRE_PREFIX/include/"
  )
  rm -rf "$work"
}

init_wine() {
  # A prefix made once keeps later test runs from paying for its creation.
  WINEDEBUG=-all wineboot -i >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
}

add_sources
install_packages
mkdir -p "$CACHE"
build_pcre_mingw
init_wine
echo "setup done; MinGW PCRE in $PCRE_PREFIX"
