#!/bin/sh
# Builds everything and runs every test: the native suite, then the DLL's own
# checks and the DLL under Wine in code pages 936 and 1252.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh all
cmake --preset native
cmake --build --preset native
ctest --preset native
cmake --preset win32
cmake --build --preset win32
ctest --preset win32
