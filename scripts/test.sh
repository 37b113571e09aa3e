#!/bin/sh
# Installs what is missing, builds everything with its tests and runs them all through CTest
# (offscreen), then builds and runs every test once more under AddressSanitizer and
# UndefinedBehaviorSanitizer. Any sanitizer report fails the run.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build build-tests -j"$jobs"
ctest --test-dir build-tests --output-on-failure -j"$jobs"

cmake -S . -B build-tests-asan -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DYARROWEN_SANITIZE=ON >/dev/null
cmake --build build-tests-asan -j"$jobs"
# Every report also goes to a file, so that one from a program a test starts is not missed.
reports="$PWD/build-tests-asan/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:log_path=$reports/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0"
status=0
ctest --test-dir build-tests-asan --output-on-failure -j"$jobs" || status=1
for report in "$reports"/*; do
  [ -e "$report" ] || continue
  echo "== $report"
  cat "$report"
  status=1
done
test "$status" -eq 0 || exit 1
sh scripts/fuzz.sh
