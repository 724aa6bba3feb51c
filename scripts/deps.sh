#!/usr/bin/env bash
# Installs what the game, its tests and its package need on Debian 12, and only what is missing
# (dpkg -s): on a prepared machine it installs nothing and needs no root. Missing packages are
# installed as root, or through sudo for a developer who has it.
set -euo pipefail
packages=(
  g++ cmake make pkg-config                          # the build
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libsdl2-dev fonts-noto-cjk  # the game, its sound library
  qt6-l10n-tools qt6-tools-dev                       # the English catalogue (lrelease)
  libgtest-dev libbenchmark-dev                      # tests and benchmarks
  clang libclang-rt-14-dev                           # fuzzing the record loader
  clang-format                                       # the format check
  desktop-file-utils appstream lintian               # checks of the Debian package
  nodejs                                             # another program's KIF reader (tsshogi)
)
# npm installs tsshogi; a Node.js package that carries its own npm stands in for Debian's.
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" 2>/dev/null | grep -qx 'Status: install ok installed' || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=(env DEBIAN_FRONTEND=noninteractive)
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null || ! sudo -n true 2>/dev/null; then
    echo "deps.sh: missing packages: ${missing[*]}" >&2
    echo "deps.sh: install them as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo -n "${as_root[@]}")
fi
echo "deps.sh: installing ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
