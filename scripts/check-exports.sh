#!/usr/bin/env bash
# Checks a built Windows DLL: every name of the list (one a line, "#" starts a
# comment) is exported, and only system DLLs are imported (the C and C++
# runtime linked in statically).
# usage: check-exports.sh OBJDUMP DLL NAMES [FORMAT]   (FORMAT such as pei-i386)
set -u
objdump=$1 dll=$2 list=$3 format=${4:-}
table=$("$objdump" -p "$dll") || { echo "cannot read $dll"; exit 1; }
status=0

if [ -n "$format" ] && ! printf '%s\n' "$table" | grep -q "file format $format\$"; then
  echo "$dll is not $format: $(printf '%s\n' "$table" | grep -m1 'file format')"
  status=1
fi

names=$(grep -v '^#' "$list" | awk 'NF {print $1}')
exported=$(printf '%s\n' "$table" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/^[[:space:]]+\[/ {print $NF}')
count=0
for name in $names; do
  count=$((count + 1))
  if ! printf '%s\n' "$exported" | grep -qxF -- "$name"; then
    echo "missing export: $name"
    status=1
  fi
done
echo "$count exports expected, $(printf '%s\n' "$exported" | grep -c .) found"

allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|COMCTL32|COMDLG32|OLE32|OLEAUT32|msvcrt|api-ms-win-crt-[a-z0-9-]+)\.dll$'
imports=$(printf '%s\n' "$table" | awk '/DLL Name:/ {print $3}')
for dll_name in $imports; do
  if ! printf '%s\n' "$dll_name" | grep -qiE "$allowed"; then
    echo "imports a non-system DLL: $dll_name"
    status=1
  fi
done
echo "imports: $(echo $imports)"
[ $status -eq 0 ] && echo "export and import tables OK"
exit $status
