#!/usr/bin/env bash
# /REPORT and /TIMEOUT however a deployment tool quotes them, with velgaro.exe started by a Windows
# launcher that hands it the exact command line (Wine would re-quote the arguments of a Linux start):
#   1. /REPORT="…\Deploy Logs\run 1.json"            (cmd and batch files quote the value)
#   2. "/REPORT=…\Deploy Logs\run 2.json"            (PowerShell, .NET, Python's subprocess, Wine)
#   3. "/REPORT=…\Журналы развёртывания\запуск 3.json" at the start of the line, "/TIMEOUT=30" too
#   4. "/REPORT=Deploy Logs\run 4.json"              relative: beside the caller's current folder
# each with a package that starts nothing and ends at once: the report is written, exit code 0.
#   5. A package whose installer is missing: the whole exit code 1603 (Wine alone would give Linux 67).
E2E_NAME=deploy_command_line
source "$(dirname "$0")/fixtures/play_common.sh"
source "$(dirname "$0")/fixtures/launch_common.sh"

e2e_desktop
e2e_preset_russian
mkdir -p "$E2E_WORK/My Packages" "$E2E_WORK/Deploy Logs" "$E2E_WORK/Журналы развёртывания"
plain_package "$E2E_WORK/My Packages/quick.vgp" - deployment "" false
plain_package "$E2E_WORK/My Packages/gone.vgp" 'C:\Nowhere\setup.exe' deployment "" false
WORK="$(velgaro_winpath "$E2E_WORK")"
PKG="\"$WORK\\My Packages\\quick.vgp\""
report_outcome() { report_field "$1" 'r["packages"][0]["outcome"]'; }   # FILE: the outcome of its one package
expect_report() {   # NUMBER LINUX-PATH LINE
  launch_line 60 "$3"
  note "$1. exit code $LAUNCH_RC: $3"
  [ "$LAUNCH_RC" = "0" ] || fail "$1: exit code $LAUNCH_RC, expected 0 ($(cat "$E2E_WORK/launch.err"))"
  [ -f "$2" ] || fail "$1: no report at $2"
  [ "$(report_outcome "$2")" = "installed" ] || fail "$1: report $(cat "$2")"
}

expect_report 1 "$E2E_WORK/Deploy Logs/run 1.json" \
  "\"$VELGARO_WIN\" /inst $PKG /nostat /REPORT=\"$WORK\\Deploy Logs\\run 1.json\""
expect_report 2 "$E2E_WORK/Deploy Logs/run 2.json" \
  "\"$VELGARO_WIN\" /inst $PKG /nostat \"/REPORT=$WORK\\Deploy Logs\\run 2.json\""
expect_report 3 "$E2E_WORK/Журналы развёртывания/запуск 3.json" \
  "\"$VELGARO_WIN\" \"/REPORT=$WORK\\Журналы развёртывания\\запуск 3.json\" \"/TIMEOUT=30\" /inst $PKG /nostat"
expect_report 4 "$E2E_WORK/Deploy Logs/run 4.json" \
  "\"$VELGARO_WIN\" /inst $PKG /nostat \"/REPORT=Deploy Logs\\run 4.json\""

launch_line 60 "\"$VELGARO_WIN\" /inst \"$WORK\\My Packages\\gone.vgp\" /nostat \"/REPORT=$WORK\\Deploy Logs\\run 5.json\""
note "5. installer missing: exit code $LAUNCH_RC"
[ "$LAUNCH_RC" = "1603" ] || fail "5: exit code $LAUNCH_RC, expected 1603"
[ "$(report_outcome "$E2E_WORK/Deploy Logs/run 5.json")" = "not installed" ] || fail "5: report $(cat "$E2E_WORK/Deploy Logs/run 5.json")"
echo "PASS $E2E_NAME"
