#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and checking
# the editor need; does nothing when all of them are there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6svg6 libgl-dev
  libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  unzip zip fonts-dejavu-core
  clang-format clang-tidy python3
  desktop-file-utils libxml2-utils shared-mime-info
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
