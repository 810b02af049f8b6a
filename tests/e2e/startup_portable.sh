#!/usr/bin/env bash
# velgaro.ini with PortableMode=1 beside the executable: its values are copied into the settings store.
source "$(dirname "$0")/startup_common.sh"
e2e_begin
cp "$E2E_EXE" "$E2E_WORK/velgaro.exe"
mkdir -p "$E2E_WORK/Packages"
printf '[General]\r\nPortableMode=1\r\nSpeedInstall=0\r\nVGPFolder=%%APPFOLDER%%\\Packages\r\nLanguage=Russian\r\n' \
  >"$E2E_WORK/velgaro.ini"
E2E_START_EXE="$E2E_WORK/velgaro.exe" e2e_start
e2e_wait_setting Install Speed 45 0
e2e_wait_setting Path FolderVGP 10 "$(velgaro_winpath "$E2E_WORK/Packages")"
echo "PASS $E2E_NAME"
