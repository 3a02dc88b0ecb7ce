#!/bin/sh
# Builds the libFuzzer harnesses (fuzz/) and runs each for a number of seconds
# (default 10) from a scratch copy of its seed corpus under build/fuzz/run/,
# with a dictionary of the tables' words that the build writes.
#   tools/fuzz.sh [seconds]
# Exits non-zero when a harness finds a crash or a failed property; the input
# is left as build/fuzz/run/<harness>/crash-* and the report in <harness>.log.
# FUZZ_CC / FUZZ_CXX pick other clang binaries (default clang, clang++).
set -eu
cd "$(dirname "$0")/.."

seconds=${1:-10}
case $seconds in
  '' | *[!0-9]*) echo "usage: tools/fuzz.sh [seconds]  (a whole number, not '$seconds')" >&2; exit 2 ;;
esac
cc=${FUZZ_CC:-clang}
cxx=${FUZZ_CXX:-clang++}
harnesses="pc_vendor_fuzzer vendor_pic_fuzzer vendor_url_fuzzer text_fuzzer"

missing() { echo "tools/fuzz.sh: $1" >&2; exit 2; }
command -v cmake >/dev/null 2>&1 || missing "cmake is missing (apt-get install cmake)"
command -v ninja >/dev/null 2>&1 || missing "ninja is missing (apt-get install ninja-build)"
command -v "$cc" >/dev/null 2>&1 && command -v "$cxx" >/dev/null 2>&1 ||
  missing "clang is missing: the harnesses need clang and libFuzzer (apt-get install clang libclang-rt-dev, or set FUZZ_CC/FUZZ_CXX)"

"$cxx" --version 2>/dev/null | grep -q clang ||
  missing "$cxx is not clang: libFuzzer comes with clang (apt-get install clang libclang-rt-dev, or set FUZZ_CC/FUZZ_CXX)"

# libFuzzer ships apart from clang on some systems: try a one-line harness first.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$probe/probe.cpp"
"$cxx" -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1 ||
  missing "$cxx cannot link -fsanitize=fuzzer: libFuzzer is missing (apt-get install libclang-rt-$("$cxx" -dumpversion | cut -d. -f1)-dev)"

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build build/fuzz

failed=""
for harness in $harnesses; do
  run=build/fuzz/run/$harness
  rm -rf "$run"
  mkdir -p "$run/corpus"
  cp fuzz/corpus/$harness/* "$run/corpus/"
  echo "== $harness: $seconds s"
  if build/fuzz/$harness -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$run/" \
       -dict=build/fuzz/zentavo.dict "$run/corpus" >"$run/$harness.log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE' "$run/$harness.log" || true
    grep -E '^stat::number_of_executed_units' "$run/$harness.log" || true
  else
    grep -E -A12 'PROPERTY FAILED|ERROR: (AddressSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error' \
      "$run/$harness.log" | head -30 || true
    ls "$run"/crash-* "$run"/leak-* "$run"/timeout-* "$run"/oom-* 2>/dev/null || true
    failed="$failed $harness"
  fi
done

if [ -n "$failed" ]; then
  echo "tools/fuzz.sh: findings in:$failed (inputs and logs under build/fuzz/run/)" >&2
  exit 1
fi
echo "tools/fuzz.sh: no findings in $seconds s per harness"
