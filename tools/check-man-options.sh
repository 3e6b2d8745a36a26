#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a program's manual page and its --help disagree on the long options: an option that
# --help lists but the page does not, or one the page still lists that --help no longer has.
#   tools/check-man-options.sh PROGRAM PAGE.1
#   tools/check-man-options.sh --self-test
set -uo pipefail

# Long options as words ("--year", "--print-pdf"), one a line, sorted; a lone "--" is none.
long_options() {
  grep -oE -- '(^|[^A-Za-z0-9-])--[A-Za-z][A-Za-z0-9-]*' | sed -E 's/^[^-]+//' | sort -u
}

# The page's text without troff escapes: \- is a hyphen, \fB and the like change the font.
page_text() {
  sed -E 's/\\f(\[[^]]*\]|\(..|.)//g; s/\\-/-/g; s/\\\(hy/-/g' "$1"
}

check() {
  local program="$1" page="$2" help
  [ -f "$page" ] || { echo "no manual page $page"; return 1; }
  if ! help="$(timeout 30 "$program" --help 2>&1)"; then
    echo "$program --help failed:"; echo "$help"; return 1
  fi
  local in_help in_page status=0
  in_help="$(long_options <<<"$help")"
  in_page="$(page_text "$page" | long_options)"
  local missing extra
  missing="$(comm -23 <(echo "$in_help") <(echo "$in_page"))"
  extra="$(comm -13 <(echo "$in_help") <(echo "$in_page"))"
  if [ -n "$missing" ]; then echo "$page lacks what --help lists:"; echo "$missing"; status=1; fi
  if [ -n "$extra" ]; then echo "$page lists what --help does not:"; echo "$extra"; status=1; fi
  [ $status -eq 0 ] && echo "$(basename "$page"): $(wc -l <<<"$in_help") options agree"
  return $status
}

self_test() {
  local dir; dir="$(mktemp -d)" || return 2
  trap 'rm -rf "$dir"' RETURN
  printf '#!/bin/sh\necho "usage: p [--year YEAR] FILE"\necho "  --print-pdf=OUT.pdf  print"\necho "  --help, --version"\n' > "$dir/p"
  chmod +x "$dir/p"
  printf '.TH P 1\n.TP\n\\fB\\-\\-year\\fR \\fIYEAR\\fR\n.TP\n\\fB\\-\\-print\\-pdf\\fR\n.B \\-\\-help\n.B \\-\\-version\n' > "$dir/good.1"
  printf '.TH P 1\n.TP\n\\fB\\-\\-year\\fR\n.B \\-\\-help\n.B \\-\\-version\n.B \\-\\-gone\n' > "$dir/bad.1"
  local out
  check "$dir/p" "$dir/good.1" >/dev/null || { echo "self-test: a matching page was refused"; return 1; }
  out="$(check "$dir/p" "$dir/bad.1")" && { echo "self-test: a stale page passed"; return 1; }
  grep -qx -- '--print-pdf' <<<"$out" && grep -qx -- '--gone' <<<"$out" \
    || { echo "self-test: wrong report:"; echo "$out"; return 1; }
  echo "self-test passed"
}

if [ "${1:-}" = "--self-test" ]; then self_test; else check "$@"; fi
