#!/bin/sh
# Builds everything and runs every test: the native suite, then for the
# 32-bit and the 64-bit DLL its file checks and a host under Wine in code
# pages 936 and 1252.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh all
cmake --preset native
cmake --build --preset native
ctest --preset native
for preset in win32 win64; do
  cmake --preset $preset
  cmake --build --preset $preset
  ctest --preset $preset
done
