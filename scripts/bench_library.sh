#!/usr/bin/env bash
# Opening a folder of 10,000 packages until the list is filled, natively (the core over real files,
# rows without a window) and under Wine (velgaro.exe with its real list view, reloaded through its
# "Обновить vgp каталог" command). Under Wine it also prints how long the window took at worst to
# answer a message while the folder was read, and keeps a screenshot of the progress window
# (build/e2e-shots/progress-window.png). Figures for people to read; nothing is asserted.
#   scripts/bench_library.sh [build/native] [build/windows]
E2E_NAME=bench_library
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
NATIVE="${1:-$ROOT/build/native}"
WINDOWS="${2:-$ROOT/build/windows}"
source "$ROOT/tests/e2e/fixtures/main_common.sh" "$WINDOWS/bin/velgaro.exe" "$WINDOWS/bin/vgptool.exe" \
  "$WINDOWS/bin/uiprobe.exe"

echo "== native (core, rows without a window)"
"$NATIVE/bin/bench_library_open" --benchmark_format=console 2>/dev/null | grep -E "packages/s|BM_"

echo "== under Wine (velgaro.exe, real list view)"
e2e_desktop
e2e_preset_russian
"$NATIVE/bin/bench_library_open" write "$PACKAGES" 10000 || fail "could not write the packages"
main_set_folder "$PACKAGES"
t0=$(date +%s.%N)
main_start
main_wait_rows 10000
echo "first start until 10000 rows (program start included): $(echo "$(date +%s.%N) - $t0" | bc) s"

# A second reader keeps asking the window for an answer while the folder is read.
probe ping 6 >"$E2E_WORK/ping.txt" &
pinger=$!
sleep 2
( sleep 0.6; velgaro_screenshot "$E2E_SHOTS/progress-window.png" ) &
ms="$(probe command 1002)"   # mnuReloadFolder: rescan and read every summary
wait "$pinger"
echo "reload of 10000 packages: $ms ms ($(echo "scale=0; 10000 * 1000 / $ms" | bc) packages/s)"
read -r answers slowest paint <"$E2E_WORK/ping.txt" 2>/dev/null || true
echo "window answered ${answers:-?} messages meanwhile, the slowest in ${slowest:-?} ms; its slowest repaint took ${paint:-?} ms"
main_quit
