#!/bin/bash
# Kills list saves and imports with SIGKILL at random moments and counts what the next
# start finds: every list set wholly old or wholly new, no torn list file, nothing left
# over. Not part of the quick tests; run on demand:
#   scripts/fault_campaign.sh [build folder] [import trials] [save trials]
set -euo pipefail
build=${1:-build}
import_trials=${2:-100}
save_trials=${3:-38}
driver="$build/tests/list_fault_driver"
[ -x "$driver" ] || { echo "build the list_fault_driver target first ($driver)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$driver" make A "$work/A.csv"
"$driver" make B "$work/B.csv"

# One trial: a fresh data folder holding set A, the driver started with the given
# arguments, a kill after 20 to 400 ms, and the check the next start makes.
trial() {
  local check=$1
  shift
  local data="$work/data"
  rm -rf "$data" && mkdir -p "$data"
  export NUVARO_DATA_DIR="$data"
  "$driver" import "$work/A.csv" 2>/dev/null
  "$driver" "$@" 2>/dev/null &
  local pid=$!
  sleep "0.$(printf '%03d' $((20 + RANDOM % 380)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  "$driver" "$check" "$work/A.csv" "$work/B.csv" 2>/dev/null
}

count() {
  local label=$1 trials=$2 check=$3
  shift 3
  declare -A seen=()
  for ((i = 0; i < trials; i++)); do
    result=$(trial "$check" "$@")
    seen["$result"]=$((${seen["$result"]:-0} + 1))
  done
  echo "$label: $trials trials"
  for result in "${!seen[@]}"; do echo "  ${seen[$result]} × $result"; done
}

count "kill -9 during imports" "$import_trials" check-import import "$work/A.csv" "$work/B.csv"
count "kill -9 during saves" "$save_trials" check-save save
