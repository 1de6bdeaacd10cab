#!/bin/sh
# The exe within its size budget, 386 code only, and its time stamp, five fields of its PE header,
# DLLs, imports and resources (type, name, language, size) as in GOLDEN, which --record rewrites
# (exit 77: skipped). usage: check-exe.sh OBJDUMP EXE GOLDEN [--record]
objdump=$1 exe=$2 golden=$3
size=$(stat -c %s "$exe") && [ "$size" -le 32768 ] || { echo "$exe: ${size:-no} bytes, not within the 32 KiB budget"; exit 1; }
# The disassembly, given back to binutils' assembler for the 386, which names what it lacks and
# says nothing else.
"$objdump" -d --no-show-raw-insn "$exe" | awk -F'\t' '$1 ~ /:$/ && $2 !~ /bad/ { print $2 " #" $1 }' >code.s
"${objdump%objdump}as" -march=i386 -o /dev/null code.s >as.log 2>&1 && [ ! -s as.log ] ||
  { cat as.log; echo "$exe needs a newer processor than a 386 (code.s holds the lines named)"; exit 1; }
actual=$(TZ=UTC "$objdump" -p "$exe" | awk '
  /^(Time\/Date|Magic|Subsystem|MajorSubsystemVersion|MinorSubsystemVersion|DllCharacteristics)\t/ {
    $1 = $1; print; next }
  /DLL Name:/ { dll = toupper($3); next }
  dll != "" && NF == 3 && $2 ~ /^[0-9]+$/ { print dll "!" $3 }
  /^$/ { dll = "" }
  /^[0-9a-f]+ +Entry: (ID|name)/ { gsub(/\[val[^]]*\]: |, Value.*/, ""); $1 = "resource"; print }
  /^[0-9a-f]+ +Leaf:/ { print "resource size " $6 }')
if [ "${4:-}" = --record ]; then
  [ -z "${CI+set}" ] || { echo "CI: nothing is recorded"; exit 1; }
  printf '%s\n' "$actual" >"$golden" || exit 1
  echo "recorded: review and commit $golden" && exit 77
fi
printf '%s\n' "$actual" | diff -u "$golden" - && echo "$exe: $size bytes, 386 code, header, imports and resources as reviewed"
