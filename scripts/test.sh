#!/usr/bin/env bash
# Builds Corvane twice, plainly and with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test in
# both; then builds and checks the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
# Besides what building needs: Ninja, which keeps both cores busy across the libraries' boundaries;
# GoogleTest and Google Benchmark; an X server, a window manager, xdotool and ImageMagick for the tests on
# a real display; D-Bus, the accessibility bus, its Python binding and Orca for the screen-reader tests;
# appstream, desktop-file-utils and man-db to check the metadata, the menu entry and the manual page; the
# desktop's fonts for Japanese and Chinese (Noto CJK) and for Arabic (Noto), with which the windows in those
# languages are drawn and measured.
bash scripts/install-deps.sh ninja-build libgtest-dev libbenchmark-dev xvfb x11-utils xdotool openbox imagemagick \
     dbus at-spi2-core python3-pyatspi orca appstream desktop-file-utils man-db fonts-noto-cjk fonts-noto-core

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# The plain build compiles each source on its own, so a source that leans on another's includes fails
# here; the sanitizer build compiles them in batches, which reads the headers they share once a batch.
# The benchmarks are built once, plainly: they are run by hand, for speed, never under the sanitizers.
for variant in plain sanitize; do
  dir="build-test-$variant"
  sanitize=OFF
  unity=OFF
  benchmarks=ON
  [ "$variant" = sanitize ] && sanitize=ON && unity=ON && benchmarks=OFF
  echo "== $variant build"
  # A folder left by a build with another generator is started afresh.
  [ ! -f "$dir/CMakeCache.txt" ] || grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt" || rm -rf "$dir"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_SANITIZE=$sanitize \
        -DCMAKE_UNITY_BUILD=$unity -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
        -DBUILD_TESTING=ON -DCORVANE_BUILD_BENCHMARKS=$benchmarks > /dev/null
  cmake --build "$dir" -j"$(nproc)"
  echo "== $variant tests"
  # Many tests wait on windows and other processes part of the time, so more run at once than there are cores.
  ctest --test-dir "$dir" --output-on-failure -j"$(( $(nproc) + 2 ))"
done

# The Debian package, as a Debian maintainer builds and checks it (see scripts/package.sh). Its build would
# run the tests a third time; both builds above have just run them all, so it is asked not to.
echo "== Debian package"
DEB_BUILD_OPTIONS=nocheck bash scripts/package.sh
