#!/usr/bin/env bash
# Checks every C++ file the repository keeps against the committed
# .clang-format; with --fix, rewrites the ones that drift instead.
#
#   scripts/check-format.sh         list the drifting files and fail
#   scripts/check-format.sh --fix   format them in place
set -euo pipefail
cd "$(dirname "$0")/.."

mode=(--dry-run --Werror)
case ${1:-} in
  "") ;;
  --fix) mode=(-i) ;;
  *) sed -n '2,6p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac

if ! command -v clang-format >/dev/null; then
  echo "error: clang-format is missing (Debian: apt-get install clang-format)" >&2
  exit 1
fi

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --style=file "${mode[@]}"
