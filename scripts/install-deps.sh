#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, only where it is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-serialport-dev libqcustomplot-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils fonts-dejavu-core ccache clang-format
  qt6-translations-l10n breeze-icon-theme libqt6svg6
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
