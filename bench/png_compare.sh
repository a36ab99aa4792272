#!/usr/bin/env bash
# The sheet's render and PNG figures beside two common PNG writers on the same picture, in one
# run: the bench program's render and export times (and file sizes) for the three PNG options,
# then ImageMagick's `convert sheet.bmp sheet.png` and `optipng -o2` on the bitmap the bench
# wrote of its sheet. The machine should be quiet; each anchor is timed as the best of three.
# Then the whole process: `tarveno-cli render` of the bench's chart to PNG option 0 beside
# ImageMagick converting the same picture from BMP to PNG.
# Usage: bench/png_compare.sh [build folder, default build] (configured with TARVENO_BUILD_BENCH=ON)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/scripts/deps.sh" imagemagick optipng libbenchmark-dev >/dev/null
cmake --build "$build" --target tarveno_bench tarveno-cli >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

TARVENO_BENCH_SHEET_BMP=$work/sheet.bmp TARVENO_BENCH_SHEET_DIR=$work QT_QPA_PLATFORM=offscreen "$build/bin/tarveno_bench" \
  --benchmark_filter='RenderSheet|FillSheetSizedImage|ExportSheetPng' --benchmark_repetitions=5 --benchmark_min_time=1 \
  --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '_(median)|^-|Benchmark'

# Best of three wall times of a command writing the file $1, in milliseconds. The file is
# removed before each run (optipng skips a picture whose output already exists).
best_ms() {
  local out=$1 best=""
  shift
  for _ in 1 2 3; do
    local start end
    rm -f "$out"
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    local ms=$(((end - start) / 1000000))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}

echo
echo "Anchors on the same $(identify -format '%wx%h' "$work/sheet.bmp") picture:"
ms=$(best_ms "$work/magick.png" convert "$work/sheet.bmp" "$work/magick.png")
printf '%-36s %8s ms %10s bytes\n' "ImageMagick convert sheet.bmp" "$ms" "$(stat -c %s "$work/magick.png")"
ms=$(best_ms "$work/optipng.png" optipng -o2 -quiet -out "$work/optipng.png" "$work/sheet.bmp")
printf '%-36s %8s ms %10s bytes\n' "optipng -o2" "$ms" "$(stat -c %s "$work/optipng.png")"

# The whole process, from reading the chart to the written file. The CLI's own bitmap of the
# chart is the picture ImageMagick converts, so both write the same pixels.
cli() { QT_QPA_PLATFORM=offscreen "$build/bin/tarveno-cli" --catalogue "$work/kruid.dat" render "$work/dense.kru" "$@" \
  --song 1 --view-settings "$work/view.dat"; }
cli "$work/cli.bmp"
echo
echo "Whole process on the $(identify -format '%wx%h' "$work/cli.bmp") sheet of the same chart:"
ms=$(best_ms "$work/cli.png" cli "$work/cli.png" --png-option 0)
printf '%-36s %8s ms %10s bytes\n' "tarveno-cli render --png-option 0" "$ms" "$(stat -c %s "$work/cli.png")"
ms=$(best_ms "$work/cli-magick.png" convert "$work/cli.bmp" "$work/cli-magick.png")
printf '%-36s %8s ms %10s bytes\n' "ImageMagick convert cli.bmp" "$ms" "$(stat -c %s "$work/cli-magick.png")"
