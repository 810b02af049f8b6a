#!/usr/bin/env bash
# The batch editor on 10,000 packages. Natively (the core over real files in a temporary folder, no
# window): listing them with their installer paths (the first time, and once the folder was read
# before, as the main window has read it when the editor opens), one replacement over every row,
# saving every row. Under Wine (velgaro.exe, its real window, opened from the main window on the folder
# that window has read): the time from the File menu command until the editor's list is filled
# (measured from outside by polling, so it includes starting the program that sends the command, the
# window's creation and about a tenth of a second of polling), and the time of one replacement through
# the Replace button's command, the list's redraw included. Figures for people to read; nothing is
# asserted. Goals: the list of 10,000 filled within 0.5 s of the window showing and one replacement
# within 0.5 s under Wine; saving at least 2,000 packages/s natively.
#   scripts/bench_editor.sh [build/native] [build/windows]
E2E_NAME=bench_editor
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
NATIVE="${1:-$ROOT/build/native}"
WINDOWS="${2:-$ROOT/build/windows}"
source "$ROOT/tests/e2e/fixtures/main_common.sh" "$WINDOWS/bin/velgaro.exe" "$WINDOWS/bin/vgptool.exe" \
  "$WINDOWS/bin/uiprobe.exe"

TITLE="Мастер пакетного поиска и замены пути"
ID_FIND=1507; ID_REPLACE=1509; ID_RUN_REPLACE=1510; ID_TOTAL=1513; ID_STATUS=1522
editor() { probe "--title=$TITLE" "$@"; }
now() { date +%s.%N; }
since() { echo "$(now) - $1" | bc; }

echo "== native (core over real files, no window)"
"$NATIVE/bin/bench_editor" --benchmark_format=console ${BENCH_FILTER:+--benchmark_filter=$BENCH_FILTER} 2>/dev/null \
  | grep -E "BM_"

echo "== under Wine (velgaro.exe, the editor's real window)"
e2e_desktop
e2e_preset_russian
"$NATIVE/bin/bench_library_open" write "$PACKAGES" 10000 || fail "could not write the packages"
main_set_folder "$PACKAGES"
main_start
main_wait_rows 10000

t0=$(now)
(wine "$UIPROBE" command 1005 >/dev/null 2>&1 &)   # modal: the command returns when the editor closes
shown=""
until [ "$(editor text $ID_TOTAL 2>/dev/null)" = "10000" ]; do
  [ -n "$shown" ] || ! xdotool search --onlyvisible --name "^${TITLE}\$" >/dev/null 2>&1 || shown="$(since "$t0")"
  [ "$(printf '%.0f' "$(since "$t0")")" -lt 60 ] || fail "the editor did not list 10000 packages in a minute"
  sleep 0.05
done
filled="$(since "$t0")"
echo "the editor's window showed after ${shown:-?} s; its list of 10000 packages was filled after $filled s," \
  "$(echo "$filled - ${shown:-0}" | bc) s after the window showed (the list is read once the window is shown)"

for id in $ID_FIND $ID_REPLACE; do
  xdotool mousemove $(centre_of "$(editor rect $id)") click 1
  xdotool type --delay 20 "$([ $id = $ID_FIND ] && echo sample || echo Sample)"
done
sleep 0.5
for run in 1 2; do
  ms="$(editor command $ID_RUN_REPLACE)"
  echo "replacement $run over 10000 rows: $ms ms ($(editor status $ID_STATUS))"
done

# Changes are pending: Esc asks first, and Yes drops them.
xdotool key Escape
box="$(wait_for_window "Velgaro Replaysetup" 10)" && { xdotool windowfocus "$box" 2>/dev/null; sleep 0.3; xdotool key y; }
sleep 1
main_quit
