#!/bin/sh
# Installs what is missing, builds yarrowen (Release) and starts it with the default database beside it.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec ./build/bin/yarrowen "$@"
