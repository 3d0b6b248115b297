#!/usr/bin/env bash
# Long local fuzz runs: builds the fuzz targets (clang, ASan+UBSan+libFuzzer)
# in build-fuzz and runs each named target (default: all) until it has done
# RUNS executions or SECONDS have passed. New inputs are kept in
# build-fuzz/fuzz-work/<target>/corpus; crashes land in .../artifacts.
# Usage: scripts/fuzz.sh [-r RUNS] [-t SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-fuzz}
runs=1000000
seconds=3600
while getopts "r:t:" opt; do
  case $opt in
    r) runs=$OPTARG ;;
    t) seconds=$OPTARG ;;
    *) echo "usage: $0 [-r RUNS] [-t SECONDS] [TARGET...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(rules_file profile custom_games score_file cli rule_columns)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTESSARO_FUZZ=ON -DTESSARO_GUI=OFF \
      -DTESSARO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target fuzz_all
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# The targets write their files into a private folder under TMPDIR: memory is fastest.
[ -d /dev/shm ] && export TMPDIR=${TMPDIR:-/dev/shm}
status=0
for t in "${targets[@]}"; do
  work=$build/fuzz-work/$t
  mkdir -p "$work/corpus" "$work/artifacts"
  echo "== fuzz_$t: up to $runs runs or $seconds s (log: $work/log)"
  if ! "$build/bin/fuzz_$t" -runs="$runs" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" "$root/fuzz/corpus/$t" \
       >"$work/log" 2>&1; then
    echo "fuzz_$t FAILED, see $work/log and $work/artifacts/" >&2
    status=1
  fi
  grep -E '^#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec' "$work/log" || true
done
exit $status
