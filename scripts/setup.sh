#!/usr/bin/env bash
# Installs everything the build and the tests need on Debian 12. Idempotent.
set -euo pipefail
PKGS=(cmake g++ make ninja-build googletest libgtest-dev libbenchmark-dev libpugixml-dev nlohmann-json3-dev
      g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 xvfb xdotool x11-utils imagemagick
      nsis nsis-doc wixl procps python3 fp-utils bc clang libclang-rt-14-dev x11vnc openssl)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# MinGW's posix thread model gives std::thread/std::mutex; pick it when both are present.
if command -v update-alternatives >/dev/null && [ -e /usr/bin/x86_64-w64-mingw32-g++-posix ]; then
  update-alternatives --set x86_64-w64-mingw32-g++ /usr/bin/x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || true
  update-alternatives --set x86_64-w64-mingw32-gcc /usr/bin/x86_64-w64-mingw32-gcc-posix >/dev/null 2>&1 || true
fi
