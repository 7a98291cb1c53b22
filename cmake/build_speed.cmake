# A quick first build and quicker later ones:
# - ccache, when it is installed, in front of the compiler (later builds and
#   other build folders of the same sources take the objects from its cache);
# - unity builds: each library compiles its sources in a few batches, so Qt's
#   headers are read once per batch instead of once per file. Off with
#   -DCMAKE_UNITY_BUILD=OFF. Names file-local to one source (anonymous
#   namespaces, static functions) must then stay unique within a library;
# - a precompiled header of the Qt headers the program uses most
#   (werkstoff_precompile_qt below).

# The sanitizer and fuzzing builds compile file by file without the
# precompiled header, so each source is checked as it is written: an include
# a file lacks, which an earlier file of its batch supplies, shows there.
if(WERKSTOFF_SANITIZE OR WERKSTOFF_FUZZ)
  if(NOT DEFINED CMAKE_UNITY_BUILD)
    set(CMAKE_UNITY_BUILD OFF)
  endif()
  if(NOT DEFINED CMAKE_DISABLE_PRECOMPILE_HEADERS)
    set(CMAKE_DISABLE_PRECOMPILE_HEADERS ON)
  endif()
endif()
if(NOT DEFINED CMAKE_UNITY_BUILD)
  set(CMAKE_UNITY_BUILD ON)
endif()
if(NOT DEFINED CMAKE_UNITY_BUILD_BATCH_SIZE)
  set(CMAKE_UNITY_BUILD_BATCH_SIZE 8)
endif()

# A launcher given by the user (-D or the environment) is kept as it is.
if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(WERKSTOFF_CCACHE ccache)
  mark_as_advanced(WERKSTOFF_CCACHE)
  if(WERKSTOFF_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${WERKSTOFF_CCACHE})
  endif()
endif()
# ccache takes objects built with a precompiled header only when it may
# ignore the header's time stamps and macros.
list(GET CMAKE_CXX_COMPILER_LAUNCHER 0 launcher)
get_filename_component(launcher "${launcher}" NAME)
if(launcher STREQUAL "ccache")
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

# The precompiled header: Qt's widget, painting and container headers, which
# almost every source of the program includes. The toolkit builds it; every
# library on top of it (same compiler options, same Qt) reuses that one.
function(werkstoff_precompile_qt target)
  if(NOT target STREQUAL "toolkit")
    target_precompile_headers(${target} REUSE_FROM toolkit)
    return()
  endif()
  target_precompile_headers(${target} PRIVATE
    <QtCore/QList>
    <QtCore/QPoint>
    <QtCore/QRect>
    <QtCore/QSize>
    <QtCore/QObject>
    <QtCore/QPointer>
    <QtCore/QString>
    <QtCore/QStringList>
    <QtCore/QTimer>
    <QtGui/QAction>
    <QtGui/QColor>
    <QtGui/QFont>
    <QtGui/QFontMetrics>
    <QtGui/QImage>
    <QtGui/QKeyEvent>
    <QtGui/QMouseEvent>
    <QtGui/QPainter>
    <QtGui/QPainterPath>
    <QtGui/QPixmap>
    <QtWidgets/QWidget>
    <QtWidgets/QApplication>
    <QtWidgets/QLabel>
    <QtWidgets/QMenu>
    <QtWidgets/QMenuBar>
    <QtWidgets/QPushButton>
    <functional>
    <memory>
    <vector>
  )
endfunction()
