#!/bin/sh
# Runs the driver ("$@") with Wine's file and DLL trace in $E2E_TRACE, on a copy of the exe with canaries
# ($E2E_CANARIES) beside it, preferred as on Windows. Fails if drive C: changed, a canary ran, or the
# program names or loads a DLL not known to Windows, Wine's own or a canary. Once more if Wine did not start.
list() { find "${WINEPREFIX:?is not set}/drive_c" -printf '%P %s %T@\n' | sort >"$1"; }
rm -rf planted && mkdir planted && cp "$VELMORA_EXE" planted/ || exit 1
for dll in $E2E_CANARIES; do  # exporting what the exe imports from that DLL
  "$E2E_OBJDUMP" -p "$VELMORA_EXE" | awk -v dll="$dll.dll" '/DLL Name:/ { take = tolower($3) == dll }
    take && NF == 3 && $2 ~ /^[0-9]+$/ { print "__declspec(dllexport) void " $3 "(void) {}" }' |
    cat "$(dirname "$0")/canary.c" - | "$E2E_CC" -DWIN32_LEAN_AND_MEAN -shared -x c -o "planted/$dll.dll" - || exit 1
done
export VELMORA_EXE="$PWD/planted/${VELMORA_EXE##*/}" WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(echo $E2E_CANARIES | tr ' ' ,)=n,b"
mkdir -p "$E2E_SOUND" && rm -f "$E2E_SOUND"/*.raw && list drive-before.txt
"$@" >driver.log 2>"$E2E_TRACE"; status=$?
grep -q '^\[==========\]' driver.log || { echo "run.sh: once more"; "$@" >driver.log 2>"$E2E_TRACE"; status=$?; }
cat driver.log
list drive-after.txt
diff drive-before.txt drive-after.txt || { echo "run.sh: drive C: changed"; status=1; }
for ran in planted/*.ran; do [ ! -e "$ran" ] || { echo "run.sh: ${ran%.ran} beside the exe ran"; status=1; }; done
# KnownDLLs and kin, Wine's own, the canaries; version: Wine's user32 imports it, Windows' not.
allowed=" $(echo ntdll kernelbase kernel32 user32 gdi32 msvcrt imm32 advapi32 sechost rpcrt4 combase \
  ole32 oleaut32 win32u ucrtbase zlib1 version $E2E_CANARIES) "
program=$(grep -ai "loaddll:.*\\\\${VELMORA_EXE##*/}\"" "$E2E_TRACE" | cut -d: -f1 | sort -u | paste -sd'|')
for dll in $({ grep -aiE "^($program):.*trace:loaddll:.*Loaded L\"[^\"]*\.dll\"" "$E2E_TRACE" | sed 's/.*\\//'
  "${E2E_OBJDUMP%objdump}strings" -a "$VELMORA_EXE"; } | grep -io '[a-z0-9_-]*\.dll' | tr A-Z a-z | sort -u); do
  case $allowed in *" ${dll%.dll} "*) ;; *) echo "run.sh: $dll is named or loaded but has no canary"; status=1 ;; esac
done
exit "$status"
