#!/usr/bin/env bash
# /? shows the help box; closing it with Enter lets start-up finish.
source "$(dirname "$0")/startup_common.sh"
e2e_begin
e2e_start "/?"
box="$(wait_for_window "Quick Command Help" 40)" || fail "no help box"
mkdir -p "$E2E_SHOTS"
velgaro_screenshot "$E2E_SHOTS/$E2E_NAME.png"
xdotool windowfocus --sync "$box" 2>/dev/null || xdotool windowfocus "$box"
xdotool key Return
# Start-up goes on after the box: the process ends, or stays for its main window once there is one.
for i in $(seq 1 50); do
  e2e_running || break
  xdotool search --onlyvisible --name "^Velgaro Replaysetup" >/dev/null 2>&1 && break
  sleep 0.2
done
xdotool search --onlyvisible --name "Quick Command Help" >/dev/null 2>&1 && fail "help box still open"
if e2e_running && ! xdotool search --onlyvisible --name "^Velgaro Replaysetup" >/dev/null 2>&1; then
  fail "process still running after the help box closed"
fi
echo "PASS $E2E_NAME"
