#!/usr/bin/env bash
# Records a package through the Modern UI test installer as a user would: the new-package dialog from
# the main window (installer path and name typed, OK), the recording tip, then the installer's pages
# clicked (next, accept the licence, next, the folder field), the folder typed in the pause panel,
# install, finish, stop. The saved package holds each click with its window chain and the typed folder;
# replayed with /inst /nostat in a fresh prefix it installs into that folder.
# Screenshots: record-new-package.png, record-pause-panel.png.
E2E_NAME=record_nsis
source "$(dirname "$0")/fixtures/record_common.sh"

TARGET='C:\VelgaroRec\app'
main_prepare
main_set_folder "$PACKAGES"
main_start 0

record_start "$E2E_WORK/vtapp.exe" vtapp "$E2E_SHOTS/record-new-package.png"

wait_for_window "$SETUP_TITLE" 40 >/dev/null || fail "the installer did not start"
probe --class=VelgaroControlWindow windowrect >/dev/null || fail "the control window is not there"
[ -z "$(xdotool search --onlyvisible --name 'Velgaro Replaysetup \(Build' 2>/dev/null)" ] \
  || fail "the main window stayed visible while recording"
sleep 1
click_in "$SETUP_TITLE" Button "&Next >"
click_in "$SETUP_TITLE " Button "I &accept the terms of the License Agreement"
click_in "$SETUP_TITLE " Button "&Next >"
click_in "$SETUP_TITLE " Edit ""
click_pause_or_play
[ "$(control_height)" = 201 ] || fail "the pause panel did not unfold: height $(control_height)"
[ "$(probe --class=VelgaroControlWindow text "$ID_STELS_TEXT")" = 'C:\Program Files\Velgaro Test App' ] \
  || fail "the pause panel does not show the field's text: $(probe --class=VelgaroControlWindow text "$ID_STELS_TEXT")"
type_in "Velgaro Replaysetup" "$ID_STELS_TEXT" "$TARGET"
velgaro_screenshot "$E2E_SHOTS/record-pause-panel.png"
click_pause_or_play
[ "$(control_height)" = 43 ] || fail "the pause panel stayed open after resuming: height $(control_height)"
click_in "$SETUP_TITLE " Button "&Install"
click_in "$SETUP_TITLE " Button "&Finish" 60
[ -f "$(c_drive VelgaroRec/app/installed.txt)" ] || fail "the recorded installation did not install into the typed folder"
sleep 1
click_record_stop

# The main window comes back with the new package in its list.
main_wait_rows 1
[ "$(probe rows | cut -f2,3)" = "vtapp	Ok" ] || fail "the list after recording: $(probe rows)"
# The main window has the keyboard back: its shortcut opens the new-package dialog at once.
xdotool key ctrl+n
wait_for_window "$NEW_DIALOG" 10 >/dev/null || fail "the main window did not get the keyboard back after recording"
xdotool key Escape
read_saved_package
python3 - "$SAVED_DUMP" "$TARGET" <<'PY' || fail "the recorded package is not what was done"
import json, sys
p = json.loads(sys.argv[1])
chains = [[(w["class"], w["caption"]) for w in a["window"]] for a in p["actions"]]
top, page = ("#32770", "Velgaro Test App Setup "), ("#32770", "")
want = [
    [("#32770", "Velgaro Test App Setup"), ("Button", "&Next >")],
    [top, page, ("Button", "I &accept the terms of the License Agreement")],
    [top, ("Button", "&Next >")],
    [top, page, ("Edit", "")],
    [top, page, ("Edit", "")],
    [top, ("Button", "&Install")],
    [top, ("Button", "&Finish")],
]
assert chains == want, chains
texts = [a["text"] for a in p["actions"]]
assert texts == ["", "", "", "", sys.argv[2], "", ""], texts
for a in p["actions"]:
    kinds = [s["kind"] for s in a["steps"]]
    assert kinds[0] == 1 and kinds[-1] == 3, kinds   # a press first, its release last
assert p["exe_path"].endswith("\\vtapp.exe"), p["exe_path"]
assert p["options"]["need_wait"] is True
PY

# Another machine: a fresh prefix replays the package unattended.
velgaro_cleanup
e2e_desktop
e2e_preset_russian
velgaro_run 120 /inst "$(velgaro_winpath "$SAVED_PACKAGE")" /nostat
note "replay exit code $VELGARO_RC"
[ "$VELGARO_RC" = 0 ] || fail "replay exit code $VELGARO_RC"
[ -f "$(c_drive VelgaroRec/app/installed.txt)" ] || fail "the replay did not install into the typed folder"
echo "PASS $E2E_NAME"
