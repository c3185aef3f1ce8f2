# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages, built by CPack from what `cmake --install` lays out (scripts/package):
# quillmere holds the executable, the skin engine in its library folder, the desktop file, icon,
# metainfo and manual page, under /usr; quillmere-preview the preview module over Qt WebEngine
# (where it is built), which the first recommends.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL quillmere)
set(CPACK_DEBIAN_QUILLMERE_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quillmere developers")
# The package format requires a maintainer; there is no address to give, so it is a name alone.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quillmere developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for hand-written HTML, ASP and CSS")
# The long description; CPack puts the summary in front and indents every line.
set(CPACK_PACKAGE_DESCRIPTION "Quillmere is a desktop editor for hand-written web-page source (HTML, classic
ASP, CSS) with Simplified Chinese captions. Instead of remembering syntax, the
user picks what to insert from the menus, a toolbar or keyword lists; richer
elements open a small dialog whose fields become one element at the caret.
A file whose bytes are valid UTF-8 and hold a character beyond ASCII, a
byte-order mark or a UTF-8 declaration is read and saved as UTF-8 (the mark
kept); every other file, new documents and templates are GB18030, a superset
of GB2312. A file opened and saved unchanged comes back byte for byte.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quillmere_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries the executable links are found by dpkg-shlibdeps; what it loads by name is listed:
# the CJK faces its captions need, Qt's Chinese translation of its own dialogs, and the SVG
# picture plugin that draws the toolbar and the icon.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_QUILLMERE_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n, libqt6svg6")
set(CPACK_DEBIAN_QUILLMERE_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/postrm)
set(CPACK_DEBIAN_QUILLMERE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")
if(TARGET quillmere_preview)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmere-preview
          COMPONENT preview)
  list(APPEND CPACK_COMPONENTS_ALL preview)
  set(CPACK_DEBIAN_QUILLMERE_PACKAGE_RECOMMENDS quillmere-preview)
  set(CPACK_DEBIAN_PREVIEW_PACKAGE_NAME quillmere-preview)
  set(CPACK_DEBIAN_PREVIEW_PACKAGE_SECTION editors)
  # The engine's helper process is started by path, so no library names its package.
  set(CPACK_DEBIAN_PREVIEW_PACKAGE_DEPENDS "quillmere (= ${PROJECT_VERSION}), libqt6webenginecore6-bin")
  set(CPACK_DEBIAN_PREVIEW_DESCRIPTION "preview of the page being edited in Quillmere
F12 in Quillmere opens a window showing the page rendered from the editor's
text as it is typed, with Qt WebEngine. Classic ASP blocks are shown as
placeholders and server-side includes are inlined; the page may load only
local files unless the window allows the network.")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmere)
# Packing installs what is built; it does not build the whole tree (tests included) first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
