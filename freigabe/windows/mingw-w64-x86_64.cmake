# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (posix thread model), the same
# as Qt for Windows is built with. The programs and tests run here under Wine. A header-only
# package of the host is taken on purpose (cmake/kreuzbau_pakete.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-werkzeuge.cmake)

# Qt for Windows, built by freigabe/windows/qt-windows.sh into a folder of its own, is a second root for
# the target's packages; its moc, rcc and uic are the host's Qt of the same version, found where
# Qt for Windows was told of them when it was built.
#
# It is reached through a link in the build folder, so that the linker sees Qt's import libraries
# under a path relative to the build (the Makefiles name files of the build folder so): GNU ld
# orders a program's imported DLLs by the paths of their import libraries, and an absolute path
# would put Qt's DLLs before or after Windows' own depending on where the Qt folder lies (before
# /usr in a home folder, after it in /var/tmp), and so change the program's bytes.
if(QUENTOR_QT_WINDOWS)
  file(CREATE_LINK ${QUENTOR_QT_WINDOWS} ${CMAKE_BINARY_DIR}/qt-windows SYMBOLIC)
  list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_BINARY_DIR}/qt-windows)
endif()
# Qt's plugins as CMake targets, which the build copies beside the programs: Debian's Qt 6.8,
# whose source Qt for Windows is built from, does not load them by default.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)

# The C and C++ runtimes and winpthread are linked into every .exe, so each one runs by itself:
# under Wine without MinGW's DLLs on WINEPATH, on Windows without DLLs beside it. Only Qt's DLLs
# need MinGW's runtime DLLs; the build puts them beside the window's programs
# (cmake/kreuzbau_pakete.cmake).
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Tests and their discovery start the .exe files through Wine; Debian keeps the 64-bit loader in
# /usr/lib/wine, and /usr/bin/wine is only a wrapper that picks it.
find_program(QUENTOR_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUENTOR_WINE})
