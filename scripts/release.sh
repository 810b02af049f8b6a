#!/usr/bin/env bash
# Builds the Windows program and packs it as one archive to hand out:
#   dist/velgaro-<version>.zip  holding velgaro.exe, language/, help.chm and README.txt
# The version is the project's (CMakeLists.txt), the one the program shows in its caption.
#   scripts/release.sh            configure, build, pack
#   scripts/release.sh --built    pack what build/windows already holds (the tests use this)
set -euo pipefail
cd "$(dirname "$0")/.."
version="$(sed -n 's/^project(Velgaro VERSION \([0-9][0-9.]*\).*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || { echo "release: no project version in CMakeLists.txt" >&2; exit 1; }
if [ "${1:-}" != "--built" ]; then
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target velgaro help_chm
fi
bin="build/windows/bin"
for f in velgaro.exe help.chm language/English.lng; do
  [ -f "$bin/$f" ] || { echo "release: $bin/$f is missing; build first" >&2; exit 1; }
done
mkdir -p dist
archive="dist/velgaro-$version.zip"
python3 - "$bin" "$archive.part" "$version" <<'PY'
import os, sys, zipfile
bin_dir, out, version = sys.argv[1], sys.argv[2], sys.argv[3]
readme = f"""Velgaro Replaysetup {version}

Installs Windows software unattended by replaying what a person once did in an installer.

Unpack this archive into a folder of its own and start velgaro.exe. Settings are kept per user; tick
Tools > Options > Portable mode to keep them in velgaro.ini beside the program instead.

  velgaro.exe                      the main window: record, organise and run packages
  velgaro.exe /inst package.vgp    play one package unattended (exit code 0 when installed)

Help > Help contents (F1) opens help.chm. Language files are in the language folder.
""".replace("\n", "\r\n")
# Fixed order and time stamps: the same build gives the same archive.
stamp = (2026, 1, 1, 0, 0, 0)
def add(z, name, data):
    info = zipfile.ZipInfo(name, stamp)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    z.writestr(info, data)
with zipfile.ZipFile(out, "w") as z:
    for name in ("velgaro.exe", "help.chm"):
        with open(os.path.join(bin_dir, name), "rb") as f:
            add(z, name, f.read())
    for name in sorted(os.listdir(os.path.join(bin_dir, "language"))):
        if name.lower().endswith(".lng"):
            with open(os.path.join(bin_dir, "language", name), "rb") as f:
                add(z, "language/" + name, f.read())
    add(z, "README.txt", readme.encode("ascii"))
PY
mv -f "$archive.part" "$archive"   # a complete archive or none
echo "$archive"
