#!/usr/bin/env bash
# Makes the Wine prefix in $WINEPREFIX ready once (boot, registry settings) and
# keeps a wineserver running; safe to call from parallel tests.
set -u
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG=${WINEDEBUG:--all}
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  # Without a display dialogs would fail; with Xvfb, unmanaged windows close without stalling.
  cat >"$WINEPREFIX/velmora.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  if [ -z "${DISPLAY:-}" ]; then
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="null"\n' >>"$WINEPREFIX/velmora.reg"
  fi
  /usr/lib/wine/wine64 regedit /S "$WINEPREFIX/velmora.reg" >/dev/null 2>&1
  touch "$WINEPREFIX/.velmora-ready"
fi
/usr/lib/wine/wineserver -p300 >/dev/null 2>&1 || true
