# A screenshot of the program's main window for someone who cannot see the display. Source after
# wine.sh, with DISPLAY and WINEPREFIX set.

# Starts velgaro.exe detached from this shell (it goes on running after the script ends), waits for its
# main window, and writes a screenshot of the whole screen once the picture holds still (the list is
# read after the window shows). velgaro_detached_screenshot EXE FILE [ARGS...]; fails when no main
# window showed within a minute (a screenshot is still written, to show what came instead).
velgaro_detached_screenshot() {
  local exe="$1" file="$2" log i window="" previous="" current part
  shift 2
  log="$(mktemp "${TMPDIR:-/tmp}/velgaro-run.XXXXXX")"
  setsid wine "$exe" "$@" >"$log" 2>&1 </dev/null &
  for i in $(seq 1 300); do
    window="$(xdotool search --onlyvisible --name '^Velgaro Replaysetup \(Build' 2>/dev/null | head -1 || true)"
    [ -n "$window" ] && break
    sleep 0.2
  done
  mkdir -p "$(dirname "$file")"
  part="$(dirname "$file")/.part-$$-$(basename "$file")"
  for i in $(seq 1 20); do
    import -window root "$part" >/dev/null 2>&1 || break
    current="$(md5sum <"$part")"
    [ "$current" = "$previous" ] && break
    previous="$current"
    sleep 0.5
  done
  mv -f "$part" "$file" 2>/dev/null || { echo "could not write the screenshot $file" >&2; return 1; }
  if [ -z "$window" ]; then
    echo "The main window did not show within a minute; screenshot of the screen: $file (program output: $log)" >&2
    return 1
  fi
  echo "Screenshot of the main window: $file"
  echo "velgaro.exe goes on running on display $DISPLAY; to end it: WINEPREFIX='$WINEPREFIX' wineserver -k"
  [ -z "${VELGARO_XVFB_PID:-}" ] || echo "and then its Xvfb: kill $VELGARO_XVFB_PID"
  rm -f "$log"
}
