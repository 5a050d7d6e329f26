#!/usr/bin/env bash
# Sets everything up (Debian packages, build) and starts Nuvaro.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Nuvaro needs a graphical display, and none is set (DISPLAY is empty)." >&2
  echo "Start it from a desktop session, or on a machine without one run it in a virtual display:" >&2
  echo "  xvfb-run -a -s '-screen 0 1024x768x24' build/bin/Nuvaro" >&2
  exit 2
fi
exec build/bin/Nuvaro "$@"
