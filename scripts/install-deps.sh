#!/usr/bin/env bash
# Installs every Debian package the project needs, when it is missing.
set -euo pipefail

packages=(
  build-essential g++ cmake make pkg-config
  qt6-base-dev libgl-dev fonts-dejavu-core
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-dev llvm
  xvfb xauth libwmf-bin
  # wmf2svg (the metafile tests) loads its fonts from /usr/share/fonts/type1/urw-base35/, and
  # libwmf only recommends the package that ships them.
  fonts-urw-base35
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Please run as root, or install sudo: missing packages ${missing[*]}" >&2
    exit 1
  fi
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
