# Read by CPack for a package of another architecture than the build machine's (a cross build):
# dpkg-shlibdeps, which CPack runs for the dependencies, then looks at that architecture's
# libraries and uses its objdump.
set(ENV{DEB_HOST_ARCH} "${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}")
