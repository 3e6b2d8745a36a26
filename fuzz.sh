#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the parser fuzz targets (clang, libFuzzer, ASan, UBSan).
#   ./fuzz.sh --list            build what is missing, print the target names
#   ./fuzz.sh T S [options]     run target T for S seconds (more libFuzzer options may follow);
#                               exit 0 when nothing was found, else non-zero and the input's path
set -uo pipefail
source "$(dirname "$0")/cmake/setup.sh"
BUILD="$ROOT/build/fuzz"
FUZZ="$ROOT/fuzz"

build() {
  install_packages >&2
  mkdir -p "$BUILD"
  # Two runs may start together; one builds, the other waits for it.
  exec 9>"$BUILD/.lock"
  flock 9
  if [ ! -f "$BUILD/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$FUZZ" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || return 1
  fi
  cmake --build "$BUILD" -j2 -- -k 0 >"$BUILD/build.log" 2>&1 || { tail -40 "$BUILD/build.log" >&2; exec 9>&-; return 1; }
  exec 9>&-
}

targets() { for f in "$FUZZ"/targets/*.cpp; do basename "$f" .cpp; done; }

usage() { echo "usage: $0 --list | TARGET SECONDS [libFuzzer options]" >&2; exit 2; }

[ $# -ge 1 ] || usage
if [ "$1" = "--list" ]; then
  build || exit 1
  targets
  exit 0
fi
[ $# -ge 2 ] || usage
T="$1"; S="$2"; shift 2
[[ "$S" =~ ^[0-9]+$ ]] || usage
[ -f "$FUZZ/targets/$T.cpp" ] || { echo "no fuzz target '$T' (see $0 --list)" >&2; exit 2; }
build || exit 1

# Working corpus in the build folder, seeded from fuzz/seeds/T (and the shared GEDCOM files).
CORPUS="$BUILD/corpus/$T"
ART="$BUILD/artifacts/$T"
mkdir -p "$CORPUS" "$ART"
SEEDS=()
[ -d "$FUZZ/seeds/$T" ] && SEEDS+=("$FUZZ/seeds/$T")
case "$T" in
  gedcom*) [ -d "$ROOT/../shared/testdata/gedcom" ] && SEEDS+=("$ROOT/../shared/testdata/gedcom") ;;
esac
OPTS=(-max_total_time="$S" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=512 -print_final_stats=1
      -artifact_prefix="$ART/")
# Dictionaries: fuzz/dict/T.dict, or the one for the target's family (gedcom_*, daylight_*).
for d in "$FUZZ/dict/$T.dict" "$FUZZ/dict/${T%%_*}.dict"; do
  if [ -f "$d" ]; then OPTS+=(-dict="$d"); break; fi
done
case "$T" in
  readonly_*) OPTS+=(-max_len=10000) ;;  # crosses the reader's 4096-byte blocks
  gedcom_import|vcard_reader) OPTS+=(-max_len=8192) ;;
  timezones_file) OPTS+=(-max_len=4096) ;;
esac

LOG="$BUILD/logs/$T.log"
mkdir -p "$(dirname "$LOG")"
"$BUILD/bin/$T" "${OPTS[@]}" "$@" "$CORPUS" "${SEEDS[@]}" >"$LOG" 2>&1
rc=$?
grep -E '^(stat::number_of_executed_units|Done [0-9]+ runs)' "$LOG" | tail -2
if [ $rc -ne 0 ]; then
  input="$(grep -oE '(Test unit|artifact) written to [^ ]+' "$LOG" | tail -1 | awk '{print $NF}')"
  grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error|.*check failed)' "$LOG" | head -5 >&2
  echo "finding in $T (log: $LOG)" >&2
  echo "${input:-$LOG}"
  exit 1
fi
exit 0
