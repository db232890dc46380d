#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each briefly over its corpus: the long runs
# are done by hand (fuzz/CMakeLists.txt says how); this keeps the targets building and sound.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
CXX=clang++ bash "$here/scripts/build.sh" build-fuzz -DLAVIX_FUZZ=ON -DLAVIX_GUI=OFF -DLAVIX_TESTS=OFF
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for corpus in "$here"/fuzz/corpus/*/; do
  target="$(basename "$corpus")"
  cp -r "$corpus" "$work/$target"
  echo "fuzz smoke: $target"
  "$here/build-fuzz/fuzz/$target" -runs=3000 -timeout=10 "$work/$target" 2>&1 | tail -1
done
