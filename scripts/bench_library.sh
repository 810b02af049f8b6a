#!/usr/bin/env bash
# Opening a package folder of many packages until the list is filled. Figures for people to read;
# nothing is asserted. Goals (this machine, under Wine): 10,000 packages add at most 1.0 s to the
# start and take at most 1.0 s to reload; 100,000 take at most 10 s with the window answering every
# message within 100 ms; natively at least 100,000 packages a second.
#   1. natively: the core over real files, rows without a window (bench_library_open);
#   2. under Wine, where the time goes: listing, reads, installer checks, the list view and the
#      progress window timed apart in one process (bench_library_split.exe);
#   3. under Wine, velgaro.exe started with an empty folder and with 10,000 packages, timed from
#      outside: from starting the program until the progress window is gone and the last row holds
#      its description (ROUNDS times, default 3: other work on the machine moves the figures a lot);
#   4. the reload through "Обновить vgp каталог" (its command), timed by the window's answer, and the
#      slowest answer of the window to another program meanwhile;
#   5. the same with 100,000 packages (skipped with BENCH_LARGE=0).
# A screenshot of the progress window is kept (build/e2e-shots/progress-window.png; taken while 100,000
# packages are read, or 10,000 with BENCH_LARGE=0).
#   scripts/bench_library.sh [build/native] [build/windows]
E2E_NAME=bench_library
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
NATIVE="${1:-$ROOT/build/native}"
WINDOWS="${2:-$ROOT/build/windows}"
ROUNDS="${ROUNDS:-3}"
source "$ROOT/tests/e2e/fixtures/main_common.sh" "$WINDOWS/bin/velgaro.exe" "$WINDOWS/bin/vgptool.exe" \
  "$WINDOWS/bin/uiprobe.exe"

load() { cut -d' ' -f1 /proc/loadavg; }
minus() { echo "$1 - $2" | bc; }

# Starts the program on FOLDER and prints the seconds until it shows ROWS rows with their descriptions,
# timed from outside; pings the window meanwhile when PING_SECONDS is set (the answers go to ping.txt).
timed_start() {
  local folder="$1" rows="$2" waiter t0 t1 pinger=""
  main_set_folder "$folder"
  wine "$UIPROBE" filled "$rows" 120 >"$E2E_WORK/filled.txt" 2>/dev/null &
  waiter=$!
  sleep 1   # the waiter is up before the program starts
  t0=$(date +%s.%N)
  wine "$VELGARO_EXE" >"$E2E_WORK/main.log" 2>&1 &
  E2E_PID=$!
  if [ -n "${PING_SECONDS:-}" ]; then
    wait_for_window "Velgaro Replaysetup \\(Build .*\\)" 60 >/dev/null || fail "the main window did not appear"
    probe ping "$PING_SECONDS" >"$E2E_WORK/ping.txt" &
    pinger=$!
  fi
  wait "$waiter" || fail "the list did not fill with $rows rows"
  t1=$(tr -d '\r' <"$E2E_WORK/filled.txt")
  [ -z "$pinger" ] || wait "$pinger"
  minus "$t1" "$t0"
  main_quit
}

# Reloads the folder through its command while another program pings the window; prints the time.
timed_reload() {
  local ms answers slowest
  probe ping "$1" >"$E2E_WORK/ping.txt" &
  local pinger=$!
  sleep 0.5
  ms="$(probe command 1002)"   # mnuReloadFolder: rescan and read every summary
  wait "$pinger"
  read -r answers slowest paint <"$E2E_WORK/ping.txt" 2>/dev/null || true
  echo "$ms ms; the window answered ${answers:-?} messages meanwhile, the slowest in ${slowest:-?} ms" \
       "(slowest repaint ${paint:-?} ms)"
}

echo "== native (core over real files, rows without a window)"
"$NATIVE/bin/bench_library_open" --benchmark_format=console 2>/dev/null | grep -E "BM_"

e2e_desktop
e2e_preset_russian
EMPTY="$E2E_WORK/empty"
mkdir -p "$EMPTY"
"$NATIVE/bin/bench_library_open" write "$PACKAGES" 10000 || fail "could not write the packages"

echo "== under Wine, where the time of 10000 packages goes (one process, phase by phase; load $(load))"
for round in $(seq 1 "$ROUNDS"); do
  wine "$WINDOWS/bin/bench_library_split.exe" "$(velgaro_winpath "$PACKAGES")" 2>/dev/null | tr -d '\r' \
    | sed "s/^/round $round: /"
done

echo "== under Wine, velgaro.exe started, timed from outside"
for round in $(seq 1 "$ROUNDS"); do
  empty="$(timed_start "$EMPTY" 0)"
  full="$(timed_start "$PACKAGES" 10000)"
  echo "round $round (load $(load)): empty folder $empty s, 10000 packages $full s: the packages add $(minus "$full" "$empty") s"
done

echo "== under Wine, reload of 10000 packages through the menu command"
main_set_folder "$PACKAGES"
main_start
probe filled 10000 120 >/dev/null || fail "the list did not fill with 10000 rows"
for round in $(seq 1 "$ROUNDS"); do
  ( sleep 0.3; velgaro_screenshot "$E2E_SHOTS/progress-window.png" ) &
  echo "round $round (load $(load)): $(timed_reload 3)"
done
main_quit

[ "${BENCH_LARGE:-1}" = 1 ] || exit 0
echo "== under Wine, 100000 packages"
LARGE="$E2E_WORK/large"
"$NATIVE/bin/bench_library_open" write "$LARGE" 100000 || fail "could not write 100000 packages"
PING_SECONDS=12
echo "start (load $(load)): $(timed_start "$LARGE" 100000) s, timed from outside; while it read, the window answered" \
  "$(cut -d' ' -f1 "$E2E_WORK/ping.txt") messages, the slowest in $(cut -d' ' -f2 "$E2E_WORK/ping.txt" | tr -d '\r') ms" \
  "(slowest repaint $(cut -d' ' -f3 "$E2E_WORK/ping.txt" | tr -d '\r') ms)"
unset PING_SECONDS
main_set_folder "$LARGE"
main_start
probe filled 100000 120 >/dev/null || fail "the list did not fill with 100000 rows"
( sleep 1.2; velgaro_screenshot "$E2E_SHOTS/progress-window.png" ) &
echo "reload (load $(load)): $(timed_reload 12)"
main_quit
