#!/usr/bin/env bash
# Installs the Debian packages that building, testing and benchmarking need,
# and only those that are missing.
set -euo pipefail

packages=(
  # build
  build-essential cmake pkg-config
  googletest libgtest-dev libgmock-dev
  clang clang-format libclang-rt-14-dev          # libFuzzer targets and the sanitizer runtime
  qt6-base-dev qt6-svg-dev libgl-dev # the desktop program
  # test readers of the workbooks we write
  python3 python3-xlrd python3-olefile
  libreoffice-calc-nogui
  # fonts the window asks for (Tahoma is replaced by a metric-alike where missing)
  fonts-dejavu-core fonts-dejavu-extra
  # benchmarks: peak memory, and the two peer writers
  time python3-xlwt libspreadsheet-writeexcel-perl
  libole-storage-lite-perl                      # lets WriteExcel write files over 7 MB
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
