# Cross build for 64-bit ARM Linux (arm64) with Debian's cross compilers and multiarch: the
# target's libraries, Qt among them, are Debian's arm64 packages installed beside the host's
# (freigabe/linux/arm64.sh installs them). Qt's moc, rcc and uic are the host's of the same version. The
# programs and tests run here under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)

# The target's packages only from the arm64 folders, the host's programs as they are.
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

# Tests and their discovery start the programs through qemu; its -L / finds the arm64 loader and
# libraries where multiarch puts them.
find_program(QUENTOR_QEMU qemu-aarch64-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUENTOR_QEMU} -L /)
# The Debian package is for arm64, whatever the build machine's architecture.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
# dpkg-buildflags gives the flags of the target architecture (the package build's Debian flags).
set(ENV{DEB_HOST_ARCH} arm64)
