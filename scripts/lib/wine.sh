# Shared helpers for running Windows programs under Wine with a private Xvfb. Source, don't run.
# Everything started here is stopped by velgaro_cleanup (trap it on EXIT).

VELGARO_ROOT="${VELGARO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"   # no Mono/Gecko download prompts
VELGARO_XVFB_PID=""
VELGARO_PREFIXES=()

# Starts Xvfb on the first free display from :90 and exports DISPLAY. Parallel callers take turns: two
# that both saw a number free would otherwise both talk to whichever server won it.
velgaro_start_xvfb() {
  local geometry="${1:-1024x768x24}" n lock
  exec {lock}>"/tmp/.velgaro-xvfb.lock"
  flock "$lock"
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "$geometry" -nolisten tcp >/dev/null 2>&1 {lock}>&- &
    VELGARO_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":$n"
        exec {lock}>&-
        return 0
      fi
      kill -0 "$VELGARO_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$VELGARO_XVFB_PID" 2>/dev/null; VELGARO_XVFB_PID=""
  done
  exec {lock}>&-
  echo "could not start Xvfb" >&2
  return 1
}

# Creates the base prefix once (wineboot), under a lock so that parallel callers wait for it. No window
# manager runs on the test displays: unmanaged windows spare Wine its 2-second wait for one whenever a
# framed window closes. The marker's number changes whenever what the base holds changes.
velgaro_base_prefix() {
  local base="${VELGARO_BASE_PREFIX:-$VELGARO_ROOT/build/wineprefix/base}"
  mkdir -p "$(dirname "$base")"
  (
    flock 9
    if [ ! -f "$base/.velgaro-ready-2" ]; then
      rm -rf "$base"
      WINEPREFIX="$base" WINEARCH=win64 wineboot -i >/dev/null 2>&1
      WINEPREFIX="$base" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      WINEPREFIX="$base" wineserver -w
      touch "$base/.velgaro-ready-2"
    fi
  ) 9>"$base.lock"
  echo "$base"
}

# A fresh copy of the base prefix for one test; exported as WINEPREFIX.
velgaro_fresh_prefix() {
  local base dir
  base="$(velgaro_base_prefix)"
  dir="$(mktemp -d "$VELGARO_ROOT/build/wineprefix/test.XXXXXX")"
  cp -a "$base/." "$dir/"
  rm -f "$dir"/.velgaro-ready*
  VELGARO_PREFIXES+=("$dir")
  export WINEPREFIX="$dir"
}

# Path of a Linux file as Windows programs see it (Z: drive).
velgaro_winpath() { printf 'Z:%s' "$(readlink -f "$1" | sed 's#/#\\#g')"; }

velgaro_screenshot() { [ -n "${DISPLAY:-}" ] && import -window root "$1" >/dev/null 2>&1 || true; }

velgaro_cleanup() {
  local p
  for p in "${VELGARO_PREFIXES[@]}"; do
    WINEPREFIX="$p" wineserver -k >/dev/null 2>&1 || true
    [ -n "${VELGARO_KEEP_PREFIX:-}" ] || rm -rf "$p"
  done
  VELGARO_PREFIXES=()
  if [ -n "$VELGARO_XVFB_PID" ]; then kill "$VELGARO_XVFB_PID" 2>/dev/null || true; VELGARO_XVFB_PID=""; fi
}

# No window manager runs on our own Xvfb: Wine then draws the window frames itself (title bars to see
# and drag) and does not wait for a manager whenever a framed window closes. velgaro_unmanaged sets that
# for the prefix, velgaro_restore_managed gives the prefix its own choice back (it may serve a desktop
# with a window manager at other times).
VELGARO_MANAGED_BEFORE=""
velgaro_unmanaged() {
  VELGARO_MANAGED_BEFORE="$({ wine reg query 'HKCU\Software\Wine\X11 Driver' /v Managed 2>/dev/null || true; } |
    tr -d '\r' | sed -n 's/^[[:space:]]*Managed[[:space:]]\+REG_SZ[[:space:]]*//p')"
  [ -n "$VELGARO_MANAGED_BEFORE" ] || VELGARO_MANAGED_BEFORE="-"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}
velgaro_restore_managed() {
  case "$VELGARO_MANAGED_BEFORE" in
    "") ;;
    -) wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true ;;
    *) wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$VELGARO_MANAGED_BEFORE" /f >/dev/null 2>&1 || true ;;
  esac
  VELGARO_MANAGED_BEFORE=""
}
