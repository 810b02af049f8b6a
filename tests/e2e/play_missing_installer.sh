#!/usr/bin/env bash
# A package whose installer is missing closes as not installed: exit code 1603, nothing left open.
E2E_NAME=play_missing_installer
source "$(dirname "$0")/fixtures/play_common.sh"

e2e_desktop
plain_package "$E2E_WORK/gone.vgp" 'C:\NoSuchFolder\setup-gone.exe' gone /S

velgaro_run 60 /inst "$(velgaro_winpath "$E2E_WORK/gone.vgp")" /nostat
expect_exit 1603
