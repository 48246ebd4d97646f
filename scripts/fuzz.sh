#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz) and runs each for
# SECONDS, one after the other, starting from its stored corpus and
# dictionary. Prints the executions and the coverage each run reached; a fault
# stops that target's run, leaves its input in build-fuzz/faults/ and makes
# the script end non-zero after the remaining targets.
#   scripts/fuzz.sh SECONDS [TARGET...]   targets: project-reader report-reader
#                                                  settings number-text command-line
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(project-reader report-reader settings number-text command-line)

build=build-fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSLOOPFORM_FUZZ=ON -DSLOOPFORM_BENCH=OFF -DSLOOPFORM_CLI=OFF -DSLOOPFORM_APP=OFF \
  "${launcher[@]}" >/dev/null
binaries=()
for target in "${targets[@]}"; do binaries+=("fuzz_${target//-/_}"); done
cmake --build "$build" -j "$(nproc)" --target "${binaries[@]}" | tail -n 1

# The readers write their scratch files there: in memory where there is some.
[ -d /dev/shm ] && export TMPDIR=/dev/shm
status=0
printf '%-15s %12s %10s %10s  %s\n' target executions coverage new result
for target in "${targets[@]}"; do
  binary=$build/tests/fuzz/fuzz_${target//-/_}
  stored=tests/fuzz/$target-corpus
  dictionary=tests/fuzz/${target%-reader}.dict
  # New inputs go to a working corpus, so the stored one stays small.
  work=$build/work-corpus/$target
  faults=$build/faults/$target
  log=$build/logs/$target.log
  mkdir -p "$work" "$faults" "$(dirname "$log")"
  result=ok
  "$binary" -max_total_time="$seconds" -dict="$dictionary" -artifact_prefix="$faults/" \
    -print_final_stats=1 "$work" "$stored" >"$log" 2>&1 || { result="FAULT, see $log"; status=1; }
  executions=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || true)
  [ -n "$executions" ] || executions=$(grep -o '^#[0-9]*' "$log" | tail -n 1 | tr -d '#')
  start=$(grep -m1 -o 'INITED cov: [0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  reached=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$' || echo 0)
  printf '%-15s %12s %10s %10s  %s\n' "$target" "$executions" "$reached" "+$((reached - start))" "$result"
done
exit $status
