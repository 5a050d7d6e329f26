#!/usr/bin/env bash
# Installs every Debian package the project needs that is missing, then configures and
# builds the program folder build/bin. Used by both README commands and by CI.
set -euo pipefail
cd "$(dirname "$0")/.."

want=$(grep -v -E '^\s*(#|$)' scripts/packages.txt)
missing=()
for p in $want; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if ! command -v apt-get >/dev/null 2>&1; then
    echo "Nuvaro: apt-get is not available; install these Debian packages by hand: ${missing[*]}" >&2
    exit 1
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Nuvaro: these Debian packages are missing: ${missing[*]}" >&2
    echo "Run this command as root (for example with sudo) so they can be installed." >&2
    exit 1
  fi
  echo "Nuvaro: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The Japanese manual pages are checked as a Japanese reader sees them, in ja_JP.UTF-8.
if ! locale -a 2>/dev/null | grep -qx 'ja_JP.utf8'; then
  if [ "$(id -u)" -eq 0 ] && [ -f /etc/locale.gen ] && command -v locale-gen >/dev/null 2>&1; then
    echo "Nuvaro: generating the locale ja_JP.UTF-8"
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen ||
      sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
  else
    echo "Nuvaro: the locale ja_JP.UTF-8 is missing (as root: locale-gen); its manual page test will be skipped" >&2
  fi
fi

build_type=${NUVARO_BUILD_TYPE:-RelWithDebInfo}
cmake -S . -B build -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
cmake --build build -j"${NUVARO_JOBS:-2}"
