# SPDX-License-Identifier: GPL-3.0-or-later
# Defines QScintilla::QScintilla from the patched copy in third_party/qscintilla
# (QUILLMERE_QSCINTILLA=bundled) or from the system's package (=system).
#
# The bundled library is configured and built here, while this project is configured, into one
# directory per checkout (QUILLMERE_QSCINTILLA_DIR) that every build tree shares: the plain,
# sanitizer, fuzz and benchmark trees all link the same optimised, uninstrumented library, built
# once. Changing a patch configures this project again, which builds the library again.
set(QUILLMERE_QSCINTILLA bundled CACHE STRING "QScintilla to use: bundled (patched, third_party/) or system")
set_property(CACHE QUILLMERE_QSCINTILLA PROPERTY STRINGS bundled system)

if(QUILLMERE_QSCINTILLA STREQUAL "system")
  find_path(QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h PATH_SUFFIXES qt6 x86_64-linux-gnu/qt6 aarch64-linux-gnu/qt6 REQUIRED)
  find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt6 REQUIRED)
  add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
  set_target_properties(QScintilla::QScintilla PROPERTIES
    IMPORTED_LOCATION "${QSCINTILLA_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QSCINTILLA_INCLUDE_DIR}")
  return()
elseif(NOT QUILLMERE_QSCINTILLA STREQUAL "bundled")
  message(FATAL_ERROR "QUILLMERE_QSCINTILLA must be bundled or system, not ${QUILLMERE_QSCINTILLA}")
endif()

set(QUILLMERE_QSCINTILLA_DIR "${CMAKE_SOURCE_DIR}/build-qscintilla" CACHE PATH
  "Where the bundled QScintilla is built; shared by the build trees of this checkout")
set(qsci_source "${CMAKE_SOURCE_DIR}/third_party/qscintilla")
file(GLOB qsci_inputs CONFIGURE_DEPENDS "${qsci_source}/patches/*.patch")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qsci_inputs} "${qsci_source}/CMakeLists.txt")

cmake_host_system_information(RESULT qsci_jobs QUERY NUMBER_OF_LOGICAL_CORES)
if(DEFINED ENV{CMAKE_BUILD_PARALLEL_LEVEL})
  set(qsci_jobs $ENV{CMAKE_BUILD_PARALLEL_LEVEL})
endif()
# Two trees configured at once must not build it twice over each other.
file(MAKE_DIRECTORY "${QUILLMERE_QSCINTILLA_DIR}")
file(LOCK "${QUILLMERE_QSCINTILLA_DIR}" DIRECTORY GUARD FILE TIMEOUT 3600)
message(STATUS "Building the bundled QScintilla in ${QUILLMERE_QSCINTILLA_DIR}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -S "${qsci_source}" -B "${QUILLMERE_QSCINTILLA_DIR}" -G Ninja -DCMAKE_BUILD_TYPE=Release
  RESULT_VARIABLE rc)
if(rc EQUAL 0)
  execute_process(COMMAND "${CMAKE_COMMAND}" --build "${QUILLMERE_QSCINTILLA_DIR}" --parallel ${qsci_jobs} RESULT_VARIABLE rc)
endif()
file(LOCK "${QUILLMERE_QSCINTILLA_DIR}" DIRECTORY RELEASE)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "The bundled QScintilla did not build (see above); -DQUILLMERE_QSCINTILLA=system uses the system's")
endif()

find_package(Qt6 6.4 REQUIRED COMPONENTS PrintSupport)
add_library(QScintilla::QScintilla STATIC IMPORTED)
set_target_properties(QScintilla::QScintilla PROPERTIES
  IMPORTED_LOCATION "${QUILLMERE_QSCINTILLA_DIR}/libqscintilla2_quillmere.a"
  INTERFACE_INCLUDE_DIRECTORIES "${QUILLMERE_QSCINTILLA_DIR}/patched/src"
  INTERFACE_LINK_LIBRARIES "Qt6::Widgets;Qt6::PrintSupport")
