#!/usr/bin/env bash
# Installs every Debian package the build and the tests use, and any package
# named on the command line. Safe to repeat.
set -euo pipefail
packages=(cmake ninja-build g++ googletest libbenchmark-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine64 wine32:i386 xvfb xauth imagemagick "$@")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
