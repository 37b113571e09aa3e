#!/bin/sh
# Builds the fuzz targets of fuzz/ with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, then runs each on its seed corpus for RUNS inputs
# (default 4000) as a regression check. Fails on any crash, sanitizer report or failed check; the
# input that caused it is left in build-fuzz/work/.
#   sh scripts/fuzz.sh [RUNS]
set -e
cd "$(dirname "$0")/.."
RUNS="${1:-4000}"
# Targets that cannot be built fail the run: a check that did not run has not passed.
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ is not installed (sh scripts/install-deps.sh installs it); the fuzz targets cannot be built" >&2
  exit 1
fi
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz >/dev/null
cmake --build build-fuzz -j"$(nproc)"
# The targets as fuzz/CMakeLists.txt declares them, one a line, each with the most inputs it runs
# when it has a count of its own.
targets=build-fuzz/fuzz-targets.txt
grep -q . "$targets" || { echo "fuzz: no fuzz target was declared" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype QT_LOGGING_RULES="qt.qpa.fonts=false"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=""
while read -r target most; do
  runs="$RUNS"
  if [ -n "$most" ] && [ "$runs" -gt "$most" ]; then runs="$most"; fi
  # New inputs go to a scratch folder; the checked-in seeds are only read.
  work="build-fuzz/work/$target"
  rm -rf "$work"
  mkdir -p "$work"
  log="build-fuzz/work/$target.log"
  if build-fuzz/$target -runs="$runs" -seed=1 -artifact_prefix="$work-" "$work" "fuzz/corpus/$target" \
       </dev/null >"$log" 2>&1 && ! grep -qE "runtime error|ERROR: |check failed" "$log"; then
    echo "$target: $(grep -E '^Done [0-9]+ runs' "$log")"
  else
    tail -n 40 "$log"
    echo "$target: FAILED (log: $log)"
    failed="$failed $target"
  fi
done <"$targets"
[ -z "$failed" ] || { echo "fuzz targets failed:$failed"; exit 1; }
