#!/bin/sh
# The exe within its size budget, its PE header, DLLs and imports as in the reviewed golden.
# usage: check-exe.sh OBJDUMP EXE GOLDEN   (VELMORA_RECORD=1 rewrites GOLDEN)
objdump=$1 exe=$2 golden=$3
size=$(stat -c %s "$exe") || exit 1
[ "$size" -le 65536 ] || { echo "$exe is $size bytes, over the 64 KiB budget"; exit 1; }
actual=$("$objdump" -p "$exe" | awk '
  /^(Magic|Subsystem|MajorSubsystemVersion|MinorSubsystemVersion|DllCharacteristics)\t/ {
    $1 = $1; print; next }
  /DLL Name:/ { dll = toupper($3); next }
  dll != "" && NF == 3 && $2 ~ /^[0-9]+$/ { print dll "!" $3 }
  /^$/ { dll = "" }')
[ -n "${VELMORA_RECORD:-}" ] && { printf '%s\n' "$actual" >"$golden"; exit 0; }
printf '%s\n' "$actual" | diff -u "$golden" - && echo "$exe: $size bytes, header and imports as reviewed"
