#!/usr/bin/env bash
# The user's order survives the program: the last row is moved to the top with the move-up button and
# the first row down with the move-down button (xdotool clicks), the program is left and started again:
# the same order, and Position.lst holds it (an empty line, then the names, CR LF after each).
E2E_NAME=main_reorder
source "$(dirname "$0")/fixtures/main_common.sh"

main_prepare alpha beta gamma delta
main_set_folder "$PACKAGES"
main_start 4
names() { probe rows | cut -f2 | paste -sd' '; }
[ "$(names)" = "alpha beta delta gamma" ] || fail "first start shows '$(names)', expected alphabetical"

click_row 4
click_control "$ID_MOVE_UP"
click_control "$ID_MOVE_UP"
click_control "$ID_MOVE_UP"
click_row 2
click_control "$ID_MOVE_DOWN"
[ "$(names)" = "gamma beta alpha delta" ] || fail "after the moves the list shows '$(names)'"
main_quit

expected=$'\r\ngamma\r\nbeta\r\nalpha\r\ndelta\r\n'
[ "$(cat "$PACKAGES/Position.lst"; echo x)" = "${expected}x" ] || fail "Position.lst is '$(cat -A "$PACKAGES/Position.lst")'"
main_start 4
[ "$(names)" = "gamma beta alpha delta" ] || fail "after a new start the list shows '$(names)'"
main_quit
echo "PASS $E2E_NAME"
