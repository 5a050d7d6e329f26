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

build_type=${NUVARO_BUILD_TYPE:-RelWithDebInfo}
cmake -S . -B build -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
cmake --build build -j"${NUVARO_JOBS:-2}"
