#!/usr/bin/env bash
# Builds the record loader's and the KIF reader's fuzz targets with clang (libFuzzer,
# AddressSanitizer, UBSan) and runs each over its seeds for half of 60 seconds, or of as many as
# given. An input that breaks the record loader is kept in tests/data/kifu_bad, one that breaks
# the KIF reader in tests/data/kif_bad; the tests load them from then on, and the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
half=$(((seconds + 1) / 2))
dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMINAK_FUZZ=ON \
  -DLUMINAK_APP=OFF -DLUMINAK_TESTS=OFF -DLUMINAK_BENCH=OFF -DLUMINAK_WERROR=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target kifu_fuzz kif_fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run() {  # target, seeds, folder for the inputs that break it
  mkdir -p "$corpus/$1"
  "$dir/fuzz/$1" -max_total_time="$half" -timeout=20 -rss_limit_mb=2048 \
    -artifact_prefix="$3/" -print_final_stats=1 "$corpus/$1" "$2"
}
run kifu_fuzz fuzz/seeds tests/data/kifu_bad
run kif_fuzz fuzz/kif_seeds tests/data/kif_bad
