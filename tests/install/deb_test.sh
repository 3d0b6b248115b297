#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks what it holds:
# the programs and their data under /usr, the menu entry, and dependencies
# found by dpkg-shlibdeps for the libraries the programs link.
# Usage: deb_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
out=$(mktemp -d /tmp/tessaro-deb-test.XXXXXX)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(ls "$out"/tessaro_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no tessaro_*.deb in $(ls "$out")"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-2.0-0 libstdc++6 libc6 fonts-dejavu-core; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/tessaro ./usr/bin/tessaro-cli ./usr/share/tessaro/GAMES.DAT ./usr/share/tessaro/VRA.RGF \
         ./usr/share/applications/io.github.tessaro.tessaro.desktop \
         ./usr/share/metainfo/io.github.tessaro.tessaro.metainfo.xml \
         ./usr/share/icons/hicolor/48x48/apps/io.github.tessaro.tessaro.png ./usr/share/man/man6/tessaro.6.gz; do
  grep -qx "$f" <<<"$files" || fail "$f is not in the package"
done
# Nothing of the build itself (tests, tools) goes into the package.
if grep -E 'tests_|rgf-generator|game-previews|make-games-dat' <<<"$files"; then fail "build tools in the package"; fi
echo "package $(basename "$deb"): Depends: $depends"
