#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming them, when source files lack the licence line near their top.
#   tools/check-licence-lines.sh ROOT      the tracked files of ROOT (every file when ROOT is no git tree)
#   tools/check-licence-lines.sh --self-test
set -uo pipefail
LINE='SPDX-License-Identifier: GPL-3.0-or-later'

# Sources by name, and scripts by their "#!" line whatever their name.
is_source() {
  case "$1" in
    *.cpp|*.h|*.sh|*.py|CMakeLists.txt|*/CMakeLists.txt) return 0 ;;
  esac
  head -c2 "$1" 2>/dev/null | grep -qx "#!"
}

check() {
  local root="$1" missing=0 f
  cd "$root" || return 2
  while IFS= read -r -d '' f; do
    [ -f "$f" ] || continue
    is_source "$f" || continue
    # Line 1, or after a "#!" line or an XML declaration.
    if ! head -n 3 "$f" | grep -qF "$LINE"; then
      echo "missing licence line: $f"
      missing=1
    fi
  done < <(
    if git -C . rev-parse --is-inside-work-tree >/dev/null 2>&1; then
      git ls-files -z
    else
      find . \( -path ./build -o -path ./.git \) -prune -o -type f -print0 | sed -z 's|^\./||'
    fi)
  return $missing
}

self_test() {
  local dir rc out
  dir="$(mktemp -d)" || return 2
  trap 'rm -rf "$dir"' RETURN
  mkdir -p "$dir/a" "$dir/build"
  printf '// %s\nint x;\n' "$LINE" > "$dir/a/good.cpp"
  printf '#!/bin/sh\n# %s\n' "$LINE" > "$dir/a/good.sh"
  printf 'int y;\n// %s\n' "" > "$dir/a/bad.h"
  printf '#!/bin/sh\necho hi\n' > "$dir/a/run"
  printf 'project(x)\n' > "$dir/a/CMakeLists.txt"
  printf 'int z;\n' > "$dir/build/generated.cpp"
  mkdir -p "$dir/.git/hooks" && printf '#!/bin/sh\n' > "$dir/.git/hooks/pre-commit.sample"
  printf 'plain data\n' > "$dir/a/notes.txt"
  out="$(check "$dir")"; rc=$?
  local want="missing licence line: a/CMakeLists.txt
missing licence line: a/bad.h
missing licence line: a/run"
  if [ $rc -ne 1 ] || [ "$(sort <<<"$out")" != "$want" ]; then
    echo "self-test failed (exit $rc):"; echo "$out"; return 1
  fi
  echo "self-test passed"
}

if [ "${1:-}" = "--self-test" ]; then self_test; else check "${1:-.}"; fi
