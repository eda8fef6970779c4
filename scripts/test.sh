#!/usr/bin/env bash
# Every test: native (plain and under AddressSanitizer/UBSan), x86_64 Windows
# under Wine with a virtual display, and the i686 binaries the host loads:
# their export and import tables first, then the shipped Stats.dll and
# Pelkar.exe themselves under 32-bit Wine. Installs and prepares what it
# needs first (root steps as root or through sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh qemu-user

stage_start=$SECONDS
stage() {
  echo "=== $1 ==="
  stage_start=$SECONDS
}
stage_passed() { echo "=== $1 passed in $((SECONDS - stage_start)) s ==="; }

run_preset() {
  local preset=$1
  stage "$preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
}

in_virtual_display() { xvfb-run -a -s "-screen 0 1024x768x24" "$@"; }

run_preset linux
ctest --preset linux
stage_passed linux

run_preset linux-asan
ctest --preset linux-asan
stage_passed linux-asan

# 32-bit Wine under qemu-i386, and the Wine prefix both Windows builds share.
stage wine
scripts/prepare-wine32.sh
export WINEPREFIX="$PWD/build/wineprefix"
stage_passed wine

run_preset win64
# Windows of the tests need a display.
in_virtual_display ctest --preset win64
/usr/lib/wine/wineserver -k 2>/dev/null || true
stage_passed win64

# What ships is what scripts/build.sh puts into dist/Plugins; the tests load
# it from there.
stage win32
scripts/build.sh
cmake --build --preset win32-tests
in_virtual_display ctest --preset win32
/usr/lib/wine/wineserver -k 2>/dev/null || true
stage_passed win32

echo "=== all test presets passed ==="
