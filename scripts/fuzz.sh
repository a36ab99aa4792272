#!/usr/bin/env bash
# Builds the fuzz targets with clang (the core library instrumented and sanitized) and runs
# each for SECONDS (default 60) on a fresh corpus seeded from the bundled files. A crash, a
# sanitizer report or a broken round trip fails the script. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVENO_BUILD_FUZZ=ON \
  -DTARVENO_BUILD_GUI=OFF -DTARVENO_BUILD_TESTS=OFF -DTARVENO_BUILD_BENCH=OFF -DTARVENO_WERROR=ON >/dev/null

declare -A seeds=(
  [fuzz_krun]="data/examples/*.kru"
  [fuzz_card]="data/examples/*.mc"
  [fuzz_catalogue]="data/kruid.dat"
  [fuzz_meter]="data/*s.dat"
  [fuzz_view_settings]="fuzz/seeds/view_settings/*"
  [fuzz_header]="fuzz/seeds/header/*"
  [fuzz_simfile]="tests/fixtures/simfile-*/*.sm tests/fixtures/simfile-*/*.ssc tests/fixtures/convert-sm-*/*.sm"
)
targets=(fuzz_krun fuzz_card fuzz_catalogue fuzz_meter fuzz_view_settings fuzz_header fuzz_simfile)
cmake --build build-fuzz --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for t in "${targets[@]}"; do
  mkdir -p "$work/$t"
  # shellcheck disable=SC2086  # the patterns are meant to expand
  cp ${seeds[$t]} "$work/$t/"
  if ! (cd "$work" && "$OLDPWD/build-fuzz/bin/$t" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/$t-" "$work/$t" >"$work/$t.log" 2>&1); then
    tail -n 40 "$work/$t.log"
    echo "$t: FAILED" >&2
    exit 1
  fi
  edges=$(grep -Eo 'cov: [0-9]+' "$work/$t.log" | tail -n 1 | cut -d' ' -f2)
  runs=$(grep -Eo 'number_of_executed_units: [0-9]+' "$work/$t.log" | cut -d' ' -f2)
  echo "$t: ${edges:-?} edges, ${runs:-?} executions in ${seconds} s"
done
