#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds both targets and runs every test: native unit tests,
# Windows test programs and end-to-end tests under Wine, then a short fuzzing run of every reader of
# outside input. Ends with the summary line.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
status=0
log=$(mktemp)
for preset in native native-asan windows; do
  cmake --preset "$preset" >/dev/null || exit 1
  if ! cmake --build --preset "$preset" >"$log.build" 2>&1; then
    grep -E 'error|Error' "$log.build" | head -40; tail -20 "$log.build"; exit 1
  fi
done
# The Windows tests run two at a time: each end-to-end test has its own display and Wine prefix, and
# most of its time is spent waiting for windows.
for preset in native native-asan windows; do
  ctest --preset "$preset" -j "${VELGARO_TEST_JOBS:-2}" 2>&1 | tee -a "$log" || status=1
done
passed=$(grep -E '^[[:space:]]*[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed' "$log" | wc -l)
failed=$(grep -E '^[[:space:]]*[0-9]+/[0-9]+ Test +#[0-9]+: .*(\*\*\*|Failed|Not Run|Exception|Timeout)' "$log" | wc -l)
# A short fuzzing run of every reader of outside input; each target counts as one test.
fuzz_status=0
bash scripts/fuzz.sh 20 2>&1 | tee "$log.fuzz" || fuzz_status=1
fuzz_passed=$(grep -cE '^fuzz_[a-z_]+: [0-9]+ executions, 0 crashes$' "$log.fuzz")
fuzz_failed=$(grep -E '^fuzz_[a-z_]+: ' "$log.fuzz" | grep -cvE ', 0 crashes$')
# A run that failed before naming any target still counts as a failure.
[ "$fuzz_status" -ne 0 ] && [ $((fuzz_passed + fuzz_failed)) -eq 0 ] && fuzz_failed=1
[ "$fuzz_status" -eq 0 ] || status=1
passed=$((passed + fuzz_passed))
failed=$((failed + fuzz_failed))
rm -f "$log" "$log.build" "$log.fuzz"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$status" -eq 0 ]
