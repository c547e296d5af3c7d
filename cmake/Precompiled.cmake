# Precompiled headers. Most files include the same Qt, standard library and GoogleTest headers, and
# parsing them again for every file was most of the build's time. Three headers are precompiled once each,
# in a small target of their own, and every target of that kind reuses it:
#   core     QtCore and the standard library     targets that do not see QtWidgets (the driver, the logic)
#   widgets  core and QtWidgets                  targets that see QtWidgets
#   tests    widgets and GoogleTest              targets that see both (every test program)
# A target's kind follows from what it links, so a new library or test gets its header without a line here.
# GCC uses a precompiled header only where every macro defined when it was made is defined alike, so the
# header's own target links no more than its kind needs (QtPrintSupport's macro would shut out a window that
# does not print); the compile options are the same everywhere. CMake adds -Winvalid-pch, so under -Werror a
# header that could not be used stops the build instead of quietly costing its time again.
option(TARVIK_PCH "Precompile the headers most files include" ON)

if(TARVIK_PCH)
  # ccache keeps working with precompiled headers when told that a header's own macros and time stamps do
  # not change what it compiles to (the header is compiled again on every fresh build). Hits then survive
  # a clean build as before.
  if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache$")
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime ${CMAKE_CXX_COMPILER_LAUNCHER})
  endif()
endif()

set(TARVIK_PCH_CORE
  <algorithm> <array> <functional> <memory> <optional> <vector>
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QLocale> <QObject>
  <QSet> <QString> <QStringList>)
set(TARVIK_PCH_WIDGETS ${TARVIK_PCH_CORE}
  <QApplication> <QComboBox> <QDialog> <QLabel> <QLineEdit> <QPushButton> <QTabWidget> <QVBoxLayout> <QWidget>)
set(TARVIK_PCH_TESTS ${TARVIK_PCH_WIDGETS} <QTemporaryDir> <gtest/gtest.h>)

# Sets <out> to the targets <target> links and whose usage it sees (its own links, then the public ones of
# those, down the tree).
function(_tarvik_seen_targets target out)
  set(seen "")
  get_target_property(pending ${target} LINK_LIBRARIES)
  while(pending)
    list(POP_FRONT pending item)
    if(item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    # GoogleTest's targets are imported in tests/ alone: out of sight here, they count by their name.
    if(NOT TARGET "${item}")
      continue()
    endif()
    get_target_property(aliased ${item} ALIASED_TARGET)
    if(aliased)
      list(APPEND seen ${aliased})
      set(item ${aliased})
    endif()
    get_target_property(more ${item} INTERFACE_LINK_LIBRARIES)
    if(more)
      list(APPEND pending ${more})
    endif()
  endwhile()
  set(${out} "${seen}" PARENT_SCOPE)
endfunction()

function(_tarvik_pch_kind target out)
  _tarvik_seen_targets(${target} seen)
  set(kind "")
  if(Qt6::Core IN_LIST seen)
    set(kind core)
  endif()
  if(Qt6::Widgets IN_LIST seen)
    set(kind widgets)
    if(GTest::gtest IN_LIST seen)
      set(kind tests)
    endif()
  endif()
  set(${out} "${kind}" PARENT_SCOPE)
endfunction()

function(_tarvik_targets_below directory out)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory ${subdirectories})
    _tarvik_targets_below(${subdirectory} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} "${targets}" PARENT_SCOPE)
endfunction()

# Sets <out> to the target whose precompiled header the targets of <kind> reuse, made on first use.
function(_tarvik_pch_target kind out)
  set(target tarvik_pch_${kind})
  if(NOT TARGET ${target})
    set(source ${CMAKE_BINARY_DIR}/${target}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// Compiled only for its precompiled header.\n")
    add_library(${target} OBJECT ${source})
    set_target_properties(${target} PROPERTIES AUTOMOC OFF)
    if(kind STREQUAL "core")
      target_link_libraries(${target} PRIVATE Qt6::Core)
    else()
      target_link_libraries(${target} PRIVATE Qt6::Widgets)
    endif()
    if(kind STREQUAL "tests")
      find_package(GTest REQUIRED)
      target_link_libraries(${target} PRIVATE GTest::gtest)
    endif()
    string(TOUPPER ${kind} upper)
    target_precompile_headers(${target} PRIVATE ${TARVIK_PCH_${upper}})
  endif()
  set(${out} ${target} PARENT_SCOPE)
endfunction()

# Called once every target is defined.
function(tarvik_precompile_headers)
  if(NOT TARVIK_PCH)
    return()
  endif()
  _tarvik_targets_below(${CMAKE_SOURCE_DIR} targets)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    _tarvik_pch_kind(${target} kind)
    if(kind)
      _tarvik_pch_target(${kind} pch)
      target_precompile_headers(${target} REUSE_FROM ${pch})
    endif()
  endforeach()
endfunction()
