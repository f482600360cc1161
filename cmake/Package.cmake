# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by CPack from the install rules of cmake/Install.cmake (scripts/package.sh):
#   cpack --config build/CPackConfig.cmake
# dpkg-shlibdeps finds the shared libraries the programs link (the Qt 6 runtime, the C++ runtime);
# what they load at run time without linking it is named here: the Qt platform plugins that open a
# window and the CJK font every Chinese caption needs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qelec)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The QelEC developers")
set(CPACK_PACKAGE_CONTACT "The QelEC developers <developers@qelec.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration program for QelEC analogue gaming keyboards")
# The long description as it shows in a terminal of 80 columns: CPack keeps the line breaks.
set(CPACK_PACKAGE_DESCRIPTION
    "QelEC configures the QelEC gaming keyboards, whose analogue switches measure
how far each key travels: it remaps the 85 keys over three programs of three
layers each, records macros, sets per-key backlight colours, press and release
travel and the rapid-trigger threshold, watches a key's travel live, reads
press counters, updates firmware, and saves and loads whole profiles. Every
text exists in Simplified Chinese and English.

The package also holds qelec-ctl, which scripts the keyboard from the command
line, and qelec-vkbd, which creates and drives a virtual keyboard that stands
in for the hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://qelec.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk")
# The help button opens the help document with the desktop's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
