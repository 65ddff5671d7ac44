#!/usr/bin/env bash
# Installs what the project needs, then configures and builds it (incrementally)
# into build/. The staged installation tree is build/stage.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD_DIR="${BUILD_DIR:-build}"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISKO7_WERROR=ON >/dev/null
fi
cmake --build "$BUILD_DIR" -j "$(nproc)"
