#!/usr/bin/env bash
# Builds the game, warnings failing the build, and runs every test. Pass --sanitize to build
# with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir=build-test
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMINAK_WERROR=ON)
if [[ "${1:-}" == "--sanitize" ]]; then
  dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DLUMINAK_SANITIZE=ON -DLUMINAK_BENCH=OFF -DLUMINAK_WERROR=ON)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$dir" "${flags[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure --timeout 300 -j"$(nproc)"

# The computer against itself at every level, every position checked after every move.
games=200
[[ "${1:-}" == "--sanitize" ]] && games=20
"$dir/tools/selfplay/selfplay" --games "$games" --level 0 --seed 1
# LEVEL4 against level 3: a short match at a node limit, every position checked.
match=(--games 20 --nodes 20000)
[[ "${1:-}" == "--sanitize" ]] && match=(--games 2 --nodes 2000)
"$dir/tools/selfplay/selfplay" --match 4:3 --seed 1 "${match[@]}"
if [[ "${1:-}" != "--sanitize" ]]; then
  "$dir/bench/core_bench" --benchmark_min_time=0.01 >/dev/null  # the benchmarks still run
fi
