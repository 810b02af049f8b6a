#!/usr/bin/env bash
# /SPEED=1 saves the playback speed 1 as a lasting setting.
source "$(dirname "$0")/startup_common.sh"
e2e_begin
[ -z "$(e2e_setting Install Speed)" ] || fail "fresh prefix already has a speed"
e2e_start /SPEED=1
e2e_wait_setting Install Speed 45 1
echo "PASS $E2E_NAME"
