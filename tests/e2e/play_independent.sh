#!/usr/bin/env bash
# velgaro.exe /inst plays a package that neither the program nor vgptool wrote: the JSON below is
# written by hand and laid out as bytes by fixtures/write_vgp.py. The installer is another one than
# the Modern UI fixture: the classic NSIS look (fixtures/classic_setup.nsi), whose window caption
# changes with every page and whose licence must be accepted before Next does anything.
#
# Its windows under Wine, as FindWindowEx walks them (class, caption, ordinal among same class and
# caption; an empty caption counts every window of the class):
#   #32770 "Orrin Ledger Setup: License Agreement" 1       (top level, one per page, caption per page)
#     Button "&Next >" 1, Button "Cancel" 1, Static ..., Static "Nullsoft Install System v..." 1
#     #32770 "" 1                                          (the page)
#       Static ..., RichEdit20W "" 1, Button "I accept the terms" 1
#   #32770 "Orrin Ledger Setup: Installation Folder" 1
#     Button "< &Back" 1, Button "&Install" 1, Button "Cancel" 1, ...
#     #32770 "" 1
#       Edit "" 1, Button "B&rowse..." 1, Static "Space available: ..." 1, ..., Button "Destination Folder" 1
#   #32770 "Orrin Ledger Setup: Installing", then "Orrin Ledger Setup: Completed" 1
#     Button "< &Back" 1, Button "&Close" 1, Button "Cancel" 1, ...
#     #32770 "" 1
#       msctls_progress32 "" 1, Static "Completed" 1, SysListView32 "" 1, Button "Show &details" 1
# The folder field's caption reads as empty from another process whatever it holds.
E2E_NAME=play_independent
source "$(dirname "$0")/fixtures/play_common.sh"

e2e_desktop
nsis_compile classic_setup.nsi "$E2E_WORK/orrin.exe"
exe="$(velgaro_winpath "$E2E_WORK/orrin.exe")"

cat >"$E2E_WORK/pkg.json" <<JSON
{"screen_width":1024,"screen_height":768,"version_major":1,"version_minor":5,
 "description":"Orrin Ledger, classic setup, written by hand",
 "exe_path":"${exe//\\/\\\\}","command_line":"","creation_date":"14.03.2025 09:41:07",
 "options":{"need_reboot":false,"create_reboot":false,"local_speed":0,"def_select":false,"need_wait":true},
 "actions":[
  {"window":[{"class":"#32770","caption":"Orrin Ledger Setup: License Agreement","ordinal":1},
             {"class":"#32770","caption":"","ordinal":1},
             {"class":"Button","caption":"I accept the terms","ordinal":1}],
   "steps":[{"button":1,"kind":1,"x":6,"y":7},{"button":1,"kind":2,"x":2,"y":0},{"button":1,"kind":3,"x":2,"y":1}],
   "text":""},
  {"window":[{"class":"#32770","caption":"Orrin Ledger Setup: License Agreement","ordinal":1},
             {"class":"Button","caption":"&Next >","ordinal":1}],
   "steps":[{"button":1,"kind":1,"x":20,"y":9},{"button":1,"kind":3,"x":0,"y":0}],"text":""},
  {"window":[{"class":"#32770","caption":"Orrin Ledger Setup: Installation Folder","ordinal":1},
             {"class":"#32770","caption":"","ordinal":1},
             {"class":"Edit","caption":"","ordinal":1}],
   "steps":[{"button":1,"kind":1,"x":12,"y":5},{"button":1,"kind":3,"x":0,"y":0}],
   "text":"C:\\\\OrrinOut\\\\ledger"},
  {"window":[{"class":"#32770","caption":"Orrin Ledger Setup: Installation Folder","ordinal":1},
             {"class":"Button","caption":"&Install","ordinal":1}],
   "steps":[{"button":1,"kind":1,"x":20,"y":9},{"button":1,"kind":3,"x":0,"y":0}],"text":""},
  {"window":[{"class":"#32770","caption":"Orrin Ledger Setup: Completed","ordinal":1},
             {"class":"Button","caption":"&Close","ordinal":1}],
   "steps":[{"button":1,"kind":1,"x":20,"y":9},{"button":1,"kind":3,"x":0,"y":0}],"text":""}
 ]}
JSON
python3 "$E2E_FIXTURES/write_vgp.py" "$E2E_WORK/pkg.json" "$E2E_WORK/orrin.vgp" cp1252 \
  || fail "write_vgp.py"

velgaro_run 50 /inst "$(velgaro_winpath "$E2E_WORK/orrin.vgp")" /nostat
expect_exit 0
[ -f "$(c_drive OrrinOut/ledger/ledger.txt)" ] || fail "ledger.txt missing in C:\\OrrinOut\\ledger"
[ ! -e "$(c_drive 'Program Files/Orrin Ledger')" ] || fail "installed into the default folder, not the typed one"
note "installed into C:\\OrrinOut\\ledger"
