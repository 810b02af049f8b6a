#!/usr/bin/env bash
# A batch run from the main window: two of three NSIS packages are checked with the mouse and the run is
# started from the toolbar; both installers are installed into their folders, the third is not, and
# the statistics window lists both packages as installed. Screenshot: main-batch-statistics.png.
E2E_NAME=main_batch_run
source "$(dirname "$0")/fixtures/main_common.sh"

main_prepare one skipped two
main_set_folder "$PACKAGES"
wine reg add 'HKCU\Software\Velgaro\Install' /v Speed /t REG_SZ /d 0 /f >/dev/null 2>&1
# A run that stalls ends by its deadline with a report of what it sought (printed when the test fails).
MAIN_ARGS="/TIMEOUT=90 /REPORT=$(velgaro_winpath "$E2E_WORK")\\run.json" main_start 3
click_check_box 1
click_check_box 3
[ "$(probe rows | cut -f1,2 | paste -sd' ')" = "1	one 0	skipped 1	two" ] || fail "check boxes: $(probe rows | cut -f1,2)"
[ "$(probe status | sed -n 2p)" = "Нажмите F5 чтобы начать установку" ] || fail "panel 2: $(probe status | sed -n 2p)"
click_tool "$CMD_RUN_SELECT"

wait_for_window "Статистика" 120 >/dev/null \
  || { cat "$E2E_WORK/run.json" 2>/dev/null; fail "the statistics window did not appear"; }
sleep 0.7
velgaro_screenshot "$E2E_SHOTS/main-batch-statistics.png"
stats="$(probe statrows)"
note "statistics:"$'\n'"$stats"
for n in one two; do
  [ -f "$(c_drive "VelgaroOut/$n/installed.txt")" ] || fail "package $n was not installed"
  grep -qP "^\d+\t$n\tУстановлен\t" <<<"$stats" \
    || { cat "$E2E_WORK/run.json" 2>/dev/null; fail "the statistics do not list $n as installed"; }
done
[ ! -e "$(c_drive VelgaroOut/skipped)" ] || fail "the unchecked package was installed"
[ "$(grep -cP '^\d+\t' <<<"$stats")" = 2 ] || fail "the statistics list other packages"
# Closed, the statistics give the keyboard back to the main window: its shortcut works at once.
probe --title=Статистика find Button "Закрыть" >/dev/null || fail "no close button on the statistics"
xdotool mousemove $(centre_of "$(probe --title=Статистика find Button "Закрыть")") click 1
for i in $(seq 1 50); do [ -z "$(xdotool search --onlyvisible --name '^Статистика$' 2>/dev/null)" ] && break; sleep 0.2; done
xdotool key ctrl+n
wait_for_window "Новый пакет" 10 >/dev/null || fail "the main window did not get the keyboard back after the run"
xdotool key Escape
echo "PASS $E2E_NAME"
