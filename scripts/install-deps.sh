#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the program needs that are not there yet.
#   install-deps.sh          build and test packages
#   install-deps.sh --run    also the word processor and spreadsheet program the program starts
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsqlite3-dev libsqlitecpp-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev
  fonts-dejavu-core fonts-droid-fallback poppler-utils qpdf unzip
  liborcus-dev libixion-dev libfreexl-dev libzip-dev libpugixml-dev libboost-dev
  python3-openpyxl
  chromium chromium-driver python3-selenium python3-icalendar tidy
  dpkg-dev file desktop-file-utils appstream
  clang-format
)
if [[ "${1:-}" == "--run" ]]; then
  packages+=(libreoffice-writer libreoffice-calc)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
