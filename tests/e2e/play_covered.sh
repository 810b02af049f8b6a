#!/usr/bin/env bash
# An unattended replay of the Modern UI installer goes on when, from the second page on, another program
# gets in the way: MODE cover (Notepad brought over the installer), topmost (Notepad made top-most over
# it), minimize (the installer minimised) or offscreen (the installer dragged until its buttons lie off
# the screen). The replay must free the installer itself, end with exit code 0 and install the program. Screenshots of the covered moment and of the end go to e2e-shots/.
# play_covered.sh MODE velgaro.exe vgptool wincover.exe
MODE="${1:?cover, topmost, minimize or offscreen}"; shift
E2E_NAME="play_covered_$MODE"
source "$(dirname "$0")/fixtures/play_common.sh"
WINCOVER="$(readlink -f "${3:?wincover.exe}")"
# The later pages of the installer: its caption then ends in a blank (see play_common.sh).
SECOND_PAGE='Velgaro Test App Setup '

e2e_desktop
nsis_build "$E2E_WORK/vtapp.exe"
nsis_package_json "$(velgaro_winpath "$E2E_WORK/vtapp.exe")" 'C:\VelgaroOut\covered' >"$E2E_WORK/pkg.json"
vgp_pack "$E2E_WORK/pkg.json" "$E2E_WORK/covered.vgp"

if [ "$MODE" = cover ] || [ "$MODE" = topmost ]; then
  wine notepad >/dev/null 2>&1 &
  E2E_PID=$!
  wait_for_window "Untitled - Notepad" 30 >/dev/null || fail "Notepad did not start"
fi

# A deadline well past a normal replay: a stall ends the run with a report of what was sought and shown.
velgaro_start 100 /inst "$(velgaro_winpath "$E2E_WORK/covered.vgp")" /nostat /TIMEOUT=60 \
  "/REPORT=$(velgaro_winpath "$E2E_WORK")\\run.json"
case "$MODE" in
  cover)    wine "$WINCOVER" cover Notepad "$SECOND_PAGE" >"$E2E_WORK/wincover.log" 2>&1 & ;;
  topmost)  wine "$WINCOVER" topmost Notepad "$SECOND_PAGE" >"$E2E_WORK/wincover.log" 2>&1 & ;;
  minimize|offscreen) wine "$WINCOVER" "$MODE" "$SECOND_PAGE" >"$E2E_WORK/wincover.log" 2>&1 & ;;
  *) fail "unknown mode $MODE" ;;
esac
helper=$!

# The covered moment: the replay waits at least three step ticks (1.5 s) before its first attempt.
for _ in $(seq 1 300); do
  grep -q '^acted' "$E2E_WORK/wincover.log" 2>/dev/null && break
  kill -0 "$helper" 2>/dev/null || break
  sleep 0.1
done
grep -q '^acted' "$E2E_WORK/wincover.log" || { cat "$E2E_WORK/wincover.log"; fail "the helper could not act"; }
sleep 1.2   # the bar then tells that the window is covered
velgaro_screenshot "$E2E_SHOTS/play_covered_$MODE-covered.png"

wait "$helper"
helper_rc=$?
note "helper: $(tr -d '\r' <"$E2E_WORK/wincover.log" | tr '\n' ';')"
[ "$helper_rc" -eq 0 ] || fail "the installer was never freed (helper exit code $helper_rc)"
velgaro_wait
velgaro_screenshot "$E2E_SHOTS/play_covered_$MODE-finished.png"
note "exit code $VELGARO_RC"
[ "$VELGARO_RC" = "0" ] || { cat "$E2E_WORK/run.json" 2>/dev/null; fail "exit code $VELGARO_RC, expected 0"; }
[ -f "$(c_drive VelgaroOut/covered/installed.txt)" ] || fail "installed.txt missing in C:\\VelgaroOut\\covered"
note "installed into C:\\VelgaroOut\\covered"
