#!/usr/bin/env bash
# Runs one Windows program under Wine for ctest.
# A persistent wineserver and output through a file keep ctest from waiting on
# Wine's helper processes, which would otherwise inherit the pipe.
set -u
prefix_script="$(dirname "$0")/wine-prefix.sh"
: "${WINEPREFIX:=${TMPDIR:-/tmp}/velmora-wineprefix}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all}
"$prefix_script" || exit 1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
/usr/lib/wine/wine64 "$@" </dev/null >"$out" 2>&1
rc=$?
cat "$out"
exit $rc
