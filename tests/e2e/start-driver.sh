#!/bin/sh
# Runs the end-to-end driver under Wine. Now and then Wine fails to start a
# process at all: it exits at once and prints nothing. Only then is the
# driver started once more, and the log says so; any test that ran and
# failed stays a failure.
log=$(mktemp)
"$@" >"$log" 2>&1
status=$?
cat "$log"
if [ "$status" -ne 0 ] && ! grep -q '^\[==========\]' "$log"; then
  echo "start-driver: the driver did not start (exit $status); starting it again"
  "$@"
  status=$?
fi
rm -f "$log"
exit "$status"
