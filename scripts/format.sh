#!/usr/bin/env bash
# Formats every tracked C++ file with clang-format (the style in .clang-format). With --check it
# changes nothing and fails, naming each place, if any file differs from its formatted self.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [[ "${1:-}" != "--check" ]]; then
  clang-format -i "${files[@]}"
elif ! clang-format --dry-run -Werror "${files[@]}"; then
  echo "format.sh: not formatted; bash scripts/format.sh formats every file" >&2
  exit 1
fi
