#!/usr/bin/env bash
# Regenerates the bundled example charts with the batch tool itself, so every example is
# exactly what the program writes: each .kru is rewritten through the KRUN writer, and the
# memory-card saves are made from them. Usage: scripts/make-examples.sh [path/to/tarveno-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/bin/tarveno-cli}
if [ ! -x "$cli" ]; then
  echo "tarveno-cli not found at $cli; build it first (cmake --build build --target tarveno-cli)" >&2
  exit 1
fi
catalogue=data/kruid.dat
examples=data/examples
# A fixed date keeps the "#date" lines, and with them the files, the same on every run.
export SOURCE_DATE_EPOCH=1714521600  # 2024-05-01

for name in single couple double; do
  "$cli" --catalogue "$catalogue" convert "$examples/$name.kru" "$examples/$name.kru"
done

# song code 1 is the first song of the catalogue, the one the example charts were made for
"$cli" --catalogue "$catalogue" convert "$examples/single.kru" "$examples/single.mc" --song 1 --edit-name TIDE1 \
  --difficulty 21   # basic, foot level 5
"$cli" --catalogue "$catalogue" convert "$examples/couple.kru" "$examples/couple.mc" --song 1 --edit-name TIDEDUO \
  --difficulty 39   # another, foot level 7
"$cli" --catalogue "$catalogue" convert "$examples/double.kru" "$examples/double.mc" --song 1 --edit-name TIDEDBL \
  --difficulty 57   # maniac, foot level 9
echo "examples written to $examples"
