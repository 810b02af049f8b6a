#!/usr/bin/env bash
# A package without actions that waits for its installer: an .msi started through the open command
# registered for the extension; the package closes as installed once msiexec has ended.
E2E_NAME=play_msi
source "$(dirname "$0")/fixtures/play_common.sh"

e2e_desktop
wixl -o "$E2E_WORK/tiny.msi" "$E2E_FIXTURES/tiny_product.wxs" >"$E2E_WORK/wixl.log" 2>&1 \
  || { cat "$E2E_WORK/wixl.log"; fail "wixl"; }
msi="$(velgaro_winpath "$E2E_WORK/tiny.msi")"
plain_package "$E2E_WORK/tiny.vgp" "$msi" "Velgaro Tiny Product"

velgaro_run 80 /inst "$(velgaro_winpath "$E2E_WORK/tiny.vgp")" /nostat
expect_exit 0
found="$(find "$WINEPREFIX/drive_c" -path '*VelgaroTiny/tiny.txt' | head -1)"
[ -n "$found" ] || fail "tiny.txt was not installed"
note "installed: ${found#$WINEPREFIX/}"
