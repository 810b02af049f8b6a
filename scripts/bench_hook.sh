#!/usr/bin/env bash
# The recording hook's cost under Wine: bench_hook.exe keeps the time of every callback while xdotool
# presses the mouse on buttons and fields and moves it in between, with 100 other top-level windows
# open. Prints p50 and p99 per press and per move (goal: p99 at most 2 ms). Nothing is asserted.
#   scripts/bench_hook.sh [build/windows]
E2E_NAME=bench_hook
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
WINDOWS="${1:-$ROOT/build/windows}"
source "$ROOT/tests/e2e/fixtures/e2e_common.sh"
e2e_desktop
wine "$WINDOWS/bin/bench_hook.exe" 40 >"$E2E_WORK/hook.txt" 2>/dev/null &
E2E_PID=$!
for i in $(seq 1 100); do grep -q ready "$E2E_WORK/hook.txt" 2>/dev/null && break; sleep 0.2; done
grep -q ready "$E2E_WORK/hook.txt" || fail "bench_hook did not start: $(cat "$E2E_WORK/hook.txt")"
# 200 clicks on the page's buttons and fields, with moves between them and drags of 30 pixels.
for i in $(seq 1 200); do
  x=$(( 130 + (i % 4) * 110 )); y=$(( 318 - (i % 2) * 120 ))
  xdotool mousemove $x $y mousedown 1 mousemove $((x + 15)) $y mousemove $((x + 30)) $y mouseup 1
done
wait "$E2E_PID"
E2E_PID=""
grep -v ready "$E2E_WORK/hook.txt"
