#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and checking
# the editor need; does nothing when all of them are there. Another
# installation that holds the package manager (automatic updates right after
# a fresh machine boots) is waited for, not taken for a failure.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6svg6 libgl-dev
  libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  unzip zip fonts-dejavu-core
  clang-format clang-tidy python3
  desktop-file-utils libxml2-utils shared-mime-info
  xdg-utils libfile-mimeinfo-perl libglib2.0-bin
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

# How long another installation may hold the package manager.
lock_wait_seconds=900

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

# Through env, since sudo drops the caller's environment; messages in English,
# so that a lock can be told from other failures.
apt_get() {
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive LC_ALL=C \
    apt-get -o DPkg::Lock::Timeout="$lock_wait_seconds" "$@"
}

# The option makes apt-get wait for the dpkg lock, but "update" fails at once
# on the package lists' own lock: that one is waited for here.
update_package_lists() {
  local deadline=$((SECONDS + lock_wait_seconds)) said told=no
  until said="$(apt_get update -qq 2>&1)"; do
    if ! grep -q 'Could not get lock' <<<"$said" || [ "$SECONDS" -ge "$deadline" ]; then
      printf '%s\n' "$said" >&2
      return 1
    fi
    [ "$told" = yes ] || echo "Waiting for another installation to finish..."
    told=yes
    sleep 5
  done
  [ -z "$said" ] || printf '%s\n' "$said"
}

update_package_lists
apt_get install -y -qq --no-install-recommends "${missing[@]}"
