#!/usr/bin/env bash
# Prepares a fresh Debian machine for building and testing: packages, Crypto++ for mingw, the Wine prefix.
# Idempotent; run as root. Every step is skipped when its result is already there.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cache=${BRIVANE_CACHE:-$HOME/.cache/brivane}
prefix=${WINEPREFIX:-$top/build/wineprefix}
# clang, its sanitizer runtimes and Crypto++ for Linux build the fuzz targets, which make test runs briefly.
packages=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 wine wine64 xvfb x11-apps
          imagemagick dpkg-dev cmake make googletest python3 wixl msitools gnuplot-nox osslsigncode openssl
          clang-14 libclang-rt-14-dev libcrypto++-dev)

fail() { echo "bootstrap: $1" >&2; exit 1; }
say() { echo "bootstrap: $*"; }

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

has_deb_src() {
  grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/
}

enable_deb_src() {
  local own=/etc/apt/sources.list.d/debian.sources
  [ -f "$own" ] || fail "no deb-src entry and no $own to derive one from; add a deb-src line for Debian and rerun"
  sed -E 's/^Types:.*/Types: deb-src/' "$own" > /etc/apt/sources.list.d/brivane-deb-src.sources
}

apt_ready=0
apt_update() {
  [ "$apt_ready" = 1 ] && return
  say "updating the package lists"
  apt-get update -qq >/dev/null || fail "apt-get update failed; check the network and /etc/apt sources, then rerun"
  apt_ready=1
}

install_packages() {
  local need
  need=$(missing_packages "$@")
  [ -z "$need" ] && return
  apt_update
  say "installing" $need
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $need >/dev/null \
    || fail "apt-get install of '$need' failed; run it by hand to see why, then rerun"
}

cryptopp_version() {
  { apt-cache showsrc libcrypto++ 2>/dev/null || true; } | awk '/^Version:/ && !v { v = $2 } END { print v }'
}

# build_cryptopp TRIPLE SUFFIX: Crypto++ for the mingw target TRIPLE, cached as cryptopp-<version>-lean-nostreams<SUFFIX>
# and linked as cryptopp-lean<SUFFIX>.
build_cryptopp() {
  local triple=$1 suffix=$2
  if ! has_deb_src; then say "enabling Debian source packages"; enable_deb_src; apt_ready=0; fi
  local version
  version=$(cryptopp_version)
  if [ -z "$version" ]; then apt_update; version=$(cryptopp_version); fi
  [ -n "$version" ] || fail "the libcrypto++ source package is unknown to apt; check the deb-src entry and rerun"
  # Built lean (below) and without the standard streams; the folder's name says so, and caches built
  # otherwise are left alone.
  local dest=$cache/cryptopp-$version-lean-nostreams$suffix
  if [ -f "$dest/lib/libcryptopp.a" ]; then ln -sfn "$dest" "$cache/cryptopp-lean$suffix"; return; fi
  local work
  work=$(mktemp -d)
  say "fetching the Crypto++ $version source package"
  (cd "$work" && apt-get source -qq libcrypto++ >/dev/null 2>&1) || fail "apt-get source libcrypto++ failed; check the deb-src entry and rerun"
  local src
  src=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
  [ -n "$src" ] || fail "the libcrypto++ source package did not unpack; is dpkg-dev installed?"
  say "building Crypto++ $version for $triple (about 2 minutes)"
  # <iostream> is kept out (its guard macro set, <istream> and <ostream> in its place): each source that
  # includes it constructs the standard streams whenever a module linking it loads, and their locale set-up
  # goes through the thread library's once-only call, which takes a TLS slot that the statically linked
  # library never returns. A host that loads and frees such a module would run out of slots.
  local streams="-D_GLIBCXX_IOSTREAM -include istream -include ostream"
  make -C "$src" -f GNUmakefile -j"$(nproc)" static \
    CXX=$triple-g++-posix AR=$triple-ar RANLIB=$triple-ranlib \
    CXXFLAGS="-DNDEBUG -O2 -ffunction-sections -fdata-sections -Wa,-mbig-obj $streams" >"$work/build.log" 2>&1 \
    || fail "the Crypto++ build failed; see $work/build.log"
  mkdir -p "$dest/lib" "$dest/include/cryptopp"
  cp "$src"/*.h "$dest/include/cryptopp/"
  # Debian's packaging names the archive after the package.
  cp "$(ls "$src"/libcryptopp.a "$src"/libcrypto++.a 2>/dev/null | head -n 1)" "$dest/lib/libcryptopp.a" \
    || fail "the Crypto++ build made no static library; see $work/build.log"
  # A section per function and per object lets the linker keep only what a module uses. The FIPS
  # self-test object goes: it defines DllMain, which the linker would otherwise take for every DLL
  # linking the library, running the whole self-test (a MAC of the module file, RSA, DSA, ECDSA...)
  # on each load.
  "$triple-ar" d "$dest/lib/libcryptopp.a" fipstest.o
  ln -sfn "$dest" "$cache/cryptopp-lean$suffix"
  rm -rf "$work"
  say "Crypto++ $version is in $dest"
}

# The 32-bit extension: the i686 toolchain and Crypto++ for i686. Debian's 32-bit Wine (wine32:i386) is left
# out: these machines' kernel runs no 32-bit Linux programs, and once it is installed Debian's wine launcher
# starts every program, 64-bit ones too, through its 32-bit loader, which then fails.
x86_packages=(g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686)
prepare_x86() {
  install_packages "${x86_packages[@]}"
  build_cryptopp i686-w64-mingw32 -i686
}

prepare_prefix() {
  [ -f "$prefix/system.reg" ] && return
  say "creating the Wine prefix $prefix (about 10 seconds)"
  mkdir -p "$prefix"
  WINEPREFIX=$prefix WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all wineboot -i >/dev/null 2>&1 \
    || fail "wineboot could not create $prefix; remove it and rerun"
  WINEPREFIX=$prefix wineserver -w
}

[ "$(id -u)" = 0 ] || fail "run as root (it installs Debian packages)"
mkdir -p "$cache"
install_packages "${packages[@]}"
build_cryptopp x86_64-w64-mingw32 ""
prepare_x86
prepare_prefix
