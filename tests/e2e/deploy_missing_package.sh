#!/usr/bin/env bash
# A deployment run (/inst with /TIMEOUT or /REPORT) never opens a window to wait for a person, started as
# a deployment tool starts it (the launcher: exact command line, whole exit code, its standard error
# handed on):
#   1. a package that is missing, unreadable (a folder), damaged or made by a newer version: the run ends
#      at once with 1603, no window shows, and the report's row names the file and why;
#   2. a report that cannot be written (no such folder): the run's exit code stands (0 for a package that
#      installs, 1603 for a missing one), one line on the standard error handle, and an error entry for
#      the event log (Wine prints what ReportEventW is given on its "eventlog" channel);
#   3. the same without standard handles: the exit code still stands.
E2E_NAME=deploy_missing_package
source "$(dirname "$0")/fixtures/play_common.sh"
source "$(dirname "$0")/fixtures/launch_common.sh"

e2e_desktop
e2e_preset_russian
WORK="$(velgaro_winpath "$E2E_WORK")"
plain_package "$E2E_WORK/quick.vgp" - deployment "" false 1
plain_package "$E2E_WORK/newer.vgp" - deployment "" false 9
printf "not a package" >"$E2E_WORK/damaged.vgp"
mkdir -p "$E2E_WORK/folder.vgp"

# Runs a line while watching the display: any window that shows (there is nothing else on it) is noted.
launch_watched() {   # LINE
  rm -f "$E2E_WORK/windows.txt"
  ( while :; do xdotool search --onlyvisible --name . getwindowname %@ >>"$E2E_WORK/windows.txt" 2>/dev/null; sleep 0.1; done ) &
  local watcher=$!
  launch_line 40 "$1"
  kill "$watcher" 2>/dev/null; wait "$watcher" 2>/dev/null
}

# 1. Packages that cannot be played.
for case in "absent.vgp|Отсутстует vgp-файл - " "folder.vgp|Не удаётся прочитать vgp-файл - " \
            "damaged.vgp|Повреждённый vgp-файл - " "newer.vgp|vgp-файл создан более новой версией программы"; do
  file="${case%%|*}"; why="${case#*|}"
  rm -f "$E2E_WORK/r.json"
  launch_watched "\"$VELGARO_WIN\" /inst $WORK\\$file /TIMEOUT=5 \"/REPORT=$WORK\\r.json\""
  note "$file: exit code $LAUNCH_RC after $LAUNCH_SECONDS s"
  [ "$LAUNCH_RC" = "1603" ] || fail "$file: exit code $LAUNCH_RC, expected 1603"
  [ "$LAUNCH_SECONDS" -le 20 ] || fail "$file: the run took $LAUNCH_SECONDS s"
  [ ! -s "$E2E_WORK/windows.txt" ] || fail "$file: a window showed: $(sort -u "$E2E_WORK/windows.txt" | paste -sd,)"
  [ -f "$E2E_WORK/r.json" ] || fail "$file: no report"
  row="$(report_field "$E2E_WORK/r.json" 'r["packages"][0]["package"] + "|" + r["packages"][0]["outcome"] + "|" + r["packages"][0]["details"]')"
  note "  $row"
  # The path comes from the command line, which is read upper-cased.
  name="${row%%|*}"; rest="${row#*|}"; upper="$(tr a-z A-Z <<<"$file")"
  [ "$name.VGP" = "$upper" ] || fail "$file: the report's package is '$name'"
  [[ "$rest" == "not installed|$why"* ]] || fail "$file: report row '$row'"
  [[ "$why" != *" - " || "$rest" == *"\\$upper" ]] || fail "$file: the details do not name the file: '$row'"
  [ "$(report_field "$E2E_WORK/r.json" 'r["exit_code"]')" = "1603" ] || fail "$file: report $(cat "$E2E_WORK/r.json")"
done
[[ "$row" == *"|vgp-файл создан более новой версией программы" ]] || fail "newer: '$row'"

# 2. A report that cannot be written: told on standard error and to the event log.
unwritable="$WORK\\no such folder\\r.json"
for case in "quick.vgp|0" "absent.vgp|1603"; do
  file="${case%%|*}"; code="${case#*|}"
  WINEDEBUG=err+eventlog launch_line 40 "\"$VELGARO_WIN\" /inst $WORK\\$file /nostat \"/REPORT=$unwritable\""
  note "$file, report not writable: exit code $LAUNCH_RC"
  [ "$LAUNCH_RC" = "$code" ] || fail "$file: exit code $LAUNCH_RC, expected $code"
  line="Velgaro Replaysetup: the run report could not be written to \"$unwritable\" (its folder does not exist); the run's exit code is $code."
  grep -qxF "$line" <(tr -d '\r' <"$E2E_WORK/launch.err") || { cat "$E2E_WORK/launch.err" >&2; fail "$file: no line on standard error"; }
  grep -q 'err:eventlog:ReportEventW.*the run report could not be written' "$E2E_WORK/launch.err" \
    || { cat "$E2E_WORK/launch.err" >&2; fail "$file: no event log entry"; }
done
note "told: $(grep -m1 'Velgaro Replaysetup:' "$E2E_WORK/launch.err" | tr -d '\r')"

# 3. No standard handles at all.
launch_line --nostd 40 "\"$VELGARO_WIN\" /inst $WORK\\quick.vgp /nostat \"/REPORT=$unwritable\""
[ "$LAUNCH_RC" = "0" ] || fail "without standard handles: exit code $LAUNCH_RC, expected 0"
echo "PASS $E2E_NAME"
