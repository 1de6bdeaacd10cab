#!/bin/sh
# Runs a suite ("$@") on a copy of $PLANTED_EXE in planted/, beside a copy of $CANARY (a DLL that
# exports nothing) for each name in $CANARIES, preferred to Wine's own as Windows would; fails if
# one ran. With $E2E_TRACE (Wine's file and DLL trace, end-to-end) also if drive C: changed, or the
# program names or loads a DLL neither known to Windows, nor Wine's own, nor a canary.
. "${WINE_SESSION:?is not set}" || exit 1
list() { find "${WINEPREFIX:?is not set}/drive_c" -printf '%P %s %T@\n' | sort >"$1"; }
rm -rf planted && mkdir planted && cp "$PLANTED_EXE" planted/ || exit 1
for dll in $CANARIES; do cp "$CANARY" "planted/$dll.dll" || exit 1; done
export VELMORA_EXE="$PWD/planted/${PLANTED_EXE##*/}" WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(echo $CANARIES | tr ' ' ,)=n,b"
[ -z "$E2E_TRACE" ] || { rm -rf sound && mkdir sound && list drive-before.txt; }
"$@" >suite.log 2>"${E2E_TRACE:-/dev/stderr}"; status=$?
cat suite.log
# Wine may end a crashed process with status 0: only a suite that got to its summary passed.
grep -q '^\[==========\] .* ran\.' suite.log || { echo "run-planted.sh: the suite did not finish"; status=1; }
for ran in planted/*.ran; do [ ! -e "$ran" ] || { echo "run-planted.sh: ${ran%.ran} beside the exe ran"; status=1; }; done
[ -n "$E2E_TRACE" ] || exit "$status"
list drive-after.txt
diff drive-before.txt drive-after.txt || { echo "run-planted.sh: drive C: changed"; status=1; }
# KnownDLLs and kin, Wine's own, the canaries; version: Wine's user32 imports it, Windows' not.
allowed=" $(echo ntdll kernelbase kernel32 user32 gdi32 msvcrt imm32 advapi32 sechost rpcrt4 combase \
  ole32 oleaut32 win32u ucrtbase zlib1 version $CANARIES) "
program=$(grep -ai "loaddll:.*\\\\${VELMORA_EXE##*/}\"" "$E2E_TRACE" | cut -d: -f1 | sort -u | paste -sd'|')
for dll in $({ grep -aiE "^($program):.*trace:loaddll:.*Loaded L\"[^\"]*\.dll\"" "$E2E_TRACE" | sed 's/.*\\//'
  "${OBJDUMP%objdump}strings" -a "$VELMORA_EXE"; } | grep -io '[a-z0-9_-]*\.dll' | tr A-Z a-z | sort -u); do
  case $allowed in *" ${dll%.dll} "*) ;; *) echo "run-planted.sh: $dll is named or loaded but has no canary"; status=1 ;; esac
done
exit "$status"
