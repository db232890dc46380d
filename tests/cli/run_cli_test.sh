#!/usr/bin/env bash
# Runs one batch script against a fresh copy of the program folder and checks the result.
# usage: run_cli_test.sh PROGRAM PROGRAMFOLDER SCRIPT EXPECTED_EXIT
#                       [--rm PATH | --cp FROM TO | --beside PATTERN | --tree DIR | --then SCRIPT2]... [TEXT ...] [! TEXT ...]
#                       [FILE::TEXT ...]
# The script is copied into the temporary program folder, so its relative paths name files
# there ("Data Files/..."); --rm removes a file of the copy first, --cp copies one
# (paths inside the copy; the script's files/ folder is there too), --beside copies the files
# matching PATTERN beside the script, --tree copies the content of folder DIR into the copy;
# --then starts the program a second time in the same folder with SCRIPT2 (a fresh start after
# the first run), whose transcript the TEXTs are then checked against. Each TEXT must appear in the transcript; each "! TEXT" must not; a TEXT
# written "~REGEX" is an extended regular expression matched against each line ("~^name<TAB>$":
# an empty field of `@dump fields`), one written "~~REGEX" a Perl one matched against the whole
# transcript (\n between lines: "~~ties\t1\ncmdLineonly\t0" two fields of one dump); FILE::TEXT
# must appear in the file FILE that the run left in the folder ("! FILE::TEXT": must not;
# FILE::~~REGEX: a Perl expression over the whole file).
set -u
program="$1"; folder="$2"; script="$3"; expected="$4"; shift 4
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$folder"/. "$work"/
cp "$script" "$work/script.lvb"
[ -d "$(dirname "$script")/files" ] && cp -r "$(dirname "$script")/files" "$work/files"
then=""
while [ "${1:-}" = "--rm" ] || [ "${1:-}" = "--cp" ] || [ "${1:-}" = "--beside" ] || [ "${1:-}" = "--then" ] || [ "${1:-}" = "--tree" ]; do
  case "$1" in
    --then) then="$2"; shift 2 ;;
    --rm) rm -rf "$work/$2"; shift 2 ;;
    --cp) cp "$work/$2" "$work/$3"; shift 3 ;;
    --beside) cp "$(dirname "$script")"/$2 "$work"/ 2>/dev/null; shift 2 ;;
    --tree) cp -r "$2"/. "$work"/; shift 2 ;;
  esac
done
output="$("$program" --base "$work" --batch "$work/script.lvb" 2>&1)"
status=$?
echo "$output"
failed=0
if [ "$status" -ne "$expected" ]; then
  echo "FAIL: exit code $status, expected $expected"; failed=1
fi
if [ -n "$then" ]; then
  cp "$(dirname "$script")/$then" "$work/script2.lvb"
  output="$("$program" --base "$work" --batch "$work/script2.lvb" 2>&1)"
  status=$?
  echo "---- fresh start: $then"
  echo "$output"
  if [ "$status" -ne "$expected" ]; then
    echo "FAIL: exit code $status of $then, expected $expected"; failed=1
  fi
fi
negate=0
for text in "$@"; do
  if [ "$text" = "!" ]; then negate=1; continue; fi
  if [[ "$text" == *::* ]]; then
    file="${text%%::*}"; wanted="${text#*::}"; how=-qF
    if [ "${wanted:0:2}" = "~~" ]; then how=-qzP; wanted="${wanted:2}"; fi
    if [ $negate -eq 0 ] && ! grep $how -- "$wanted" "$work/$file" 2>/dev/null; then
      echo "FAIL: $file lacks: $wanted"; failed=1
    fi
    if [ $negate -eq 1 ] && grep $how -- "$wanted" "$work/$file" 2>/dev/null; then
      echo "FAIL: $file has: $wanted"; failed=1
    fi
    negate=0
    continue
  fi
  how=-qF
  if [ "${text:0:2}" = "~~" ]; then how=-qzP; text="${text:2}"
  elif [ "${text:0:1}" = "~" ]; then how=-qE; text="${text:1}"; fi
  if [ $negate -eq 0 ] && ! grep $how -- "$text" <<<"$output"; then
    echo "FAIL: transcript lacks: $text"; failed=1
  fi
  if [ $negate -eq 1 ] && grep $how -- "$text" <<<"$output"; then
    echo "FAIL: transcript has: $text"; failed=1
  fi
  negate=0
done
exit $failed
