#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in the sources: new texts are added as
# unfinished, texts no longer in the sources are dropped. Source locations are left out so that
# moving code does not rewrite the files. Then fill in what is unfinished (Qt Linguist or an
# editor) and commit.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for ts in translations/*.ts; do
  "$lupdate" -locations none -no-obsolete -source-language ja -silent src -ts "$ts"
done
