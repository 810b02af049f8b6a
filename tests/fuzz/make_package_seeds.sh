#!/usr/bin/env bash
# Writes the package seeds of fuzz_package with the project's own writer: bash make_package_seeds.sh VGPTOOL
# (any build's vgptool). The seeds are committed; run this again only when the file format changes.
set -euo pipefail
vgptool=$1
out="$(cd "$(dirname "$0")" && pwd)/corpus/fuzz_package"
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

pack() {   # NAME JSON
  printf '%s' "$2" >"$tmp/$1.json"
  "$vgptool" pack "$tmp/$1.json" "$out/$1.vgp"
}

click='[{"button":1,"kind":1,"x":8,"y":6},{"button":1,"kind":2,"x":3,"y":-1},{"button":1,"kind":3,"x":3,"y":-1}]'
date='"creation_date":"07.12.2026 10:00:00"'
options='{"need_reboot":false,"create_reboot":true,"local_speed":1,"def_select":true,"need_wait":true}'

# A recording as the Stop command writes it: two actions, a typed text with a path variable.
pack recorded '{"description":"Установка редактора","exe_path":"C:\\Setup\\setup.exe","command_line":"/S /D=%TEMP%\\app",
 '"$date"',"options":'"$options"',"actions":[
  {"window":[{"class":"#32770","caption":"Установка","ordinal":1},{"class":"Button","caption":"Далее >","ordinal":2}],
   "steps":'"$click"',"text":""},
  {"window":[{"class":"#32770","caption":"","ordinal":0},{"class":"Edit","caption":"","ordinal":1}],
   "steps":'"$click"',"text":"%PROGRAMFILES%\\App"}]}'
# No options block, nothing recorded, no program to start.
pack no_program '{"description":"","exe_path":"-","command_line":"",'"$date"',"options":null,"actions":[]}'
# A path variable in the installer path; the installer is not on the machine.
pack variable_path '{"description":"d","exe_path":"%PROGRAMFILES%\\App\\setup.exe","command_line":"",'"$date"',
 "options":'"$options"',"actions":[{"window":[{"class":"Button","caption":"OK","ordinal":-1}],"steps":[],"text":"x"}]}'
# Written by a newer program.
pack newer '{"version_major":2,"version_minor":0,"description":"new","exe_path":"C:\\Setup\\setup.exe","command_line":"",
 '"$date"',"options":'"$options"',"actions":[]}'
# The first part of a recording only: the header points past the end.
head -c 200 "$out/recorded.vgp" >"$out/truncated.vgp"
