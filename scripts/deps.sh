#!/usr/bin/env bash
# Installs what the game and its tests need on a fresh Debian 12 machine (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
  g++ cmake make pkg-config \
  qt6-base-dev libgl-dev libsdl2-dev fonts-noto-cjk \
  libgtest-dev libgmock-dev libbenchmark-dev \
  clang libclang-rt-14-dev \
  xvfb xauth >/dev/null
