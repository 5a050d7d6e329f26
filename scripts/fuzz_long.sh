#!/usr/bin/env bash
# The long fuzz runs, measured once and written down in tests/fuzz/README.md (CI keeps
# its short runs in test.sh). Runs each target of build-asan/fuzz (or those named) from
# its seed corpus and dictionary until NUVARO_FUZZ_RUNS executions (default 10^6) or
# NUVARO_FUZZ_MAX_SECONDS (default 3600), one after the other, at the lowest priority,
# and prints executions, seconds and covered edges per target.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${NUVARO_FUZZ_RUNS:-1000000}
max_seconds=${NUVARO_FUZZ_MAX_SECONDS:-3600}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(ls build-asan/fuzz))
for name in "${targets[@]}"; do
  fuzzer="build-asan/fuzz/$name"
  work=$(mktemp -d)
  [ -d "tests/fuzz/corpus/$name" ] && cp -r "tests/fuzz/corpus/$name"/. "$work"/
  log=$(mktemp)
  options=(-runs="$runs" -max_total_time="$max_seconds" -max_len=4096 -print_final_stats=1 -artifact_prefix="$log-")
  [ -f "tests/fuzz/dictionaries/$name.dict" ] && options+=(-dict="$PWD/tests/fuzz/dictionaries/$name.dict")
  start=$(date +%s)
  status=0
  (cd "$work" && nice -n 19 "$OLDPWD/$fuzzer" "${options[@]}" .) >"$log" 2>&1 || status=$?
  seconds=$(( $(date +%s) - start ))
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  first=$(grep -m1 -o 'INITED cov: [0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  last=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$' || echo "?")
  verdict=$([ "$status" -eq 0 ] && echo "no finding" || echo "FINDING (exit $status), see $log")
  echo "$name: $executions executions in ${seconds}s, edges $first (seeds) -> $last, $verdict"
  [ "$status" -eq 0 ] && rm -f "$log"
  rm -rf "$work"
done
