#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a plain
# build, and under AddressSanitizer and UndefinedBehaviorSanitizer, with
# every compiler warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --tests

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
fi
jobs=$(nproc)
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1

failed=0
for variant in plain sanitize; do
  echo "== tests: $variant build"
  dir=build/test-$variant
  sanitize=OFF
  [ "$variant" = sanitize ] && sanitize=ON
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAMELUNE_SANITIZE=$sanitize -DTRAMELUNE_WERROR=ON >/dev/null
  cmake --build "$dir"
  # The end-to-end tests watch the real program's 200 ms animations through
  # screenshots: they run one at a time once the others are done, so that
  # nothing competes with them for the processor.
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" -E '^e2e[.]' || failed=1
  echo "== end-to-end tests: $variant build"
  ctest --test-dir "$dir" --output-on-failure -R '^e2e[.]' || failed=1
done
exit "$failed"
