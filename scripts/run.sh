#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAMELUNE_TESTS=OFF >/dev/null
cmake --build build/release --target tramelune
exec build/release/tramelune "$@"
