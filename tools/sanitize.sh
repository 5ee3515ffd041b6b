#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer (g++) in build-asan, and runs the tests there.
# Any memory error, leak or undefined behaviour fails the test it happens in.
#
#   tools/sanitize.sh            configure, build, run every test
#   LOCKMERE_ASAN_DIR=dir ...    another build directory
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${LOCKMERE_ASAN_DIR:-build-asan}
JOBS=$(nproc)
started=$(date +%s)

SANITIZE="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -D_GLIBCXX_ASSERTIONS"
generator=()
command -v ninja >/dev/null && [ ! -f "$BUILD_DIR/CMakeCache.txt" ] && generator=(-G Ninja)

cmake -S . -B "$BUILD_DIR" "${generator[@]}" \
  -DCMAKE_CXX_COMPILER=g++ \
  -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$SANITIZE -O1" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DLOCKMERE_BUILD_TESTS=ON \
  -DLOCKMERE_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j"$JOBS"

# Leaks are looked for too (detect_leaks=1, LeakSanitizer's default on Linux).
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
status=0
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$JOBS" || status=$?

echo "sanitizer run: $(( $(date +%s) - started )) s, ctest exit status $status"
exit "$status"
