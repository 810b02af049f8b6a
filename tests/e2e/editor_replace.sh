#!/usr/bin/env bash
# The batch editor as a user drives it: opened from the main window's File menu on a folder of five
# packages whose installers lie under D:\Distr; "D:\Distr" replaced by "E:\Soft" typed with xdotool
# shows the new paths in column 3 and 5/5/5 in the counters. One row is unticked with a click on its
# check box, another package file is made read-only, Save: the three others carry the new path, the
# unticked one is byte-identical, the read-only one is unchanged and its failure is shown in a message
# box, and its row stays pending. A double click on a row opens the path dialog on the row's path; a
# path typed there and OK shows in column 3. Esc asks before the pending change is dropped.
# Screenshots: e2e-shots/editor_replace-after.png (after the replacement) and -editpath.png.
E2E_NAME=editor_replace
source "$(dirname "$0")/fixtures/main_common.sh"

TITLE="Мастер пакетного поиска и замены пути"
EDIT_TITLE="Редактирование пути исполняемого файла"
SAVE_ERROR_TITLE="Ошибка при сохранении"
ID_LIST=1504; ID_FIND=1507; ID_REPLACE=1509; ID_RUN_REPLACE=1510; ID_TOTAL=1513; ID_CHANGED=1515
ID_TOSAVE=1517; ID_SAVE=1520; ID_STATUS=1522; ID_EDIT_PATH=1531
CMD_WIZARD_PACK=1005

e2e_desktop
e2e_preset_russian
for n in 1 2 3 4 5; do
  nsis_package_json "D:\\Distr\\app$n\\setup.exe" "C:\\VelgaroOut\\app$n" >"$E2E_WORK/app$n.json"
  vgp_pack "$E2E_WORK/app$n.json" "$PACKAGES/app$n.vgp"
done
main_set_folder "$PACKAGES"
main_start 5

editor() { probe "--title=$TITLE" "$@"; }
dump_path() { vgp_field "$1" 'p["exe_path"]'; }
column3() { editor listrows $ID_LIST 3 | cut -f4 | paste -sd' '; }
pending() { editor listrows $ID_LIST 3 | awk -F'\t' '$4 != "" { print $2 "=" $4 }' | paste -sd' '; }
counters() { echo "$(editor text $ID_TOTAL) $(editor text $ID_CHANGED) $(editor text $ID_TOSAVE)"; }
type_into() {   # ID TEXT
  xdotool mousemove $(centre_of "$(editor rect "$1")") click 1
  xdotool key ctrl+a BackSpace
  xdotool type --delay 20 "$2"
  sleep 0.3
}
row_rect() { editor itemrect "$1" $ID_LIST; }
click_tick() { set -- $(row_rect "$1"); xdotool mousemove $(( $1 + 9 )) $(( ($2 + $4) / 2 )) click 1; sleep 0.5; }
double_click_row() { set -- $(row_rect "$1"); xdotool mousemove $(( $1 + 60 )) $(( ($2 + $4) / 2 )) click --repeat 2 --delay 80 1; }
# The text of a message box, CR and LF as \r and \n.
box_text() { probe "--title=$1" children | awk -F'\t' '$1 == "Static" && $2 != "" { print $2 }' | tail -1; }

# The editor is modal: the command's SendMessage returns only when it closes.
(wine "$UIPROBE" command $CMD_WIZARD_PACK >/dev/null 2>&1 &)
wait_for_window "$TITLE" 30 >/dev/null || fail "the editor did not open"
for i in $(seq 1 50); do [ "$(editor text $ID_TOTAL)" = "5" ] && break; sleep 0.2; done
[ "$(editor listrows $ID_LIST 2 | cut -f3 | paste -sd' ')" = \
  'D:\Distr\app1\setup.exe D:\Distr\app2\setup.exe D:\Distr\app3\setup.exe D:\Distr\app4\setup.exe D:\Distr\app5\setup.exe' ] \
  || { editor listrows $ID_LIST 3 >&2; fail "the editor's list is not the five packages"; }

type_into $ID_FIND 'D:\Distr'
type_into $ID_REPLACE 'E:\Soft'
[ "$(editor text $ID_FIND)" = 'D:\Distr' ] || fail "the find box shows '$(editor text $ID_FIND)'"
click_control_in() { xdotool mousemove $(centre_of "$(editor rect "$1")") click 1; sleep 0.5; }
click_control_in $ID_RUN_REPLACE
expected='E:\Soft\app1\setup.exe E:\Soft\app2\setup.exe E:\Soft\app3\setup.exe E:\Soft\app4\setup.exe E:\Soft\app5\setup.exe'
[ "$(column3)" = "$expected" ] || { editor listrows $ID_LIST 3 >&2; fail "column 3 after the replacement"; }
[ "$(counters)" = "5 5 5" ] || fail "counters after the replacement: '$(counters)'"
editor status $ID_STATUS | grep -q '^Результов последнего поиска - 5' || fail "status: '$(editor status $ID_STATUS)'"
velgaro_screenshot "$E2E_SHOTS/editor_replace-after.png"
note "replaced: $(counters); $(editor status $ID_STATUS)"

# app2 unticked, app4 read-only (Wine then refuses to replace the file, though the folder is writable).
click_tick 2
[ "$(editor listrows $ID_LIST 1 | cut -f1 | paste -sd' ')" = "1 0 1 1 1" ] || fail "ticks after the click: $(editor listrows $ID_LIST 1 | cut -f1 | paste -sd' ')"
[ "$(counters)" = "5 5 4" ] || fail "counters after unticking: '$(counters)'"
sum2="$(md5sum <"$PACKAGES/app2.vgp")"
sum4="$(md5sum <"$PACKAGES/app4.vgp")"
chmod a-w "$PACKAGES/app4.vgp"

click_control_in $ID_SAVE
wait_for_window "$SAVE_ERROR_TITLE" 20 >/dev/null || fail "no message about the read-only package"
message="$(box_text "$SAVE_ERROR_TITLE")"
[[ "$message" == *"app4.vgp'"* ]] || fail "the save error names '$message'"
note "save error: $message"
xdotool key Return   # No: not elsewhere
sleep 1
wait_for_window "$SAVE_ERROR_TITLE" 1 >/dev/null && fail "the save error box is still open"
for i in $(seq 1 50); do editor status $ID_STATUS | grep -q '^Сохранено изменений' && break; sleep 0.2; done
[ "$(editor status $ID_STATUS)" = "Сохранено изменений - 3" ] || fail "status after saving: '$(editor status $ID_STATUS)'"
[ "$(counters)" = "5 1 1" ] || fail "counters after saving: '$(counters)'"
[ "$(pending)" = 'app4=E:\Soft\app4\setup.exe' ] || fail "pending after saving: '$(pending)'"

for n in 1 3 5; do
  [ "$(dump_path "$PACKAGES/app$n.vgp")" = "E:\\Soft\\app$n\\setup.exe" ] || fail "app$n holds '$(dump_path "$PACKAGES/app$n.vgp")'"
done
[ "$(md5sum <"$PACKAGES/app2.vgp")" = "$sum2" ] || fail "the unticked app2 changed"
[ "$(md5sum <"$PACKAGES/app4.vgp")" = "$sum4" ] || fail "the read-only app4 changed"
[ "$(dump_path "$PACKAGES/app4.vgp")" = 'D:\Distr\app4\setup.exe' ] || fail "app4 holds '$(dump_path "$PACKAGES/app4.vgp")'"
note "saved app1 app3 app5; app2 untouched; app4 refused and pending"

# A row's path by hand: the dialog opens on it with the whole text selected, so typing replaces it.
double_click_row 1
wait_for_window "$EDIT_TITLE" 20 >/dev/null || fail "a double click did not open the path dialog"
sleep 0.5
shown="$(probe "--title=$EDIT_TITLE" text $ID_EDIT_PATH)"
[ "$shown" = 'E:\Soft\app1\setup.exe' ] || fail "the path dialog shows '$shown'"
velgaro_screenshot "$E2E_SHOTS/editor_replace-editpath.png"
xdotool type --delay 20 'F:\New\app1.exe'
xdotool key Return
sleep 1
wait_for_window "$EDIT_TITLE" 1 >/dev/null && fail "OK left the path dialog open"
[ "$(editor listrows $ID_LIST 3 | head -1 | cut -f4)" = 'F:\New\app1.exe' ] || fail "row 1 after the edit: $(editor listrows $ID_LIST 3 | head -1)"
[ "$(counters)" = "5 2 2" ] || fail "counters after the edit: '$(counters)'"
note "path dialog: '$shown' -> F:\\New\\app1.exe"

# Esc with changes pending: the question; Yes closes without saving.
xdotool key Escape
box="$(wait_for_window "Velgaro Replaysetup" 10)" || fail "no question before closing with pending changes"
[ "$(box_text "Velgaro Replaysetup")" = "Вы действительно хотите прервать работу мастера?" ] || fail "the question is '$(box_text "Velgaro Replaysetup")'"
xdotool windowfocus "$box" 2>/dev/null; sleep 0.3
xdotool key y
for i in $(seq 1 50); do wait_for_window "$TITLE" 1 >/dev/null || break; done
wait_for_window "$TITLE" 1 >/dev/null && fail "the editor did not close"
[ "$(dump_path "$PACKAGES/app1.vgp")" = 'E:\Soft\app1\setup.exe' ] || fail "closing saved app1"
chmod u+w "$PACKAGES/app4.vgp"
main_quit
echo "PASS $E2E_NAME"
