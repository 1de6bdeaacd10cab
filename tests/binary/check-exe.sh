#!/bin/sh
# usage: check-exe.sh OBJDUMP EXE FOLDER: the exe within 32 KiB, 386 code only, and what pefile
# reads of it (time stamp, five header fields, imports, resources) as in FOLDER/exe.golden.
objdump=$1 exe=$2 folder=$3
size=$(stat -c %s "$exe") && [ "$size" -le 32768 ] || { echo "$exe: ${size:-no} bytes, not within the 32 KiB budget"; exit 1; }
# The disassembly, given back to binutils' assembler for the 386: each message names what a 386 lacks.
"$objdump" -d --no-show-raw-insn "$exe" | awk -F'\t' '$1 ~ /:$/ && $2 !~ /bad/ { print $2 " #" $1 }' >code.s
"${objdump%objdump}as" -march=i386 -o /dev/null code.s >as.log 2>&1 && [ ! -s as.log ] ||
  { cat as.log; echo "$exe needs a newer processor than a 386 (code.s holds the lines named)"; exit 1; }
/usr/bin/python3 - "$exe" >exe.golden <<'EOF' || { echo "$exe: pefile cannot read its header, imports or resources"; exit 1; }
import sys, time, pefile
pe = pefile.PE(sys.argv[1])
print('Time/Date', *time.asctime(time.gmtime(pe.FILE_HEADER.TimeDateStamp)).split())
for field in 'Magic', 'MajorSubsystemVersion', 'MinorSubsystemVersion', 'Subsystem', 'DllCharacteristics':
  print(field, hex(getattr(pe.OPTIONAL_HEADER, field)))
for dll in pe.DIRECTORY_ENTRY_IMPORT:
  for f in dll.imports: print((dll.dll.upper() + b'!' + (f.name or b'#%d' % f.ordinal)).decode())
for t in pe.DIRECTORY_ENTRY_RESOURCE.entries:  # each resource: type, name, language, size
  for n in t.directory.entries:
    for l in n.directory.entries: print('resource', t.name or t.id, n.name or n.id, hex(l.id), l.data.struct.Size)
EOF
sh "${0%/*}/../golden.sh" "$folder" exe.golden &&
  echo "$exe: $size bytes, 386 code, header, imports and resources as reviewed"
