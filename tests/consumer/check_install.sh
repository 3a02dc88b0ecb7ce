#!/bin/sh
# Installs a build into a fresh prefix and builds a consumer against it:
# through find_package(Zentavo2), and natively also through pkg-config.
#   check_install.sh <build dir> <scratch dir> [toolchain file]
set -eu
build=$1 scratch=$2 toolchain=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$scratch"
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
find "$prefix" -type f -o -type l | sed "s|^$prefix/||" | sort

set -- -S "$here" -B "$scratch/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix"
[ -n "$toolchain" ] && set -- "$@" -DCMAKE_TOOLCHAIN_FILE="$toolchain"
cmake "$@" > /dev/null
cmake --build "$scratch/cmake" > /dev/null
echo "find_package(Zentavo2): consumer built"
if [ -z "$toolchain" ]; then
  LD_LIBRARY_PATH=$prefix/lib LC_ALL=C.UTF-8 "$scratch/cmake/consumer" "Dell Inc." | grep -q "戴尔	Dell	Dell	Dell"
  echo "find_package(Zentavo2): consumer ran"
  export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
  cc -o "$scratch/pkgconfig_consumer" "$here/../../examples/c/host.c" $(pkg-config --cflags --libs zentavo2)
  LD_LIBRARY_PATH=$prefix/lib "$scratch/pkgconfig_consumer" "Dell Inc." > /dev/null
  echo "pkg-config zentavo2: consumer built and ran"
fi
echo "1 passed, 0 failed"
