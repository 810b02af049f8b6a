#!/usr/bin/env bash
# The stop picture of the control window, clicked while a package waits for a window that never
# comes, ends the run as interrupted: exit code 1602. Run once with /nostat (the exit code) and once
# with statistics (the row "Нажата кнопка Стоп", kept as a screenshot).
E2E_NAME=play_stop
source "$(dirname "$0")/fixtures/play_common.sh"

e2e_desktop
e2e_preset_russian
cat >"$E2E_WORK/pkg.json" <<'JSON'
{"description":"waits for ever","exe_path":"-","command_line":"",
 "options":{"need_reboot":false,"create_reboot":false,"local_speed":0,"def_select":false,"need_wait":false},
 "actions":[{"window":[{"class":"VelgaroNeverThere","caption":"Never","ordinal":1}],
             "steps":[{"button":1,"kind":1,"x":5,"y":5},{"button":1,"kind":3,"x":0,"y":0}],"text":""}]}
JSON
vgp_pack "$E2E_WORK/pkg.json" "$E2E_WORK/never.vgp"

# The stop picture sits at x 408..438, y 8..36 of the bar.
click_stop() {
  local id x=271 y=13
  id="$(wait_for_window "Velgaro Replaysetup" 30)" || fail "the control window did not appear"
  sleep 2   # let the search run for a few ticks
  eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
  x="${X:-$x}"; y="${Y:-$y}"
  note "control window at $x,$y; clicking stop"
  xdotool mousemove $((x + 420)) $((y + 22)) click 1
}

velgaro_start 60 /inst "$(velgaro_winpath "$E2E_WORK/never.vgp")" /nostat
click_stop
velgaro_wait
expect_exit 1602 "with /nostat"

velgaro_start 60 /inst "$(velgaro_winpath "$E2E_WORK/never.vgp")"
click_stop
wait_for_window "Статистика" 20 >/dev/null || fail "the statistics window did not appear after stop"
sleep 0.7
velgaro_screenshot "$E2E_SHOTS/statistics-after-stop.png"
velgaro_wait
expect_exit 1602 "with statistics"
