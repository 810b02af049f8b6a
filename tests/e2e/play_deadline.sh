#!/usr/bin/env bash
# Deadlines and the run report of unattended deployment, against the Modern UI test installer:
#   1. A package whose second window never appears (it waits for a button "Never" on the licence page),
#      played with /inst ... /nostat /TIMEOUT=5 /REPORT=r.json, ends by itself within 15 s with exit
#      code 1603; r.json names the window chain it sought, and the installer is no longer running.
#   2. The same package without /TIMEOUT is still searching after 15 s (the test then ends it).
#   3. A batch of three packages from the main window started with /TIMEOUT=5 /REPORT=batch.json
#      /nostat, the middle one stalling: the first and third are installed, the report lists all three
#      with their outcomes.
E2E_NAME=play_deadline
source "$(dirname "$0")/fixtures/main_common.sh"

e2e_desktop
e2e_preset_russian
wine reg add 'HKCU\Software\Velgaro\Install' /v Speed /t REG_SZ /d 0 /f >/dev/null 2>&1
nsis_build "$E2E_WORK/vtapp.exe"
installer="$(velgaro_winpath "$E2E_WORK/vtapp.exe")"
# The recorded package with its second action aimed at a button the installer does not have.
stalling_json() {
  nsis_package_json "$installer" "C:\\VelgaroOut\\$1" |
    sed 's/"caption":"I &accept the terms of the License Agreement"/"caption":"Never"/'
}
stalling_json stall >"$E2E_WORK/stall.json"
vgp_pack "$E2E_WORK/stall.json" "$E2E_WORK/stall.vgp"
# The installer's processes of this test only: their command lines hold its work folder's name.
installer_running() { pgrep -f "$(basename "$E2E_WORK").vtapp" >/dev/null 2>&1; }

# 1. With a deadline.
start=$(date +%s)
velgaro_run 60 /inst "$(velgaro_winpath "$E2E_WORK/stall.vgp")" /nostat /TIMEOUT=5 "/REPORT=$(velgaro_winpath "$E2E_WORK")\\r.json"
took=$(( $(date +%s) - start ))
note "with /TIMEOUT=5: exit code $VELGARO_RC after ${took} s"
[ "$VELGARO_RC" = "1603" ] || fail "exit code $VELGARO_RC, expected 1603"
[ "$took" -le 15 ] || fail "the run took $took s"
[ -f "$E2E_WORK/r.json" ] || fail "no report r.json"
[ "$(report_field "$E2E_WORK/r.json" 'r["exit_code"]')" = "1603" ] || fail "report: $(cat "$E2E_WORK/r.json")"
[ "$(report_field "$E2E_WORK/r.json" 'r["packages"][0]["outcome"]')" = "not installed" ] || fail "report: $(cat "$E2E_WORK/r.json")"
details="$(report_field "$E2E_WORK/r.json" 'r["packages"][0]["details"]')"
note "details: $details"
[[ "$details" == *'Button "Never" #1'* ]] || fail "the report does not name the window sought"
[[ "$details" == *'#32770 "Velgaro Test App Setup "'* ]] || fail "the report does not list the installer's window"
for i in $(seq 1 20); do installer_running || break; sleep 0.2; done
installer_running && fail "the given-up installer is still running"

# 2. Without a deadline the search goes on.
velgaro_start 15 /inst "$(velgaro_winpath "$E2E_WORK/stall.vgp")" /nostat
velgaro_wait
note "without /TIMEOUT: still running after 15 s (exit code $VELGARO_RC: ended by the test)"
[ "$VELGARO_RC" = "none" ] || fail "without /TIMEOUT the run ended by itself with $VELGARO_RC"
wineserver -k >/dev/null 2>&1; sleep 1   # the program and its installer, left searching

# 3. A batch from the main window with the middle package stalling.
nsis_package a1 "$installer" 'C:\VelgaroOut\a1'
stalling_json b2 >"$E2E_WORK/b2.json"
vgp_pack "$E2E_WORK/b2.json" "$PACKAGES/b2.vgp"
nsis_package c3 "$installer" 'C:\VelgaroOut\c3'
main_set_folder "$PACKAGES"
wine "$VELGARO_EXE" /TIMEOUT=5 "/REPORT=$(velgaro_winpath "$E2E_WORK")\\batch.json" /nostat >"$E2E_WORK/main.log" 2>&1 &
E2E_PID=$!
wait_for_window "Velgaro Replaysetup \\(Build .*\\)" 40 >/dev/null || fail "the main window did not appear"
main_wait_rows 3
probe command $CMD_SELECT_ALL >/dev/null
probe command $CMD_RUN_SELECT >/dev/null &
for i in $(seq 1 600); do [ -f "$E2E_WORK/batch.json" ] && break; sleep 0.2; done
[ -f "$E2E_WORK/batch.json" ] || fail "no batch report after 120 s"
outcomes="$(report_field "$E2E_WORK/batch.json" '" ".join(p["package"] + ":" + p["outcome"] for p in r["packages"])')"
note "batch: $outcomes"
[ "$outcomes" = "a1:installed b2:not installed c3:installed" ] || fail "batch outcomes: $outcomes"
for n in a1 c3; do [ -f "$(c_drive "VelgaroOut/$n/installed.txt")" ] || fail "$n was not installed"; done
main_quit
echo "PASS $E2E_NAME"
