#!/usr/bin/env bash
# Checks that the C++ sources are formatted as .clang-format says, with
# Debian 12's clang-format 14: formatting differs between clang-format
# versions, so the check names the one it was tuned with. Lists every place
# that would change and exits non-zero when there is one. Nothing is changed;
# to format a file: clang-format-14 -i FILE.
#   scripts/format-check.sh [FILE-OR-FOLDER...]   (default: src tools tests bench)
set -euo pipefail
cd "$(dirname "$0")/.."
FORMAT="${CLANG_FORMAT:-clang-format-14}"
if ! command -v "$FORMAT" >/dev/null; then
  echo "format-check: $FORMAT not found (apt-get install clang-format-14)" >&2
  exit 2
fi
if [ "$#" -eq 0 ]; then
  set -- src tools tests bench
fi
find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z | xargs -0 "$FORMAT" --dry-run --Werror
