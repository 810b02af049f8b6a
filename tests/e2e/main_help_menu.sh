#!/usr/bin/env bash
# The context menu and the Help menu as a user works them with the mouse and the keyboard:
# - a right click on a checked row: "Снять выделение" unchecks it; on an unchecked row "Выбрать" checks
#   it; "Свойства..." opens the properties (which items are greyed is read in the Windows tests: under
#   Wine another process cannot read a menu's items). A screenshot of the menu goes to e2e-shots/.
# - F1 with help.chm beside the program starts the help viewer on it; a copy of the program without the
#   file says "Отсутствует файл справки".
# - Помощь -> О программе... (F10 and the arrow keys) shows the about box with the program's version.
E2E_NAME=main_help_menu
source "$(dirname "$0")/fixtures/main_common.sh"

main_prepare alpha beta
main_set_folder "$PACKAGES"
main_start 2

checks() { probe rows | cut -f1 | paste -sd' '; }
popup_on_row() {   # ROW: right click on the row's text, then wait for the menu
  set -- $(probe itemrect "$1")
  xdotool mousemove $(( $1 + 60 )) $(( ($2 + $4) / 2 )) click 3
  local i
  for i in $(seq 1 25); do [ "$(probe popup)" = open ] && return 0; sleep 0.2; done
  fail "no context menu"
}
choose() { xdotool key "$@" Return; sleep 0.7; }   # keys that move to an item, then Enter

click_check_box 1
[ "$(checks)" = "1 0" ] || fail "checks are '$(checks)' after ticking row 1"
popup_on_row 1
xdotool key Down Down Down; sleep 0.3
velgaro_screenshot "$E2E_SHOTS/main_help_menu-context.png"
xdotool key Down Return; sleep 0.7                     # "Снять выделение"
[ "$(checks)" = "0 0" ] || fail "'Снять выделение' left the checks '$(checks)'"
popup_on_row 2
choose Down Down Down                                  # "Выбрать"
[ "$(checks)" = "0 1" ] || fail "'Выбрать' left the checks '$(checks)'"
popup_on_row 1
choose Up                                              # the last item, "Свойства..."
wait_for_window "Свойства" 20 >/dev/null || fail "'Свойства...' did not open the properties"
[ "$(probe --title=Свойства text 1206)" = "alpha" ] || fail "the properties are not those of the row clicked"
xdotool key Escape; sleep 0.7
note "context menu: unchecks, checks and opens the properties of the row clicked"

# Help: the viewer on help.chm beside the program.
xdotool key F1
wait_for_window "Velgaro Replaysetup Help" 30 >/dev/null || fail "F1 did not open the help viewer"
pgrep -af 'hh.exe' | grep -qi 'help.chm' || fail "the help viewer was not started on help.chm"
note "F1 opened the help viewer on help.chm"
pkill -f 'hh.exe' 2>/dev/null; sleep 0.5

# About: through the menu bar with the keyboard.
xdotool mousemove $(centre_of "$(probe rect 104)") click 1; sleep 0.3
xdotool key F10 Right Right Right Right Down Up Return; sleep 1
wait_for_window "О программе" 20 >/dev/null || fail "Помощь -> О программе... did not open the about box"
version="$(sed -n 's/.*(Build \(.*\))/\1/p' <<<"$(xdotool getwindowname "$(xdotool search --onlyvisible --name '^Velgaro Replaysetup \(Build' | head -1)")")"
probe --title="О программе" children | grep -q "Версия $version" || {
  probe --title="О программе" children >&2; fail "the about box does not show 'Версия $version'"; }
velgaro_screenshot "$E2E_SHOTS/main_help_menu-about.png"
xdotool key Escape; sleep 0.5
note "about box shows Версия $version"
main_quit

# A copy of the program without help.chm beside it.
mkdir -p "$E2E_WORK/bare"
cp "$VELGARO_EXE" "$E2E_WORK/bare/velgaro.exe"
VELGARO_EXE="$E2E_WORK/bare/velgaro.exe"
main_start 2
click_row 1
xdotool key F1
wait_for_window "Ошибка" 20 >/dev/null || fail "no message without help.chm"
probe --title=Ошибка children | grep -q "Отсутствует файл справки" || fail "the message does not say the help file is missing"
xdotool key Return; sleep 0.5
note "without help.chm: 'Отсутствует файл справки'"
main_quit
echo "PASS $E2E_NAME"
