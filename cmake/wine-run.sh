#!/usr/bin/env bash
# Runs one Windows program under Wine for ctest: wine-run.sh [--32-bit] PROGRAM ARGS...
# An x86_64 program runs under wine64; with --32-bit an i686 program runs
# under the 32-bit Wine loader, which itself runs under qemu-i386 (see
# scripts/prepare-wine32.sh), in the same prefix.
# A persistent wineserver and output through a file keep ctest from waiting on
# Wine's helper processes, which would otherwise inherit the pipe.
set -u
loader=/usr/lib/wine/wine64
if [ "${1:-}" = --32-bit ]; then
  loader=/usr/lib/wine/wine
  # Emulated, every process takes about 45 s to start and runs many times
  # slower: the tests wait that much longer for anything to happen.
  export VELMORA_WAIT_SCALE=${VELMORA_WAIT_SCALE:-10}
  shift
fi
script_folder="$(dirname "$0")"
: "${WINEPREFIX:=${TMPDIR:-/tmp}/velmora-wineprefix}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all}
. "$script_folder/wine-qemu.sh"
"$script_folder/wine-prefix.sh" || exit 1
if [ "$loader" = /usr/lib/wine/wine ] && ! grep -qx wow64 "$WINEPREFIX/.velmora-ready"; then
  echo "32-bit programs cannot run in $WINEPREFIX: run scripts/prepare-wine32.sh (as root) first"
  exit 1
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$loader" "$@" </dev/null >"$out" 2>&1
rc=$?
cat "$out"
exit $rc
