#!/usr/bin/env bash
# /SPEED=7 is a digit outside 0..2: speed 2 is saved.
source "$(dirname "$0")/startup_common.sh"
e2e_begin
e2e_start /SPEED=7
e2e_wait_setting Install Speed 45 2
echo "PASS $E2E_NAME"
