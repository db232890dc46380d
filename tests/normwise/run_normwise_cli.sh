#!/usr/bin/env bash
# Runs one normwise batch script in a fresh copy of the program folder and checks the result.
# usage: run_normwise_cli.sh PROGRAM PROGRAMFOLDER SCRIPT EXPECTED_EXIT [TEXT | FILE::TEXT]...
# The script and the normwise-* files beside it are copied into the temporary folder, so its
# relative paths name files there. TEXT must appear in the transcript; FILE::TEXT in the file
# FILE the run left in the folder.
set -u
program="$1"; folder="$2"; script="$3"; expected="$4"; shift 4
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$folder"/. "$work"/
cp "$(dirname "$script")"/normwise-* "$work"/ 2>/dev/null
cp "$script" "$work/script.nwb"
output="$("$program" --base "$work" --batch "$work/script.nwb" 2>&1)"
status=$?
echo "$output"
failed=0
if [ "$status" -ne "$expected" ]; then
  echo "FAIL: exit code $status, expected $expected"; failed=1
fi
for text in "$@"; do
  if [[ "$text" == *::* ]]; then
    file="${text%%::*}"; wanted="${text#*::}"
    if ! grep -qF -- "$wanted" "$work/$file" 2>/dev/null; then
      echo "FAIL: $file lacks: $wanted"; failed=1
    fi
  elif ! grep -qF -- "$text" <<<"$output"; then
    echo "FAIL: transcript lacks: $text"; failed=1
  fi
done
exit $failed
