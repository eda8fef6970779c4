#!/usr/bin/env bash
# Prepares this machine to run the shipped i686 binaries under 32-bit Wine.
# The kernel runs no 32-bit code itself, but the 32-bit Wine loader runs under
# qemu-i386 once binfmt_misc hands i386 ELF programs to it. Then the Wine
# prefix of the Windows tests, build/wineprefix, is made: a 64-bit prefix
# booted after that registration also sets up its 32-bit side, so it serves
# the x86_64 and the i686 builds alike.
#
# Root steps (packages, binfmt_misc) run as root or through sudo. Safe to
# repeat; the first run takes about two minutes, most of it the prefix.
set -uo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "prepare-wine32: FAILED: $*" >&2
  exit 1
}
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "prepare-wine32: this step needs root or sudo: $*" >&2
    return 1
  fi
}

scripts/install-packages.sh qemu-user ||
  fail "installing the Debian packages (qemu-user, wine32:i386 and the build's own)"

binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
  as_root mount -t binfmt_misc binfmt_misc "$binfmt" ||
    fail "cannot mount binfmt_misc on $binfmt (needs root and a kernel or container that allows it)"
fi
if [ "$(cat "$binfmt/status")" != enabled ]; then
  echo 1 | as_root tee "$binfmt/status" >/dev/null || fail "cannot enable binfmt_misc ($binfmt/status)"
fi

# i386 ELF executables: the header up to e_machine = EM_386; the mask lets
# any OS/ABI byte and ET_EXEC or ET_DYN through.
entry="$binfmt/qemu-i386"
if [ ! -e "$entry" ]; then
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf '%s' ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386:F" | as_root tee "$binfmt/register" >/dev/null ||
    fail "cannot register i386 ELF programs for /usr/bin/qemu-i386 in $binfmt/register"
fi
if ! grep -qx enabled "$entry"; then
  echo 1 | as_root tee "$entry" >/dev/null || fail "cannot enable the binfmt_misc entry $entry"
fi

version=$(/usr/lib/wine/wine --version 2>&1) ||
  fail "the 32-bit Wine loader does not run under qemu-i386: $version ($entry: $(tr '\n' ' ' <"$entry"))"
echo "32-bit Wine runs under qemu-i386: $version"

# The prefix is booted under a virtual display, as the tests run.
export WINEPREFIX="$PWD/build/wineprefix"
xvfb-run -a -s "-screen 0 1024x768x24" cmake/wine-prefix.sh ||
  fail "making the Wine prefix $WINEPREFIX"
grep -qx wow64 "$WINEPREFIX/.velmora-ready" ||
  fail "the Wine prefix $WINEPREFIX has no 32-bit side"
echo "Wine prefix ready for both Windows builds: $WINEPREFIX"
