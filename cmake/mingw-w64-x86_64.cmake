# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (posix thread model). The
# programs and tests run here under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUENTOR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUENTOR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUENTOR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUENTOR_MINGW}-windres)

# Headers, libraries and CMake packages of the target come from the MinGW tree only, programs from
# the host. A header-only package of the host is taken on purpose (cmake/kreuzbau_pakete.cmake).
set(CMAKE_FIND_ROOT_PATH /usr/${QUENTOR_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt for Windows, built by scripts/qt-windows.sh into a folder of its own, is a second root for
# the target's packages; its moc, rcc and uic are the host's Qt of the same version.
if(QUENTOR_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${QUENTOR_QT_WINDOWS})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# The C and C++ runtimes and winpthread are linked into every .exe, so each one runs by itself:
# under Wine without MinGW's DLLs on WINEPATH, on Windows without DLLs beside it. Only Qt's DLLs
# need MinGW's runtime DLLs; the build puts them beside the window's programs
# (cmake/kreuzbau_pakete.cmake).
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Tests and their discovery start the .exe files through Wine; Debian keeps the 64-bit loader in
# /usr/lib/wine, and /usr/bin/wine is only a wrapper that picks it.
find_program(QUENTOR_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUENTOR_WINE})
