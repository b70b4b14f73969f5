#!/usr/bin/env bash
# Runs the fuzz targets built in FUZZ_DIR (build/fuzz), each from its seed corpus tests/fuzz/corpus/TARGET.
#   fuzz.sh smoke FUZZ_DIR TARGET   a fixed number of inputs, the same ones every time, a few seconds' worth
#   fuzz.sh run FUZZ_DIR SECONDS    every target for SECONDS; what it finds new is kept in FUZZ_DIR/corpus
# A crash, a sanitizer report or a failed property ends a target with a failure, its input saved in
# FUZZ_DIR/artifacts.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:?smoke or run}
dir=$(cd "${2:?the fuzz build folder}" && pwd)
targets=(drop_names requests binary_form)
# Inputs of the smoke run by target. Each request and tree rendered costs a fresh block of 1.25 MB, which
# the sanitizers map and poison anew: about 500 of them a second, against 40,000 name lists.
declare -A smoke_runs=([drop_names]=100000 [requests]=2500 [binary_form]=2500)

fuzz() {
  local target=$1 work=$2
  shift 2
  mkdir -p "$work" "$dir/artifacts"
  "$dir/$target" "$work" "$top/tests/fuzz/corpus/$target" -artifact_prefix="$dir/artifacts/$target-" \
    -print_final_stats=1 "$@"
}

# One line from libFuzzer's closing statistics: executions, coverage (cov: edges, ft: features), corpus.
summary() {
  local target=$1 log=$2 status=$3
  local runs cov ft corpus
  runs=$(awk '/stat::number_of_executed_units:/ { print $2 }' "$log")
  read -r cov ft corpus < <(grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+' "$log" | tail -n 1 | awk '{ print $2, $4, $6 }')
  local found="no crash"
  [ "$status" = 0 ] || found="FAILED (exit $status): $(grep -m 1 -E 'ERROR:|property failed|runtime error' "$log")"
  printf 'fuzz %-12s %10s executions  cov %5s  ft %6s  corpus %5s  %s\n' "$target" "${runs:-?}" "${cov:-?}" \
    "${ft:-?}" "${corpus:-?}" "$found"
}

case $mode in
  smoke)
    target=${3:?target}
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    log=$work.log
    fuzz "$target" "$work" -runs="${smoke_runs[$target]}" -seed=1 >"$log" 2>&1
    status=$?
    summary "$target" "$log" "$status"
    [ "$status" = 0 ] || cat "$log"
    rm -f "$log"
    exit "$status";;
  run)
    seconds=${3:-60}
    failed=0
    for target in "${targets[@]}"; do
      log=$dir/$target.log
      fuzz "$target" "$dir/corpus/$target" -max_total_time="$seconds" >"$log" 2>&1
      status=$?
      summary "$target" "$log" "$status"
      [ "$status" = 0 ] || failed=1
    done
    echo "logs: $dir/*.log; inputs that failed: $dir/artifacts"
    exit "$failed";;
  *)
    echo "usage: fuzz.sh smoke FUZZ_DIR TARGET | fuzz.sh run FUZZ_DIR SECONDS" >&2
    exit 2;;
esac
