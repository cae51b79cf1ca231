# Debian packages the project needs, sourced by the scripts.
# shellcheck shell=bash
# shellcheck disable=SC2034
# dpkg-dev: Debian's build flags (dpkg-buildflags), which every preset's build but san's has;
# ccache: what was compiled before comes from its cache.
BAU_PAKETE=(cmake g++ make pkg-config libgtest-dev nlohmann-json3-dev qt6-base-dev qt6-qpa-plugins
            qt6-translations-l10n fonts-liberation python3 dpkg-dev ccache)
START_PAKETE=(xvfb xauth x11-utils imagemagick)
# The window on other desktops: platform themes, a Wayland compositor and Qt's wayland platform.
DESKTOP_PAKETE=(qt6ct qt6-gtk-platformtheme gnome-themes-extra weston qt6-wayland)
# What a screen reader gets (tests/zugang): the session bus, the accessibility bus and its registry,
# python's Atspi through GObject introspection, and xdotool to give the window the focus.
ZUGANG_PAKETE=(dbus at-spi2-core python3-gi gir1.2-atspi-2.0 xdotool)
# What Orca says of the window (tests/zugang/orca_test.sh, run by hand): Orca, a German voice for
# it, and the tools to make the German locale.
ORCA_PAKETE=(orca speech-dispatcher-espeak-ng locales)
BENCH_PAKETE=(libbenchmark-dev valgrind)
FUZZ_PAKETE=(clang libclang-rt-dev)
PRUEF_PAKETE=(clang clang-tidy clang-format cppcheck)
WINDOWS_PAKETE=(cmake make g++-mingw-w64-x86-64-posix googletest nlohmann-json3-dev wine wine64
                fontconfig fonts-liberation nsis ccache)
# The arm64 build: cross compilers, qemu-user for its programs (binfmt_misc through binfmt-support,
# arch-test for mmdebstrap's arm64 root) and arm64's Qt beside the host's (multiarch), with the
# platform plugins the window's tests load. GoogleTest is built from its sources.
ARM64_PAKETE=(g++-aarch64-linux-gnu qemu-user-static binfmt-support arch-test mmdebstrap googletest
              qt6-base-dev:arm64 qt6-qpa-plugins:arm64 qt6-gtk-platformtheme:arm64
              qt6-wayland:arm64)
# The Windows release's signatures (freigabe/windows/signieren.sh): osslsigncode, and openssl for
# the throwaway authority, the PKCS#11 engine for a key on a hardware token.
SIGNATUR_PAKETE=(osslsigncode openssl libengine-pkcs11-openssl)
# The test maintainer (freigabe/testbetreuer): its token and its timestamp authority.
TESTBETREUER_PAKETE=(softhsm2 openssl python3 gpg gpg-agent)
# Qt for Windows, built from its Debian source package by freigabe/windows/qt-windows.sh.
QT_WINDOWS_PAKETE=(cmake ninja-build dpkg-dev g++-mingw-w64-x86-64-posix qt6-base-dev
                   qt6-base-dev-tools qt6-translations-l10n)
# The release steps' bill of materials (freigabe/stueckliste) and the signature of their checksums
# (gpg makes it with its agent, gpgv checks it as a player does).
FREIGABE_PAKETE=(python3 gpg gpg-agent gpgv)
# The apt repository (freigabe/linux/paketquelle.sh): apt-ftparchive, and lintian for the keyring package.
PAKETQUELLE_PAKETE=(apt-utils lintian cmake dpkg-dev)
PAKET_PAKETE=(desktop-file-utils appstream lintian dpkg-dev librsvg2-bin)
SYMBOL_PAKETE=(librsvg2-bin imagemagick icoutils)
