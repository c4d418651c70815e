#!/usr/bin/env bash
# Checks that every C++ source of the tree is laid out as .clang-format
# says, with Debian's clang-format; prints the files that are not.
#   format_check.sh SOURCE_DIR
set -euo pipefail
cd "$1"
command -v clang-format >/dev/null || { echo "FAIL: clang-format is missing (scripts/deps.sh --tests installs it)" >&2; exit 1; }
mapfile -t sources < <(find app bench forms main_menu navigation packaging parallel serial serial_parallel tests trainer \
  -name '*.cpp' -o -name '*.h' | sort)
if ! said=$(clang-format --dry-run --Werror "${sources[@]}" 2>&1); then
  echo "FAIL: not as .clang-format lays them out (clang-format -i fixes them):" >&2
  sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/  \1/p' <<<"$said" | sort -u >&2
  exit 1
fi
echo "${#sources[@]} sources laid out as .clang-format says"
