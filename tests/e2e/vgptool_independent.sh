#!/usr/bin/env bash
# A package written by an independent writer (fixtures/write_vgp.py) dumps to exactly its fields, and
# packing that dump gives the same bytes. usage: vgptool_independent.sh VGPTOOL
set -euo pipefail
tool="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cat >"$work/in.json" <<'JSON'
{"screen_width":1280,"screen_height":1024,"version_major":1,"version_minor":5,
 "description":"Архиватор 7.1 — тихая установка","exe_path":"%DRIVEAPP%\\Soft\\setup.exe",
 "command_line":"/D=%PROGRAMFILES%\\App","creation_date":"06.12.2026 10:00:00",
 "options":{"need_reboot":false,"create_reboot":true,"local_speed":2,"def_select":true,"need_wait":true},
 "actions":[
  {"window":[{"class":"#32770","caption":"Установка","ordinal":1},{"class":"Button","caption":"&Далее >","ordinal":2}],
   "steps":[{"button":1,"kind":1,"x":10,"y":5},{"button":1,"kind":2,"x":3,"y":-1},{"button":1,"kind":3,"x":3,"y":-1}],"text":""},
  {"window":[{"class":"#32770","caption":"","ordinal":0},{"class":"Edit","caption":"","ordinal":1}],
   "steps":[{"button":1,"kind":1,"x":4,"y":4},{"button":1,"kind":3,"x":0,"y":0}],"text":"%TEMP%\\out"}]}
JSON
python3 "$here/fixtures/write_vgp.py" "$work/in.json" "$work/ref.vgp"
"$tool" dump "$work/ref.vgp" >"$work/dump.json"
python3 - "$work/in.json" "$work/dump.json" <<'PY'
import json, sys
a, b = (json.load(open(p, encoding="utf-8")) for p in sys.argv[1:3])
assert a == b, "dump differs from the written fields:\n%s\n%s" % (a, b)
PY
"$tool" pack "$work/dump.json" "$work/packed.vgp"
cmp "$work/ref.vgp" "$work/packed.vgp"
# No options block: dump says null, pack of that writes none.
python3 - "$work/in.json" <<'PY'
import json, sys
p = json.load(open(sys.argv[1], encoding="utf-8")); p["options"] = None
json.dump(p, open(sys.argv[1], "w", encoding="utf-8"), ensure_ascii=False)
PY
python3 "$here/fixtures/write_vgp.py" "$work/in.json" "$work/ref2.vgp"
"$tool" dump "$work/ref2.vgp" | grep -q '"options":null'
"$tool" dump "$work/ref2.vgp" >"$work/dump2.json"
"$tool" pack "$work/dump2.json" "$work/packed2.vgp"
cmp "$work/ref2.vgp" "$work/packed2.vgp"
echo "independent package: fields and bytes agree"
