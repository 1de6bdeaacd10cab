#!/bin/sh
# The exe within its size budget, its PE header, DLLs, imports and resources (type, name,
# language, size) as in the reviewed golden.
# usage: check-exe.sh OBJDUMP EXE GOLDEN   (VELMORA_RECORD=1 rewrites GOLDEN)
objdump=$1 exe=$2 golden=$3
size=$(stat -c %s "$exe") || exit 1
[ "$size" -le 32768 ] || { echo "$exe is $size bytes, over the 32 KiB budget"; exit 1; }
actual=$("$objdump" -p "$exe" | awk '
  /^(Magic|Subsystem|MajorSubsystemVersion|MinorSubsystemVersion|DllCharacteristics)\t/ {
    $1 = $1; print; next }
  /DLL Name:/ { dll = toupper($3); next }
  dll != "" && NF == 3 && $2 ~ /^[0-9]+$/ { print dll "!" $3 }
  /^$/ { dll = "" }
  /^[0-9a-f]+ +Entry: (ID|name)/ { gsub(/\[val[^]]*\]: |, Value.*/, ""); $1 = "resource"; print }
  /^[0-9a-f]+ +Leaf:/ { print "resource size " $6 }')
[ -n "${VELMORA_RECORD:-}" ] && { printf '%s\n' "$actual" >"$golden"; exit 0; }
printf '%s\n' "$actual" | diff -u "$golden" - && echo "$exe: $size bytes, header, imports and resources as reviewed"
