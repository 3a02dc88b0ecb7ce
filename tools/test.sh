#!/bin/sh
# Builds everything and runs every test: the native suite, the same under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each fuzzer,
# then for the 32-bit and the 64-bit DLL its file checks, a host and the
# examples under Wine in code pages 936 and 1252.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh all
cmake --preset native
cmake --build --preset native
ctest --preset native
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
tools/fuzz.sh 10
for preset in win32 win64; do
  cmake --preset $preset
  cmake --build --preset $preset
  ctest --preset $preset
done
