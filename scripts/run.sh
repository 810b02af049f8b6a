#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds velgaro.exe and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
source scripts/lib/wine.sh
export WINEPREFIX="${WINEPREFIX:-$HOME/.velgaro-wine}"
[ -f "$WINEPREFIX/system.reg" ] || WINEARCH=win64 wineboot -i >/dev/null 2>&1
if [ -z "${DISPLAY:-}" ]; then
  velgaro_start_xvfb
  echo "No display: started Xvfb on $DISPLAY (look with: import -display $DISPLAY -window root shot.png)"
  trap 'kill $VELGARO_XVFB_PID 2>/dev/null' EXIT
fi
wine build/windows/bin/velgaro.exe "$@"
