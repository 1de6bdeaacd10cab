#!/bin/sh
# Runs a suite ("$@") on a copy of $PLANTED_EXE in planted/ beside a copy of $CANARY (it exports
# nothing) for each of $CANARIES, preferred to Wine's own as on Windows; fails if one ran, or if
# out/ differs from $GOLDEN (golden.sh). With $E2E_TRACE (Wine's file and DLL trace) also if drive
# C: changed, or the exe names a DLL neither known nor a canary, or loads one not Wine's own either.
. "${WINE_SESSION:?is not set}" || exit 1
list() { find "${WINEPREFIX:?is not set}/drive_c" -printf '%P %s %T@\n' | sort >"$1"; }
rm -rf planted sound out && mkdir planted sound out && cp "$PLANTED_EXE" planted/ || exit 1
for dll in $CANARIES; do cp "$CANARY" "planted/$dll.dll" || exit 1; done
export VELMORA_EXE="$PWD/planted/${PLANTED_EXE##*/}" WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(echo $CANARIES | tr ' ' ,)=n,b"
[ -z "$E2E_TRACE" ] || list drive-before.txt
"$@" >suite.log 2>"${E2E_TRACE:-/dev/stderr}"; status=$?
cat suite.log
# Wine may end a crashed process with status 0: only a suite that got to its summary passed.
grep -q '^\[==========\] .* ran\.' suite.log || { echo "run-planted.sh: the suite did not finish"; status=1; }
for ran in planted/*.ran; do [ ! -e "$ran" ] || { echo "run-planted.sh: ${ran%.ran} beside the exe ran"; status=1; }; done
sh "${0%/*}/golden.sh" "$GOLDEN" out/*; golden=$?
[ -n "$E2E_TRACE" ] || exit $((status ? status : golden))
list drive-after.txt
diff drive-before.txt drive-after.txt || { echo "run-planted.sh: drive C: changed"; status=1; }
# KnownDLLs and kin (Windows takes them from its folder), canaries, and Wine's *-windows PE DLLs.
printf '%s\n' ntdll kernelbase kernel32 user32 gdi32 msvcrt imm32 advapi32 sechost rpcrt4 combase ole32 oleaut32 $CANARIES >known.txt
dir=$(WINEDEBUG=-all "$VELMORA_WINE" cmd /c echo %WINEDLLDIR0% | sed 's/^\\??\\Z://; s/\r$//' | tr '\\' /)
{ cat known.txt; ls "$dir"/*-windows | tr A-Z a-z | sed -n 's/\.dll$//p'; } >wine.txt
unlisted() { grep -io '[a-z0-9_-]*\.dll' | tr A-Z a-z | sed 's/\.dll$//' | sort -u | grep -vxFf "$1" | sed "s/^/run-planted.sh: $2/" | grep .; }
"${OBJDUMP%objdump}strings" -a "$VELMORA_EXE" | unlisted known.txt "the exe names a DLL that is no KnownDLL and has no canary: " && status=1
grep -ai 'trace:loaddll:.*Loaded L"[^"]*\.dll"' "$E2E_TRACE" | sed 's/.*\\//' | unlisted wine.txt "a DLL that is neither Wine's own nor a canary was loaded: " && status=1
exit $((status ? status : golden))
