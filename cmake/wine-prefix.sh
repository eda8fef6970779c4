#!/usr/bin/env bash
# Makes the Wine prefix in $WINEPREFIX ready once (boot, registry settings) and
# keeps a wineserver running; safe to call from parallel tests.
set -u
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG=${WINEDEBUG:--all}
mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
  (
    flock 9
    [ -f "$WINEPREFIX/.velmora-ready" ] && exit 0
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
    touch "$WINEPREFIX/.velmora-ready"
  ) 9>"$WINEPREFIX.lock"
fi
/usr/lib/wine/wineserver -p300 </dev/null >/dev/null 2>&1 || true
