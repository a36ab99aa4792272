#!/usr/bin/env bash
# Builds and runs every test: the formatting check, a development build (warnings are errors),
# the GUI suite once more under a decimal-comma locale, the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, the Release build as an installed Debian package, and a short run
# of every fuzz target. GUI tests run on Qt's offscreen platform.
# The PDF tests read pages with poppler; ImageMagick is the PNG tests' second, independent decoder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh libgtest-dev libgmock-dev googletest libbenchmark-dev help2man dpkg-dev \
  locales clang libclang-rt-14-dev clang-format poppler-utils imagemagick
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# Every C++ file follows .clang-format. A tree exported without git is checked file by file.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h'
else
  find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 clang-format --dry-run --Werror

# Every text of the sources has its translation, with its arguments and its access key.
python3 scripts/check-translations.py

cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

# The toolkit sets the C library locale from the environment; numbers typed into the dialogs
# must read the same under a locale whose decimal mark is a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
LC_ALL=de_DE.UTF-8 build/bin/tarveno_gui_tests --gtest_brief=1
LC_ALL=de_DE.UTF-8 build/bin/tarveno_core_tests --gtest_brief=1 --gtest_filter='LeadingNumber.*'

cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
# The sanitizer options are the asan test preset's. intercept_tls_get_addr=0: the compiler's
# sanitizer misjudges the size of the thread-local block that a library loaded later gets
# (libjpeg, under Qt's JPEG plugin) and crashes while it looks for leaks; the program keeps no
# thread-local data of its own. No leak suppressions: none of the system libraries leaks in
# these runs, so every report counts.
ctest --preset asan -j "$jobs"

# The Release build, packaged, installed into a scratch root and started from there.
bash scripts/package-test.sh

bash scripts/fuzz.sh 20
