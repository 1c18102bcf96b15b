#!/usr/bin/env bash
# Names every C++ file of the repository that is off .clang-format, and fails
# if there is one; with --fix lays them out instead (make format). The layout is that of one
# clang-format, Debian 12's (14): another version breaks a few lines
# differently, so a check with it would fail on files that are in order.
set -euo pipefail
cd "$(dirname "$0")/.."

pinned=14
tool=clang-format-$pinned
command -v "$tool" >/dev/null || tool=clang-format
if ! command -v "$tool" >/dev/null; then
  echo "no clang-format: scripts/install-deps.sh format installs it" >&2
  exit 1
fi
version=$("$tool" --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p')
if [ "$version" != "$pinned" ]; then
  echo "the C++ files are laid out by clang-format $pinned (Debian 12's); $tool is version ${version:-unknown}" >&2
  exit 1
fi

# Tracked files and new ones not yet added, but nothing git ignores (the build).
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
  while read -r f; do [ -f "$f" ] && echo "$f"; done)

if [ "${1:-}" = --fix ]; then
  "$tool" -i -- "${files[@]}"
  exit 0
fi
off=()
for f in "${files[@]}"; do
  "$tool" --dry-run -Werror -- "$f" >/dev/null 2>&1 || off+=("$f")
done
if [ ${#off[@]} -gt 0 ]; then
  echo "off .clang-format (make format lays them out):" >&2
  printf '  %s\n' "${off[@]}" >&2
  exit 1
fi
echo "${#files[@]} C++ files laid out by .clang-format"
