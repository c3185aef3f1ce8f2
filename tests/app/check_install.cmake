# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks that the installation is complete.
# Called with -DBUILD_DIR=… -DPREFIX=…
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path bin/quillmere share/applications/quillmere.desktop share/icons/hicolor/scalable/apps/quillmere.svg
             share/metainfo/io.github.quillmere.Quillmere.metainfo.xml share/man/man1/quillmere.1.gz)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "missing after installation: ${path}")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/quillmere.desktop" exec REGEX "^Exec=")
file(STRINGS "${PREFIX}/share/applications/quillmere.desktop" icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=quillmere %F" OR NOT icon STREQUAL "Icon=quillmere")
  message(FATAL_ERROR "the desktop file does not start the installed program: ${exec} ${icon}")
endif()
# The skin engine in its library folder, where the executable's run path finds it.
file(GLOB_RECURSE engines RELATIVE "${PREFIX}" "${PREFIX}/lib*/SkinH_EL.dll")
if(NOT engines MATCHES "^lib[^;]*/quillmere/SkinH_EL.dll$")
  message(FATAL_ERROR "the skin engine is not in its library folder: ${engines}")
endif()
# The preview module beside it, where it is built.
if(EXISTS "${BUILD_DIR}/app/quillmere-preview.so")
  file(GLOB_RECURSE modules RELATIVE "${PREFIX}" "${PREFIX}/lib*/quillmere-preview.so")
  if(NOT modules MATCHES "^lib[^;]*/quillmere/quillmere-preview.so$")
    message(FATAL_ERROR "the preview module is not in the library folder: ${modules}")
  endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
