#!/bin/sh
# Installs what is missing, builds everything with its tests and runs them all through CTest (offscreen).
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build build-tests -j"$(nproc)"
ctest --test-dir build-tests --output-on-failure -j"$(nproc)"

# The plug-in library and its host once more under AddressSanitizer and UndefinedBehaviorSanitizer:
# a second build that makes only them and their tests.
cmake -S . -B build-tests-asan -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DYARROWEN_SANITIZE=ON >/dev/null
cmake --build build-tests-asan -j"$(nproc)" --target plugin_checks
ctest --test-dir build-tests-asan -L plugin --output-on-failure -j"$(nproc)"
sh scripts/fuzz.sh
