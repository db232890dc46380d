#!/usr/bin/env bash
# Runs a batch script that writes a metafile, converts the file with wmf2svg and checks that
# the picture has its frame, its ticks and one symbol per plotted row.
# usage: wmf_check.sh PROGRAM PROGRAMFOLDER SCRIPT WMF_NAME
# Exits 77 (skipped) when wmf2svg is not installed.
set -u
program="$1"; folder="$2"; script="$3"; wmf="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$folder"/. "$work"/
cp "$script" "$work/script.lvb"
output="$("$program" --base "$work" --batch "$work/script.lvb" 2>&1)"
status=$?
echo "$output"
fail() { echo "FAIL: $*"; exit 1; }
[ "$status" -eq 0 ] || fail "exit code $status"
[ -s "$work/$wmf" ] || fail "$wmf was not written"
if ! command -v wmf2svg >/dev/null; then
  echo "wmf2svg is not installed: the conversion is not checked"
  exit 77
fi
wmf2svg -o "$work/picture.svg" "$work/$wmf" 2>"$work/warnings" || fail "wmf2svg could not convert $wmf"
[ -s "$work/warnings" ] && { cat "$work/warnings"; fail "wmf2svg warned"; }
svg="$work/picture.svg"
# The frame: one closed polyline of five points.
frames="$(tr '\n' ' ' <"$svg" | grep -o '<polyline points="[^"]*"' | awk -F, '{ if (NF - 1 == 5) n++ } END { print n + 0 }')"
[ "$frames" -eq 1 ] || fail "$frames frames"
ticks="$(grep -c '<line ' "$svg")"
[ "$ticks" -ge 8 ] || fail "only $ticks ticks"
# One symbol for every row that the plotted dump lists as drawn.
rows="$(awk -F'\t' '/^row\tsymbol/ { f = 1; next } /^end/ { f = 0 } f' <<<"$output" | wc -l)"
symbols="$(grep -c -E '<(polygon|ellipse|circle) ' "$svg")"
[ "$rows" -gt 0 ] || fail "no plotted rows"
[ "$symbols" -eq "$rows" ] || fail "$symbols symbols for $rows plotted rows"
echo "frame, $ticks ticks, $symbols symbols for $rows rows"
