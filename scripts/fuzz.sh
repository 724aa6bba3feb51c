#!/usr/bin/env bash
# Builds the record loader's fuzz target with clang (libFuzzer, AddressSanitizer, UBSan) and runs
# it over the seed records for 60 seconds, or as many as given. An input that breaks the loader
# is kept in tests/data/kifu_bad, which the tests load from then on, and the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMINAK_FUZZ=ON \
  -DLUMINAK_APP=OFF -DLUMINAK_TESTS=OFF -DLUMINAK_BENCH=OFF -DLUMINAK_WERROR=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target kifu_fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$dir/fuzz/kifu_fuzz" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
  -artifact_prefix=tests/data/kifu_bad/ -print_final_stats=1 "$corpus" fuzz/seeds
