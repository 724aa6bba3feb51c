#!/usr/bin/env bash
# Builds the Debian package build-test/luminak-shogi_<version>_<arch>.deb and checks it: its
# desktop entry and AppStream metainfo validate, and the game unpacked from it (dpkg -x) starts
# from another folder on the offscreen platform, finding its pictures, sounds and sound library.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir=build-test
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j"$(nproc)" --target luminak-shogi luminak_sound qt_tests
rm -f "$dir"/luminak-shogi_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(echo "$dir"/luminak-shogi_*.deb)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/luminak-shogi.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
LUMINAK_INSTALLED_GAME="$root/usr/games/luminak-shogi" QT_QPA_PLATFORM=offscreen \
  "$dir/tests/qt_tests" --gtest_filter='InstalledGame.*'
dpkg-deb --field "$deb" Package Version Depends
echo "package: $deb"
