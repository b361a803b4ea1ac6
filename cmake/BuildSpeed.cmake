# What makes a first build and a rebuild quicker, with the build system's own means:
# - ccache, when it is installed and no launcher was named, so a second build folder or a clean
#   rebuild takes unchanged objects from the cache;
# - precompiled Qt headers for the Qt half (ZARVEX1_PCH), whose sources spend most of their
#   compile time in Qt's headers.
option(ZARVEX1_CCACHE "Compile through ccache when it is installed" ON)
option(ZARVEX1_PCH "Precompile the Qt headers of the Qt libraries" ON)

if(ZARVEX1_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER AND NOT DEFINED ENV{CMAKE_CXX_COMPILER_LAUNCHER})
    find_program(ZARVEX1_CCACHE_PROGRAM ccache)
    if(ZARVEX1_CCACHE_PROGRAM)
        set(CMAKE_CXX_COMPILER_LAUNCHER ${ZARVEX1_CCACHE_PROGRAM})
    endif()
endif()

# ccache takes objects built with a precompiled header only when told that the header's macros and
# time stamps may be ignored; it is called through this environment whatever launcher was named.
if(ZARVEX1_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
    list(GET CMAKE_CXX_COMPILER_LAUNCHER 0 launcher)
    if(NOT launcher STREQUAL CMAKE_COMMAND)
        set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
            CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
            ${CMAKE_CXX_COMPILER_LAUNCHER})
    endif()
endif()

# Gives a Qt target the precompiled Qt headers. Called for the libraries with many sources; a program
# of one source file would only pay for the header twice.
function(zarvex1_precompile_qt target)
    if(ZARVEX1_PCH)
        # The headers most sources of the Qt half include, not Qt's umbrella headers: a smaller
        # header loads faster in every source.
        target_precompile_headers(${target} PRIVATE
            <string> <vector> <memory> <functional> <optional> <algorithm> <filesystem>
            <QString> <QStringList> <QObject> <QWidget> <QApplication> <QAction> <QMenu> <QLabel>
            <QPushButton> <QCheckBox> <QGroupBox> <QTabWidget> <QBoxLayout> <QGridLayout> <QPainter>
            <QImage> <QTimer>)
    endif()
endfunction()

# The widget and pseudo-terminal tests are one program each: they share one precompiled header of Qt
# Test and Qt Widgets, built once, instead of parsing both in every test source.
function(zarvex1_precompile_tests target)
    if(NOT ZARVEX1_PCH)
        return()
    endif()
    if(NOT TARGET ztest_pch)
        add_library(ztest_pch STATIC ${PROJECT_SOURCE_DIR}/src/core/empty.cpp)
        target_link_libraries(ztest_pch PRIVATE zgui Qt6::Test)
        target_precompile_headers(ztest_pch PRIVATE <string> <vector> <memory> <functional> <QtTest/QtTest>
                                  <QtWidgets/QtWidgets>)
    endif()
    target_precompile_headers(${target} REUSE_FROM ztest_pch)
endfunction()

# mold links the many test programs in a fraction of the time of the default linker.
option(ZARVEX1_MOLD "Link with mold when it is installed" ON)
if(ZARVEX1_MOLD AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    find_program(ZARVEX1_MOLD_PROGRAM mold)
    if(ZARVEX1_MOLD_PROGRAM)
        add_link_options(-fuse-ld=mold)
    endif()
endif()
