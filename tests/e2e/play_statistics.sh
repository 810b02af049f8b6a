#!/usr/bin/env bash
# Without /nostat an unattended run ends with the statistics window: it shows the package as
# installed and ends the program by itself about four seconds later, exit code 0.
# Screenshots of the control window during playback and of the statistics window go to build/e2e-shots/.
E2E_NAME=play_statistics
source "$(dirname "$0")/fixtures/play_common.sh"

e2e_desktop
# The built-in Russian texts, whatever language file lies beside the program.
e2e_preset_russian
nsis_build "$E2E_WORK/vtapp.exe"
nsis_package_json "$(velgaro_winpath "$E2E_WORK/vtapp.exe")" 'C:\VelgaroOut\stat' >"$E2E_WORK/pkg.json"
vgp_pack "$E2E_WORK/pkg.json" "$E2E_WORK/stat.vgp"

velgaro_start 85 /inst "$(velgaro_winpath "$E2E_WORK/stat.vgp")"
wait_for_window "Velgaro Replaysetup" 30 >/dev/null || fail "the control window did not appear"
sleep 2
velgaro_screenshot "$E2E_SHOTS/control-window.png"
wait_for_window "Статистика" 60 >/dev/null || fail "the statistics window did not appear"
shown=$(date +%s.%N)
sleep 0.7
velgaro_screenshot "$E2E_SHOTS/statistics-window.png"
velgaro_wait
ended=$(date +%s.%N)
after=$(echo "$ended - $shown" | bc)
note "exit code $VELGARO_RC, program ended ${after}s after the statistics appeared"
[ "$VELGARO_RC" = "0" ] || fail "exit code $VELGARO_RC, expected 0"
[ -f "$(c_drive VelgaroOut/stat/installed.txt)" ] || fail "installed.txt missing"
awk -v a="$after" 'BEGIN { exit !(a >= 3 && a <= 7) }' || fail "ended ${after}s after the statistics, expected about 4"
