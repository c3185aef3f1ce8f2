# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks that the installation is complete.
# Called with -DBUILD_DIR=… -DPREFIX=…
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path bin/quillmere share/applications/quillmere.desktop share/icons/hicolor/scalable/apps/quillmere.svg)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "missing after installation: ${path}")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/quillmere.desktop" exec REGEX "^Exec=")
file(STRINGS "${PREFIX}/share/applications/quillmere.desktop" icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=quillmere" OR NOT icon STREQUAL "Icon=quillmere")
  message(FATAL_ERROR "the desktop file does not start the installed program: ${exec} ${icon}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
