#!/usr/bin/env bash
# Installs the Debian packages that building the editor needs, plus any named on the command
# line (the test, fuzz and packaging scripts name theirs), only those that are missing.
set -euo pipefail
# The music of a song is decoded by the multimedia plugins (OGG, MP3, FLAC).
# PNG export compresses with libdeflate; aubio finds onsets in music, SoundTouch slows it down.
# The translations are built with Qt's linguist tools.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-translations-l10n fonts-ipafont-gothic
          libdeflate-dev qt6-tools-dev qt6-l10n-tools libaubio-dev libsoundtouch-dev
          gstreamer1.0-plugins-base gstreamer1.0-plugins-good "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
