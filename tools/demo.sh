#!/bin/sh
# Builds the demo and resolves the maker strings given (or a built-in list).
#   tools/demo.sh ["ASUSTeK Computer INC." ...]
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh native
cmake --preset native >/dev/null
cmake --build --preset native --target zentavo2_demo >/dev/null
exec build/native/tools/zentavo2_demo "$@"
