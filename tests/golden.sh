#!/bin/sh
# usage: golden.sh FOLDER FILE...: each FILE, what a check saw, must equal the reviewed file of its
# name, less a leading count ("7.gotcha.bmp": gotcha.bmp), in FOLDER. With VELMORA_RECORD set, as
# only the record tests set it, FILE is written there instead, and the end is 77 (skipped).
folder=$1 status=0 && shift
[ -z "$VELMORA_RECORD" ] || [ -z "${CI+set}" ] || { echo "CI: nothing is recorded"; exit 1; }
for file; do
  name=${file##*/} && golden=$folder/${name#[0-9]*.}
  if [ -n "$VELMORA_RECORD" ]; then
    cat "$file" >"$golden" && echo "recorded: review and commit $golden" && status=77 || exit 1
  else diff -u "$golden" "$file" && rm "$file" || status=1; fi
done
exit "$status"
