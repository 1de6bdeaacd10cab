#!/bin/sh
# Runs the driver ("$@") with Wine's file trace in $E2E_TRACE; fails if drive C: changed.
# Wine now and then fails to start a process, which then prints nothing: then once more.
list() { find "${WINEPREFIX:?is not set}/drive_c" -printf '%P %s %T@\n' | sort >"$1"; }
mkdir -p "$E2E_SOUND" && rm -f "$E2E_SOUND"/*.raw && list drive-before.txt
"$@" >driver.log 2>"$E2E_TRACE"; status=$?
grep -q '^\[==========\]' driver.log || { echo "run.sh: once more"; "$@" >driver.log 2>"$E2E_TRACE"; status=$?; }
cat driver.log
list drive-after.txt
diff drive-before.txt drive-after.txt || { echo "run.sh: drive C: changed"; status=1; }
exit "$status"
