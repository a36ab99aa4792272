#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root (the system is left alone) and checks
# that the installed tree works: files in place, desktop entry and AppStream data valid, the batch
# tool and the editor running from the installed paths. Needs root on Debian 12 only to install
# missing build tools and the package's runtime dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-release
app_id=org.tarveno.Tarveno

bash scripts/deps.sh desktop-file-utils appstream help2man dpkg-dev shared-mime-info

# The release preset, with warnings as errors: no optimisation level may break the build.
cmake --preset release -DTARVENO_WERROR=ON >/dev/null
cmake --build --preset release -j "$(nproc)"
rm -f "$build"/tarveno_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/tarveno_*.deb)
deb=${debs[0]}
echo "package: $deb"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# ---- package metadata ----
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic \
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p"
done
# Every dependency must be installable here; the runtime ones are also needed below to start the
# programs from the scratch root.
mapfile -t dep_names < <(tr ',' '\n' <<<"$depends" | sed 's/(.*)//; s/|.*//; s/ //g' | grep -v '^$')
bash scripts/deps.sh "${dep_names[@]}"
apt-get install --simulate "./$deb" >/dev/null || fail "apt cannot resolve the package's dependencies"

# ---- unpack and look at the tree ----
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
expected=(
  bin/tarveno bin/tarveno-cli
  share/tarveno/kruid.dat share/tarveno/examples/single.kru share/tarveno/examples/single.mc
  "share/applications/$app_id.desktop" "share/mime/packages/$app_id.xml" "share/metainfo/$app_id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$app_id.svg" share/man/man1/tarveno-cli.1 share/doc/tarveno/copyright
)
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png"); done
for f in "${expected[@]}"; do
  [ -s "$usr/$f" ] || fail "missing or empty: /usr/$f"
done
for f in bin/tarveno bin/tarveno-cli; do [ -x "$usr/$f" ] || fail "not executable: /usr/$f"; done
# the meter files travel with the catalogue
ls "$usr"/share/tarveno/*s.dat >/dev/null 2>&1 || fail "no meter files in /usr/share/tarveno"

# ---- validators ----
desktop-file-validate "$usr/share/applications/$app_id.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo does not validate"
grep -q "<release version=\"$(dpkg-deb --field "$deb" Version)\"" "$usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo release is not the package's version"
[ "$(dpkg-deb --field "$deb" Section)" = utils ] || fail "the package's section does not match the desktop category"
# The MIME package must compile into a database next to the standard types and name both globs.
mimedir=$scratch/share/mime
mkdir -p "$mimedir/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$usr/share/mime/packages/$app_id.xml" "$mimedir/packages/"
if XDG_DATA_DIRS=$scratch/share update-mime-database "$mimedir" 2>"$scratch/mime.err" && [ ! -s "$scratch/mime.err" ]; then
  grep -q '^50:application/x-tarveno-krun:\*\.kru$' "$mimedir/globs2" || fail "MIME database lacks *.kru"
  grep -q '^50:application/x-tarveno-memorycard:\*\.mc$' "$mimedir/globs2" || fail "MIME database lacks *.mc"
else
  cat "$scratch/mime.err" >&2
  fail "MIME package does not compile"
fi

# ---- the batch tool from the installed path ----
version=$("$usr/bin/tarveno-cli" --version) || fail "tarveno-cli --version exits with an error"
echo "installed: $version"
grep -q "${version##* }" "$usr/share/man/man1/tarveno-cli.1" || fail "man page was not generated from this tarveno-cli"
# The installed catalogue is found from bin/ through share/tarveno.
if dump=$("$usr/bin/tarveno-cli" dump "$usr/share/tarveno/examples/single.kru" 2>"$scratch/dump.err") &&
  [ "${dump:0:1}" = "{" ] && [ ! -s "$scratch/dump.err" ]; then
  echo "tarveno-cli dump: ok"
else
  cat "$scratch/dump.err" >&2
  fail "tarveno-cli dump of the installed example"
fi

# ---- the editor from the installed path ----
# Private home, config and runtime folders, so nothing is written into the caller's own.
mkdir -p "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
status=0
(cd "$scratch" && HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_RUNTIME_DIR=$scratch/runtime \
  QT_QPA_PLATFORM=offscreen timeout 5 "$usr/bin/tarveno" "$usr/share/tarveno/examples/double.mc" \
  >"$scratch/editor.out" 2>"$scratch/editor.err") || status=$?
[ "$status" = 124 ] || fail "the editor did not keep running for 5 seconds (exit status $status)"
# Qt's offscreen platform says it cannot size windows to their hints; everything else on stderr
# (missing plugins, fonts or translations, Qt warnings, sanitizer reports) counts.
if grep -v 'This plugin does not support propagateSizeHints()' "$scratch/editor.err" >"$scratch/editor.alarm"; then
  sed 's/^/  /' "$scratch/editor.alarm" >&2
  fail "the editor printed unexpected messages on stderr"
fi

if [ "$failures" -gt 0 ]; then
  echo "package test: $failures failure(s)" >&2
  exit 1
fi
echo "package test: ok ($deb)"
