# Warnings are errors for our own targets; Qt and other third-party headers come
# in as SYSTEM includes through their imported targets.
function(zn_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
endfunction()

# One library per layer; sources are picked up from the layer's folder.
function(zn_layer name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  zn_warnings(${name})
endfunction()

# Qt's headers, which nearly every file includes, compiled once per target
# instead of once per file: a fresh build, as in CI, takes about half the time.
# Off by default under ccache, which cannot reuse a precompiled header's
# objects without extra settings.
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  set(_zn_pch_default OFF)
else()
  set(_zn_pch_default ON)
endif()
option(ZN_PCH "Precompile Qt's common headers" ${_zn_pch_default})
# zn_precompiled_qt(target [WIDGETS] [GTEST]): QtCore's common headers, with
# WIDGETS also QtWidgets' (only for targets that link it), with GTEST also
# GoogleTest's.
function(zn_precompiled_qt name)
  if(NOT ZN_PCH)
    return()
  endif()
  cmake_parse_arguments(arg "WIDGETS;GTEST" "" "" ${ARGN})
  set(_headers <QString> <QStringList> <QList> <QObject> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QLocale>
               <functional> <memory> <optional> <vector>)
  if(arg_WIDGETS)
    list(APPEND _headers <QWidget> <QLabel> <QPushButton> <QAction> <QPainter>)
  endif()
  if(arg_GTEST)
    list(APPEND _headers <gtest/gtest.h>)
  endif()
  target_precompile_headers(${name} PRIVATE ${_headers})
endfunction()

# Links a layer to the layers and libraries it may use (cmake/check_layers.cmake
# reads these calls).
function(zn_link name)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()
