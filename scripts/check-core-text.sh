#!/usr/bin/env bash
# The core holds no text the user reads: it reports kinds and values, and src/words says them
# in the user's language. This fails on any string literal with non-ASCII characters under
# src/core (comments do not count), outside the files below, whose literals are the files'
# formats' own constants rather than words for the user.
set -euo pipefail
cd "$(dirname "$0")/.."

allowed=(
  # The sheet's default fonts: family names stored in view.dat as they are, in any language.
  src/core/sheet/view_settings.h
  # The memory card's edition titles and the card title's frame: bytes the console shows as they are.
  src/core/chart/card_edition.cpp
  src/core/chart/card_name.cpp
  # The ellipsis that cuts a long list of beat positions: a mark, the same in every language.
  src/core/chart/simfile_report.cpp
)

status=0
while IFS= read -r -d '' file; do
  for keep in "${allowed[@]}"; do
    [[ "$file" == "$keep" ]] && continue 2
  done
  # Comments are blanked (line breaks kept, so line numbers stay), then every literal holding a
  # byte above 0x7F is printed as file:line: literal.
  perl -0777 -ne '
    my $src = $_;
    $src =~ s{//[^\n]*|/\*.*?\*/|("(?:\\.|[^"\\\n])*"|'"'"'(?:\\.|[^'"'"'\\\n])*'"'"')}
             { defined $1 ? $1 : ($& =~ tr/\n//cdr) }gse;
    while ($src =~ m{"((?:\\.|[^"\\\n])*)"}g) {
      my ($text, $at) = ($1, $-[0]);
      next unless $text =~ /[\x80-\xFF]/;
      my $line = 1 + (substr($src, 0, $at) =~ tr/\n//);
      print "$ARGV:$line: \"$text\"\n";
      $found = 1;
    }
    END { exit($found ? 1 : 0) }
  ' "$file" || status=1
done < <(find src/core -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if ((status != 0)); then
  echo "check-core-text: the literals above are text for the user; give the core a kind and values" \
    "for them and say them in src/words (or add a file of a format's constants to the list here)." >&2
fi
exit "$status"
