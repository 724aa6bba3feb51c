#!/usr/bin/env bash
# Installs tsshogi, as package-lock.json pins it, into the build folder (once: later runs need
# no network). Fails, saying why, when Node or the npm registry cannot be reached.
#   install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1 dir=$2
stamp=$dir/node_modules/.installed-lock.json
if cmp -s "$src/package-lock.json" "$stamp"; then exit 0; fi
for tool in node npm; do
  if ! command -v "$tool" >/dev/null; then
    echo "kif_reader: $tool is missing (bash scripts/deps.sh installs it)" >&2
    exit 1
  fi
done
mkdir -p "$dir"
cp "$src/package.json" "$src/package-lock.json" "$dir/"
cd "$dir"
if ! npm ci --ignore-scripts --no-audit --no-fund --fetch-retries=1 --fetch-timeout=60000; then
  echo "kif_reader: npm ci failed: tsshogi could not be installed (is the npm registry reachable?)" >&2
  exit 1
fi
cp package-lock.json "$stamp"
