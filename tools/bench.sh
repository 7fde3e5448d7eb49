#!/usr/bin/env bash
# Builds the benchmarks (bench/) and runs them all, each figure beside its
# baseline from the same run, then measures radarctl serve's latency
# (bench/serve_latency.py). Results also land as JSON in build-bench/results.
#   tools/bench.sh            the full run (a few minutes)
#   tools/bench.sh --smoke    every benchmark briefly, to show that it runs (CI)
set -euo pipefail
cd "$(dirname "$0")/.."
smoke=0
[ "${1:-}" = "--smoke" ] && smoke=1

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DRADAR_BENCH=ON -DRADAR_BUILD_TESTS=OFF \
      -DRADAR_WERROR="${RADAR_WERROR:-OFF}" >/dev/null
cmake --build build-bench -j2 --target radar_benchmarks

mkdir -p build-bench/results
args=()
if [ "$smoke" = 1 ]; then
  export RADAR_BENCH_SMOKE=1
  args=(--benchmark_min_time=0.01)
fi
for b in echo_path_bench receiver_bench incoming_bench put_bench cpa_bench tracking_bench; do
  echo "== $b"
  build-bench/bin/$b "${args[@]}" --benchmark_out=build-bench/results/$b.json --benchmark_out_format=json
done
# radarctl serve, from the station's datagram to its clients' sockets.
if cmake --build build-bench -j2 --target radarctl >/dev/null 2>&1 &&
   build-bench/bin/radarctl serve --help >/dev/null 2>&1; then
  echo "== serve_latency"
  latency_args=()
  [ "$smoke" = 1 ] && latency_args=(--seconds 1 --clients 1,4)
  /usr/bin/python3 bench/serve_latency.py --radarctl build-bench/bin/radarctl "${latency_args[@]}" \
      --json build-bench/results/serve_latency.json
else
  echo "== serve_latency: radarctl serve is not built here (tools/setup.sh installs what it needs)"
fi
# A benchmark that could not run reports an error in its results.
if grep -l '"error_occurred": true' build-bench/results/*.json; then
  echo "bench: a benchmark reported an error (results above)" >&2
  exit 1
fi
