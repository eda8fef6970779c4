#!/usr/bin/env bash
# Makes the Wine prefix in $WINEPREFIX ready once (boot, registry settings) and
# keeps a wineserver running; safe to call from parallel tests.
#
# A prefix booted while 32-bit programs can run here (see
# scripts/prepare-wine32.sh) gets its 32-bit side too, which takes about 100 s
# instead of 6 s; the marker file .velmora-ready then says "wow64". A prefix
# made without it is made again once 32-bit programs can run.
set -u
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG=${WINEDEBUG:--all}
. "$(dirname "$0")/wine-qemu.sh"
marker="$WINEPREFIX/.velmora-ready"
mkdir -p "$(dirname "$WINEPREFIX")"

runs_32_bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

if ! grep -qx wow64 "$marker" 2>/dev/null; then
  (
    flock 9
    if [ -f "$marker" ]; then
      grep -qx wow64 "$marker" && exit 0
      runs_32_bit || exit 0
      echo "remaking the Wine prefix $WINEPREFIX with its 32-bit side" >&2
      /usr/lib/wine/wineserver -k 9>&- 2>/dev/null || true
      rm -rf "$WINEPREFIX"
    fi
    side="64-bit only"
    runs_32_bit && side=wow64
    # Wine's long-lived helpers must not inherit the lock: "9>&-" on every call.
    # Without the overrides wineboot waits minutes for the Mono and Gecko
    # installers, which cannot download anything here.
    WINEDLLOVERRIDES="mscoree,mshtml=" /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1 9>&-
    # Unmanaged windows close without stalling under Xvfb; no crash dialogs.
    cat >"$WINEPREFIX/velmora.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
    # Without any display, windows still work on the null driver.
    if [ -z "${DISPLAY:-}" ]; then
      printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="null"\n' >>"$WINEPREFIX/velmora.reg"
    fi
    /usr/lib/wine/wine64 regedit /S "$WINEPREFIX/velmora.reg" </dev/null >/dev/null 2>&1 9>&-
    # The server session that booted the prefix cannot start the RPC service
    # that COM's running-object table needs; a fresh session can.
    /usr/lib/wine/wineserver -k 9>&- 2>/dev/null || true
    echo "$side" >"$marker"
  ) 9>"$WINEPREFIX.lock"
fi
/usr/lib/wine/wineserver -p300 </dev/null >/dev/null 2>&1 || true
