#!/usr/bin/env bash
# Bad input never costs a package: (1) a Position.lst of random bytes: the list shows every package and
# no package file changes; (2) a stored package folder that no longer exists: the folder box asks for a
# folder and panel 2 shows the scan's error; (3) a read-only package folder: the list shows, deleting
# reports "Удачно удалено - 0 из 2" and leaves both packages, and leaving the program keeps Position.lst.
E2E_NAME=main_bad_input
source "$(dirname "$0")/fixtures/main_common.sh"

main_prepare keep1 keep2
sums() { (cd "$PACKAGES" && md5sum keep1.vgp keep2.vgp); }
before="$(sums)"

# 1. A damaged order file.
head -c 3000 /dev/urandom >"$PACKAGES/Position.lst"
main_set_folder "$PACKAGES"
main_start 2
[ "$(probe rows | cut -f2 | sort | paste -sd' ')" = "keep1 keep2" ] || fail "random Position.lst: rows $(probe rows | cut -f2)"
main_quit
[ "$(sums)" = "$before" ] || fail "a package changed after a random Position.lst"

# 2. A package folder that does not exist.
main_set_folder "$E2E_WORK/vanished"
main_start
for i in $(seq 1 50); do [ "$(probe status | sed -n 2p)" = "Ошибка: Выберите существующий каталог" ] && break; sleep 0.2; done
[ "$(probe status | sed -n 2p)" = "Ошибка: Выберите существующий каталог" ] || fail "missing folder: panel 2 '$(probe status | sed -n 2p)'"
[ "$(probe text 102)" = "Выберите папку" ] || fail "missing folder: folder box '$(probe text 102)'"
[ "$(probe rows | wc -l)" = 0 ] || fail "missing folder: rows shown"
main_quit

# 3. A read-only package folder (a read-only bind mount: root ignores permission bits).
readonly_dir="$E2E_WORK/readonly"
mkdir -p "$readonly_dir"
cp "$PACKAGES"/keep1.vgp "$PACKAGES"/keep2.vgp "$readonly_dir/"
printf '\r\nkeep2\r\nkeep1\r\n' >"$readonly_dir/Position.lst"
if [ "$(id -u)" -eq 0 ]; then
  mount --bind "$readonly_dir" "$readonly_dir" && mount -o remount,ro,bind "$readonly_dir" \
    || { umount "$readonly_dir" 2>/dev/null; note "SKIP read-only case: no read-only mount possible here"; echo "PASS $E2E_NAME"; exit 0; }
  trap 'umount "$readonly_dir" 2>/dev/null; e2e_finish' EXIT
else
  chmod a-w "$readonly_dir"
fi
touch "$readonly_dir/probe" 2>/dev/null && fail "the folder is not read-only"
main_set_folder "$readonly_dir"
main_start 2
[ "$(probe rows | cut -f2 | paste -sd' ')" = "keep2 keep1" ] || fail "read-only folder: rows $(probe rows | cut -f2)"
probe command "$CMD_SELECT_ALL" >/dev/null
# The question's default button is No: Yes is chosen with its key.
( box="$(wait_for_window 'Удалить выбранное\?' 20)" && xdotool windowfocus "$box" 2>/dev/null; sleep 0.5; xdotool key y ) &
answer=$!
probe command "$CMD_DEL_SELECT" >/dev/null
wait "$answer"
deleted="$(probe status | sed -n 2p)"
[ "$deleted" = "Удачно удалено - 0 из 2" ] || fail "read-only folder: panel 2 after deleting '$deleted'"
click_row 2
click_control "$ID_MOVE_UP"
main_quit
[ "$(cd "$readonly_dir" && md5sum keep1.vgp keep2.vgp)" = "$before" ] || fail "a package of the read-only folder changed"
[ "$(cat "$readonly_dir/Position.lst")" = $'\r\nkeep2\r\nkeep1\r' ] || fail "Position.lst of the read-only folder changed"
echo "PASS $E2E_NAME"
