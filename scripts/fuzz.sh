#!/usr/bin/env bash
# Builds the fuzz targets with clang (the core library instrumented and sanitized) and runs each
# on a fresh corpus seeded from the bundled files, for SECONDS (default 60) or for RUNS inputs.
# A crash, a sanitizer report or a broken round trip fails the script. Each target's line gives
# the inputs it ran and its rate.
# Usage: scripts/fuzz.sh [SECONDS]   or   scripts/fuzz.sh --runs RUNS
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--runs" ]; then
  limit=(-runs="${2:?--runs needs a count}")
else
  limit=(-max_total_time="${1:-60}")
fi
bash scripts/deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVENO_BUILD_FUZZ=ON \
  -DTARVENO_BUILD_GUI=OFF -DTARVENO_BUILD_TESTS=OFF -DTARVENO_BUILD_BENCH=OFF -DTARVENO_WERROR=ON >/dev/null

# The KRUN seeds are the short hand-made fixture files, which hold every kind of line between
# them: mutants of short files stay short, and the target runs thousands of them a second.
declare -A seeds=(
  [fuzz_krun]="tests/fixtures/krun-*/input.kru"
  [fuzz_card]="data/examples/*.mc"
  [fuzz_catalogue]="data/kruid.dat"
  [fuzz_meter]="data/*s.dat"
  [fuzz_view_settings]="fuzz/seeds/view_settings/*"
  [fuzz_header]="fuzz/seeds/header/*"
  [fuzz_simfile]="tests/fixtures/simfile-*/*.sm tests/fixtures/simfile-*/*.ssc tests/fixtures/convert-sm-*/*.sm"
  [fuzz_wav]="fuzz/seeds/wav/* tests/fixtures/ticks-music-*/*.wav"
)
targets=(fuzz_krun fuzz_card fuzz_catalogue fuzz_meter fuzz_view_settings fuzz_header fuzz_simfile fuzz_wav)
cmake --build build-fuzz --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for t in "${targets[@]}"; do
  mkdir -p "$work/$t"
  # shellcheck disable=SC2086  # the patterns are meant to expand
  for seed in ${seeds[$t]}; do cp "$seed" "$work/$t/$(echo "$seed" | tr / _)"; done
  start=$(date +%s%N)
  if ! (cd "$work" && "$OLDPWD/build-fuzz/bin/$t" "${limit[@]}" -print_final_stats=1 \
        -artifact_prefix="$work/$t-" "$work/$t" >"$work/$t.log" 2>&1); then
    tail -n 40 "$work/$t.log"
    echo "$t: FAILED" >&2
    exit 1
  fi
  edges=$(awk '{ for (i = 1; i < NF; ++i) if ($i == "cov:") n = $(i + 1) } END { print n }' "$work/$t.log")
  runs=$(awk '$1 == "stat::number_of_executed_units:" { print $2 }' "$work/$t.log")
  elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
  rate=$(( ${runs:-0} * 1000 / (elapsed_ms > 0 ? elapsed_ms : 1) ))
  echo "$t: ${edges:-?} edges, ${runs:-?} inputs in ${elapsed_ms} ms, ${rate} inputs/s"
done
