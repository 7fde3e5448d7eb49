#!/usr/bin/env bash
# Builds and tests everything: the Linux library and its test suite, a smoke
# run of the benchmarks, the fuzzers (20 s each from their corpora), the
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, the stress test under ThreadSanitizer, then the
# 32-bit Windows DLL (checked by its export table) and the 64-bit Windows
# build, whose tests run under Wine; then the packages made from those builds
# (tools/package_test.sh). Fails on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=2
# Each step says when it starts, in seconds since the run began.
step() { echo "== $* (at ${SECONDS} s)"; }

step "Linux build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DRADAR_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 120

step "Benchmarks: a short smoke run of every one (no timing is judged)"
RADAR_WERROR=ON tools/bench.sh --smoke

step "Fuzzers: corpora replayed, then 20 s each"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DRADAR_FUZZ=ON -DRADAR_WERROR=ON
cmake --build build-fuzz -j"$jobs" --target radar_fuzzers
ctest --test-dir build-fuzz -R '^fuzz_corpus_' --output-on-failure
for t in incoming echo_datagram playback calls; do
  extra=()
  [ "$t" = incoming ] && extra=(-max_len=1200)
  mkdir -p build-fuzz/corpus/$t
  build-fuzz/bin/fuzz_$t build-fuzz/corpus/$t fuzz/corpus/$t -max_total_time=20 \
      -artifact_prefix=build-fuzz/$t- "${extra[@]}"
done

step "AddressSanitizer and UndefinedBehaviorSanitizer: the whole suite"
cmake --preset asan -DRADAR_WERROR=ON
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

step "ThreadSanitizer: the stress test"
cmake --preset tsan -DRADAR_WERROR=ON
cmake --build --preset tsan -j"$jobs" --target stress_test
ctest --preset tsan -R '^Stress\.'

step "32-bit Windows: radar.dll and orvane.dll export tables"
cmake --preset windows-i686 -DRADAR_WERROR=ON
cmake --build --preset windows-i686 -j"$jobs"
ctest --preset windows-i686

step "64-bit Windows: the test suite under Wine"
cmake --preset windows-x86_64 -DRADAR_WERROR=ON
cmake --build --preset windows-x86_64 -j"$jobs"
export WINEDEBUG=-all
wine=/usr/lib/wine/wine64
probe=build-win64/bin/cpa_test.exe
if ! timeout 120 "$wine" "$probe" --gtest_list_tests >/dev/null 2>&1; then
  echo "!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"
  echo "!!! Wine cannot run Windows programs on this machine: the Windows tests did"
  echo "!!! NOT run. The export tables were checked above; this run fails so that"
  echo "!!! it cannot pass without the Windows tests."
  echo "!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"
  exit 1
fi
ctest --preset windows-x86_64

step "Packages: the installed tree, the .deb, the Windows SDK archives, each with the consumer program"
tools/package_test.sh
