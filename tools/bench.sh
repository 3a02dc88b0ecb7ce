#!/bin/sh
# Builds and runs the benchmarks and prints their figures (see bench/README.md):
# the native benchmark in the emulated code pages 936 and 1252, then the
# 64-bit Zentavo2.dll under Wine in code pages 936 and 1252.
#
#   tools/bench.sh          native and 64-bit DLL
#   tools/bench.sh win32    the 32-bit DLL as well (where the kernel runs no
#                           32-bit code, qemu emulates it: slow, and its
#                           figures are not representative there)
#
# On Debian 12 as root tools/setup.sh installs what it needs first (Google
# Benchmark, the cross compilers, Wine).
set -eu
cd "$(dirname "$0")/.."
fixture=bench/data/maker_strings.txt
want_win32=no
[ "${1:-}" = win32 ] && want_win32=yes

# The DLL runs are skipped where the cross compilers or Wine cannot be had.
if tools/setup.sh all; then windows=yes; else tools/setup.sh native; windows=no; fi

echo "== Native benchmark (the library's code in emulated code pages) on $(nproc) cores"
cmake --preset native >/dev/null
cmake --build --preset native --target zentavo2_bench
for code_page in 936 1252; do
  echo "-- code page $code_page: median of 5 repetitions"
  build/native/bench/zentavo2_bench "$fixture" --benchmark_filter="/cp$code_page\$" \
    --benchmark_repetitions=5 --benchmark_display_aggregates_only=true --benchmark_counters_tabular=true |
    grep -v -e '_mean ' -e '_stddev ' -e '_cv '
done

if [ $windows = no ]; then
  echo "== Zentavo2.dll under Wine: skipped (no MinGW-w64 or Wine here; run tools/setup.sh all as root)"
  exit 0
fi
presets=win64
[ $want_win32 = yes ] && presets="win64 win32"
for preset in $presets; do
  cmake --preset $preset >/dev/null
  cmake --build --preset $preset --target wine_throughput
  rounds=21
  [ $preset = win32 ] && rounds=5
  for code_page in 936 1252; do
    echo "== $preset Zentavo2.dll under Wine, code page $code_page"
    (cd build/$preset && ../../tools/wine_run.sh $code_page wine_throughput.exe ../../$fixture $rounds)
  done
done
