#!/usr/bin/env bash
# Builds the editor and starts it on the bundled song catalogue, with an optional chart file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tarveno tarveno-cli
args=()
for a in "$@"; do args+=("$(realpath "$a")"); done
exec build/bin/tarveno "${args[@]}"
