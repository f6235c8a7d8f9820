#!/usr/bin/env bash
# Builds Corvane twice, plainly and with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test in both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# The plain build compiles each source on its own, so a source that leans on another's includes fails
# here; the sanitizer build compiles them in batches, which reads the headers they share once a batch.
for variant in plain sanitize; do
  dir="build-test-$variant"
  sanitize=OFF
  unity=OFF
  [ "$variant" = sanitize ] && sanitize=ON && unity=ON
  echo "== $variant build"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_SANITIZE=$sanitize \
        -DCMAKE_UNITY_BUILD=$unity -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
        -DBUILD_TESTING=ON -DCORVANE_BUILD_BENCHMARKS=ON > /dev/null
  cmake --build "$dir" -j"$(nproc)"
  echo "== $variant tests"
  # Many tests wait on windows and other processes part of the time, so more run at once than there are cores.
  ctest --test-dir "$dir" --output-on-failure -j"$(( $(nproc) + 2 ))"
done
