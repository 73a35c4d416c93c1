#!/usr/bin/env bash
# Prepares a Debian 12 machine to build and test the project: packages, the
# cross-built third-party libraries and the Wine prefix. Idempotent: every step
# checks what is already there, and a dependency counts as built only once its
# stamp file is written after a complete install.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"

die() { echo "setup: $*" >&2; exit 1; }
log() { echo "setup: $*"; }

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else
    die "must run as root (or with sudo) to: $*"; fi
}

# The cross compiler and Wine of the Windows tree's architecture (scripts/env.sh decides it).
if [ "$TAVIN_WIN_ARCH" = i686 ]; then
  arch_packages=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev wine32:i386)
else
  arch_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev wine64)
fi
packages=(
  cmake ninja-build ccache make pkg-config dpkg-dev autoconf automake libtool nasm
  "${arch_packages[@]}"
  libz-mingw-w64-dev
  wine xvfb xauth x11-utils
  fonts-dejavu-core fonts-noto-core
  openssl imagemagick
  clang libclang-rt-14-dev
  googletest libpcre3-dev rapidjson-dev zlib1g-dev libjpeg62-turbo-dev
)

install_packages() {
  if [ "$TAVIN_WIN_ARCH" = i686 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    log "enabling the i386 architecture for wine32"
    as_root dpkg --add-architecture i386
    need_update=1
  fi
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    log "adding deb-src entries"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      as_root sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
    else
      as_root sh -c "grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >> /etc/apt/sources.list"
    fi
    need_update=1
  fi
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
    log "installing: ${missing[*]:-(index refresh only)}"
    as_root apt-get update -qq || die "apt-get update failed"
    if [ ${#missing[@]} -gt 0 ]; then
      DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null \
        || die "could not install packages: ${missing[*]}"
    fi
  fi
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || die "package $p is missing after install"
  done
}

# Fetches a Debian source package into $1 (a fresh directory) and prints the unpacked tree.
fetch_source() {
  local pkg=$1 dir=$2
  rm -rf "$dir"; mkdir -p "$dir"
  (cd "$dir" && apt-get source -qq "$pkg" >/dev/null 2>&1) || die "apt-get source $pkg failed"
  find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n1
}

build_pcre16() {
  local stamp="$TAVIN_DEPS/pcre16/.complete"
  [ -f "$stamp" ] && return 0
  log "cross-building PCRE (16-bit library) from pcre3"
  local work="$TAVIN_CACHE/src/$TAVIN_WIN_ARCH/pcre3" src
  src=$(fetch_source pcre3 "$work")
  rm -rf "$TAVIN_DEPS/pcre16"
  # Debian's patches leave the autotools outputs older than their inputs: regenerate them.
  (cd "$src" && autoreconf -fi >"$work/build.log" 2>&1 && ./configure --host="$TAVIN_WIN_ARCH-w64-mingw32" --prefix="$TAVIN_DEPS/pcre16" \
      --enable-pcre16 --disable-pcre8 --disable-cpp --enable-static --disable-shared \
      --enable-utf --disable-unicode-properties CC="$TAVIN_WIN_ARCH-w64-mingw32-gcc-posix" >>"$work/build.log" 2>&1 \
    && make -j"$(nproc)" >>"$work/build.log" 2>&1 && make install >>"$work/build.log" 2>&1) \
    || { rm -rf "$TAVIN_DEPS/pcre16"; die "PCRE build failed; see $work/build.log"; }
  touch "$stamp"
}

build_jpeg() {
  local stamp="$TAVIN_DEPS/jpeg/.complete"
  [ -f "$stamp" ] && return 0
  log "cross-building libjpeg (IJG 6b API) from libjpeg-turbo"
  local work="$TAVIN_CACHE/src/$TAVIN_WIN_ARCH/libjpeg-turbo" src
  src=$(fetch_source libjpeg-turbo "$work")
  rm -rf "$TAVIN_DEPS/jpeg"
  cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TAVIN_ROOT/cmake/mingw-$TAVIN_WIN_ARCH.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$TAVIN_DEPS/jpeg" \
      -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -DWITH_JPEG7=OFF \
      -DCMAKE_ASM_NASM_COMPILER=nasm -DCMAKE_SYSTEM_PROCESSOR="$TAVIN_WIN_ARCH" >"$work/build.log" 2>&1 \
    && cmake --build "$work/build" >>"$work/build.log" 2>&1 && cmake --install "$work/build" >>"$work/build.log" 2>&1 \
    || { rm -rf "$TAVIN_DEPS/jpeg"; die "libjpeg build failed; see $work/build.log"; }
  touch "$stamp"
}

main() {
  install_packages
  mkdir -p "$TAVIN_CACHE" "$TAVIN_DEPS" "$CCACHE_DIR"
  build_pcre16
  build_jpeg
  "$here/wine-prefix.sh"
  log "ready (cache: $TAVIN_CACHE)"
}

main "$@"
