# SPDX-License-Identifier: GPL-3.0-or-later
# Defines QScintilla::QScintilla from the patched copy in third_party/qscintilla
# (QUILLMERE_QSCINTILLA=bundled) or from the system's package (=system).
#
# The bundled library is configured and built here, while this project is configured, into a
# folder of this build tree (QUILLMERE_QSCINTILLA_DIR), with this tree's compiler and
# instrumentation: the plain and benchmark trees link it optimised and uninstrumented, the
# sanitizer tree with the address and undefined-behaviour checks, the fuzz tree with those and
# libFuzzer's coverage feedback. Changing the series or a patch configures this project again,
# which builds the library again (only the files the change touches).
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

set(QUILLMERE_QSCINTILLA_DIR "${CMAKE_BINARY_DIR}/qscintilla" CACHE PATH "Where the bundled QScintilla is built")
set(qsci_source "${CMAKE_SOURCE_DIR}/third_party/qscintilla")
file(STRINGS "${qsci_source}/patches/series" qsci_series REGEX "^[^#]")
list(TRANSFORM qsci_series STRIP)
list(TRANSFORM qsci_series PREPEND "${qsci_source}/patches/")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  "${qsci_source}/patches/series" ${qsci_series} "${qsci_source}/CMakeLists.txt")

# The instrumentation of this tree (see the root CMakeLists.txt), optimised all the same: the
# component's long-line code is what the sanitizer tree's tests spend their time in.
set(qsci_flags "")
if(QUILLMERE_SANITIZERS)
  string(APPEND qsci_flags " -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g1"
                           " -D_GLIBCXX_ASSERTIONS")
endif()
if(QUILLMERE_BUILD_FUZZERS)
  string(APPEND qsci_flags " -fsanitize=fuzzer-no-link")
endif()
cmake_host_system_information(RESULT qsci_jobs QUERY NUMBER_OF_LOGICAL_CORES)
if(DEFINED ENV{CMAKE_BUILD_PARALLEL_LEVEL})
  set(qsci_jobs $ENV{CMAKE_BUILD_PARALLEL_LEVEL})
endif()
# A tree configured twice at once must not build it twice over itself.
file(MAKE_DIRECTORY "${QUILLMERE_QSCINTILLA_DIR}")
file(LOCK "${QUILLMERE_QSCINTILLA_DIR}" DIRECTORY GUARD FILE TIMEOUT 3600)
message(STATUS "Building the bundled QScintilla in ${QUILLMERE_QSCINTILLA_DIR}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -S "${qsci_source}" -B "${QUILLMERE_QSCINTILLA_DIR}" -G Ninja -DCMAKE_BUILD_TYPE=Release
          "-DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}" "-DCMAKE_CXX_FLAGS=${qsci_flags}"
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
