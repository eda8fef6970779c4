#!/usr/bin/env bash
# Every test: native (plain and under AddressSanitizer/UBSan), x86_64 Windows
# under Wine with a virtual display, and the export and import tables of the
# i686 build the host loads. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh

run_preset() {
  local preset=$1
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
}

run_preset linux
ctest --preset linux

run_preset linux-asan
ctest --preset linux-asan

run_preset win64
# Windows of the tests need a display; the Wine prefix lives in the build tree.
export WINEPREFIX="$PWD/build/win64/wineprefix"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win64
/usr/lib/wine/wineserver -k 2>/dev/null || true

run_preset win32
ctest --preset win32

echo "=== all test presets passed ==="
