#!/usr/bin/env bash
# The main window takes the keyboard back when it comes back, also when the installer is still open in
# front of it: after a recording stopped on the installer's second page, and after a batch run that left
# its installer open, Ctrl+N opens the new-package dialog at once.
E2E_NAME=main_focus_back
source "$(dirname "$0")/fixtures/record_common.sh"

# The X keyboard focus is on the main window (Wine moves it there in its own time).
main_has_keyboard() {
  local focus window
  focus="$(xdotool getwindowfocus 2>/dev/null)" || return 1
  for window in $(xdotool search --onlyvisible --name 'Velgaro Replaysetup \(Build' 2>/dev/null); do
    [ "$focus" = "$window" ] && return 0
  done
  return 1
}

expect_new_package_dialog() {
  local i
  for i in $(seq 1 50); do main_has_keyboard && break; sleep 0.2; done
  main_has_keyboard || fail "the keyboard is on \"$(xdotool getwindowname "$(xdotool getwindowfocus)")\", not on the main window, $1"
  xdotool key ctrl+n
  wait_for_window "$NEW_DIALOG" 10 >/dev/null || fail "the main window did not get the keyboard back $1"
  xdotool key Escape
  for i in $(seq 1 50); do [ -z "$(xdotool search --onlyvisible --name "^$NEW_DIALOG\$" 2>/dev/null)" ] && return 0; sleep 0.2; done
  fail "the new-package dialog did not close"
}

main_prepare
main_set_folder "$PACKAGES"
main_start 0

# A recording stopped while the installer is still open.
record_start "$E2E_WORK/vtapp.exe" first
wait_for_window "$SETUP_TITLE" 40 >/dev/null || fail "the installer did not start"
sleep 1
click_in "$SETUP_TITLE" Button "&Next >"
click_record_stop
main_wait_rows 1
expect_new_package_dialog "after a recording"
velgaro_screenshot "$E2E_SHOTS/main-focus-after-recording.png"

# A batch run whose installer stays open: one press on Next, no wait for the installer.
nsis_package_json "$(velgaro_winpath "$E2E_WORK/vtapp.exe")" 'C:\VelgaroFocus' \
  | python3 -c 'import json,sys; p=json.load(sys.stdin); p["actions"]=p["actions"][:1]; p["options"]["need_wait"]=False; print(json.dumps(p))' \
  >"$E2E_WORK/open.json"
vgp_pack "$E2E_WORK/open.json" "$PACKAGES/open.vgp"
probe command 1002 >/dev/null    # the folder read again
main_wait_rows 2
probe command 1011 >/dev/null    # none checked
row="$(probe rows | awk -F'\t' '$2 == "open" { print NR }')"
[ -n "$row" ] || fail "no row for the package open: $(probe rows)"
click_check_box "$row"
click_tool "$CMD_RUN_SELECT"
wait_for_window "Статистика" 60 >/dev/null || fail "the statistics window did not appear"
wait_for_window "$SETUP_TITLE " 10 >/dev/null || fail "the installer was not left open on its second page"
sleep 0.5
xdotool mousemove $(centre_of "$(probe --title=Статистика find Button "Закрыть")") click 1
for i in $(seq 1 50); do [ -z "$(xdotool search --onlyvisible --name '^Статистика$' 2>/dev/null)" ] && break; sleep 0.2; done
expect_new_package_dialog "after a batch run"
main_quit
echo "PASS $E2E_NAME"
