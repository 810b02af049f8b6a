#!/usr/bin/env bash
# /add with an existing folder makes it the package folder (the command line is upper-cased first).
source "$(dirname "$0")/startup_common.sh"
e2e_begin
mkdir -p "$E2E_WORK/My Packages"
folder="$(velgaro_winpath "$E2E_WORK/My Packages")"
e2e_start /add "$folder"
e2e_wait_setting Path FolderVGP 45 "${folder^^}"
echo "PASS $E2E_NAME"
