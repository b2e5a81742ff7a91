#!/usr/bin/env bash
# Fails, naming the files, when a C++ source of the tree differs from the .clang-format style.
# Mend with: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed" >&2; exit 1; }
sources() {
  git ls-files -z --cached --others --exclude-standard -- src tests tools bench fuzz |
    grep -zE '\.(cpp|h)$'
}
offending=$(sources | xargs -0 -P "$(nproc)" -n 16 sh -c '
  for f; do
    [ -f "$f" ] || continue
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || echo "$f"
  done' sh)
if [ -n "$offending" ]; then
  echo "Not in the style of .clang-format ($(clang-format --version)):"
  echo "$offending" | sort
  exit 1
fi
echo "Style: every C++ source follows .clang-format"
