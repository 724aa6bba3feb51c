#!/usr/bin/env bash
# Builds the Debian package build-test/luminak-shogi_<version>_<arch>.deb and checks it: lintian
# finds no error and no warning (its info and pedantic notes are shown, not failed on), its
# desktop entry and AppStream metainfo validate, the entry starts the game in /usr/games, and the
# game unpacked from it (dpkg -x) starts from another folder on the offscreen platform, finding
# its pictures, sounds and sound library.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir=build-test
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMINAK_WERROR=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target luminak-shogi luminak_sound qt_tests
rm -f "$dir"/luminak-shogi_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(echo "$dir"/luminak-shogi_*.deb)

lintian --fail-on error,warning --display-info --pedantic --show-overrides "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
entry="$root"/usr/share/applications/luminak-shogi.desktop
desktop-file-validate "$entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
game=/usr/games/luminak-shogi
if ! grep -qx "Exec=$game" "$entry" || [[ ! -x "$root$game" ]]; then
  echo "package.sh: the menu entry does not start $game" >&2
  exit 1
fi
LUMINAK_INSTALLED_GAME="$root$game" QT_QPA_PLATFORM=offscreen \
  "$dir/tests/qt_tests" --gtest_filter='InstalledGame.*'
dpkg-deb --field "$deb" Package Version Depends
echo "package: $deb"
