#!/usr/bin/env bash
# Sets everything up (Debian packages, build) and runs every test: the normal build's
# tests, then the non-GUI targets again under AddressSanitizer + UndefinedBehaviorSanitizer,
# and a short run of each libFuzzer target.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${NUVARO_JOBS:-2}
fuzz_seconds=${NUVARO_FUZZ_SECONDS:-20}

bash scripts/setup.sh
echo "== Tests"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Tests under AddressSanitizer + UndefinedBehaviorSanitizer (widget tests included), and fuzz targets"
# One instrumented build serves the tests and the fuzz targets: every library carries
# ASan + UBSan and libFuzzer's coverage instrumentation, at -O1.
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DNUVARO_GUI=ON -DNUVARO_BENCH=OFF \
  -DNUVARO_SANITIZE=ON -DNUVARO_FUZZ=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

shopt -s nullglob
for fuzzer in build-asan/fuzz/*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="tests/fuzz/corpus/$name"
  dictionary="tests/fuzz/dictionaries/$name.dict"
  options=()
  [ -f "$dictionary" ] && options+=(-dict="$dictionary")
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "-- $name for ${fuzz_seconds}s"
  "$fuzzer" -max_total_time="$fuzz_seconds" -max_len=4096 -print_final_stats=0 "${options[@]}" "$work" 2>&1 | tail -n 2
  rm -rf "$work"
done
echo "== All tests passed"
