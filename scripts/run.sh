#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds velgaro.exe and starts it under Wine, on the demo library
# when the program has no package folder yet (scripts/lib/demo.sh).
#   bash scripts/run.sh [--no-demo] [--demo-replay] [--screenshot FILE] [velgaro.exe arguments...]
#   --no-demo         neither make the demo library nor point the package folder at it
#   --demo-replay     replay the demo packages unattended, print each one's outcome and time, and exit
#                     with the run's code (its low 8 bits, as Wine gives them)
#   --screenshot FILE wait for the main window, write a screenshot of the screen to FILE and leave the
#                     program running
# Without a display it starts Xvfb and, unless --screenshot, a VNC server on 127.0.0.1 with a password
# made for this run (scripts/lib/vnc.sh). WINEPREFIX chooses the Wine prefix (default ~/.velgaro-wine);
# VELGARO_EXE (and VELGARO_VGPTOOL, default vgptool.exe beside it) run an existing build instead of
# building.
set -euo pipefail
demo=1 replay=0 shot=""
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --no-demo) demo=0 ;;
    --demo-replay) replay=1 ;;
    --screenshot) [ $# -ge 2 ] || { echo "--screenshot needs a file" >&2; exit 2; }
                  shot="$(realpath -m "$2")"; shift ;;
    *) args+=("$1") ;;
  esac
  shift
done
if [ "$replay" = 1 ] && { [ "$demo" = 0 ] || [ -n "$shot" ]; }; then
  echo "--demo-replay goes with neither --no-demo nor --screenshot" >&2
  exit 2
fi
[ -z "${VELGARO_EXE:-}" ] || VELGARO_EXE="$(realpath "$VELGARO_EXE")"
[ -z "${VELGARO_VGPTOOL:-}" ] || VELGARO_VGPTOOL="$(realpath "$VELGARO_VGPTOOL")"
cd "$(dirname "$0")/.."

bash scripts/setup.sh
if [ -z "${VELGARO_EXE:-}" ]; then
  cmake --preset windows >/dev/null
  cmake --build --preset windows
  VELGARO_EXE="$PWD/build/windows/bin/velgaro.exe"
fi
VELGARO_VGPTOOL="${VELGARO_VGPTOOL:-$(dirname "$VELGARO_EXE")/vgptool.exe}"
source scripts/lib/wine.sh
source scripts/lib/vnc.sh
source scripts/lib/demo.sh
# The display comes first: Wine's desktop process, started by the first Wine program, stays on the
# display that program had.
if [ -z "${DISPLAY:-}" ]; then
  velgaro_start_xvfb
  echo "No display: started Xvfb on $DISPLAY"
  if [ -z "$shot" ]; then
    trap 'velgaro_stop_vnc; velgaro_cleanup' EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM HUP
    velgaro_start_vnc
  fi
fi
export WINEPREFIX="${WINEPREFIX:-$HOME/.velgaro-wine}"
[ -f "$WINEPREFIX/system.reg" ] || WINEARCH=win64 wineboot -i >/dev/null 2>&1
if [ -n "$VELGARO_XVFB_PID" ]; then
  velgaro_unmanaged
  # A program left running after --screenshot keeps the frames Wine draws.
  [ -n "$shot" ] || trap 'velgaro_restore_managed; velgaro_stop_vnc; velgaro_cleanup' EXIT
fi

if [ "$demo" = 1 ]; then
  folder="$(velgaro_package_folder)"
  if [ -z "$folder" ] || [ "$replay" = 1 ]; then velgaro_make_demo; fi
  if [ -z "$folder" ]; then
    velgaro_point_to_demo
    echo "Package folder: $VELGARO_DEMO_PACKAGES_WIN, the demo library (press F5 to replay its checked packages)"
  else
    echo "Package folder: $folder"
  fi
fi

if [ "$replay" = 1 ]; then
  # Someone at a terminal gets the time to connect a viewer before the replay begins.
  if [ -n "$VELGARO_VNC_PID" ] && [ -t 0 ]; then read -r -p "Connect your VNC viewer, then press Enter to start the replay. "; fi
  velgaro_replay_demo "$VELGARO_EXE"
  code=$(( VELGARO_DEMO_CODE & 255 ))
  [ "$VELGARO_DEMO_CODE" = 0 ] || [ "$code" != 0 ] || code=1
  exit "$code"
fi

if [ -n "$shot" ]; then
  source scripts/lib/screenshot.sh
  velgaro_detached_screenshot "$VELGARO_EXE" "$shot" "${args[@]}"
  exit
fi
# In the background, so that a signal to this script stops the VNC server and Xvfb at once.
wine "$VELGARO_EXE" "${args[@]}" &
wait $!
