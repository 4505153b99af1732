#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when some are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config clang clang-format libclang-rt-14-dev
  libsdl2-dev libpng-dev zlib1g-dev libfreetype-dev libvorbis-dev libogg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool
  fonts-dejavu-core fonts-cabin fonts-yanone-kaffeesatz fonts-bebas-neue
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
