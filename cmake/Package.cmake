# `cpack` in the build folder makes the Debian package luminak-shogi_<version>_<arch>.deb: the
# install under /usr (the game in /usr/games), stripped, with its copyright, changelog and manual
# page. A native package: the version has no Debian revision.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME luminak-shogi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Shogi with a seal spell, against the computer or a friend")
# Each line of the description as it stands in the package, within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
  "Vexa ルミナーク将棋 is a desktop shogi game: Japanese chess on a 9 x 9
board, with drops and promotion, against the computer at three strengths or
for two people at one screen. Before moving, a player may cast a seal spell
on one opposing piece, which then can neither move, nor be dropped, nor exert
any influence until the caster's opponent has moved.")
set(CPACK_PACKAGE_CONTACT "Vexa ルミナーク将棋 team <luminak-shogi@vexa.jp>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# What the game and its sound library link, as dpkg-shlibdeps finds it on Debian 12 (CPack's own
# run of it cannot read the sound library's Japanese file name), then Qt's window system plugins
# and the font the kanji are drawn with.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.34)" "libgcc-s1 (>= 3.0)" "libstdc++6 (>= 11)"
  "libqt6core6 (>= 6.4.0)" "libqt6gui6 (>= 6.1.2)" "libqt6widgets6 (>= 6.3.0)"
  "libqt6charts6 (>= 6.4.0)"
  "libsdl2-2.0-0 (>= 2.0.12)" qt6-qpa-plugins fonts-noto-cjk)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
