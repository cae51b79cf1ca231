# Debian's build flags from dpkg-buildflags, for the package build (option
# QUENTOR_DEBIAN_BAUSCHALTER, preset paket): fortify, stack protector, relro and bindnow.
# All hardening is on unless DEB_BUILD_MAINT_OPTIONS says otherwise.
find_program(QUENTOR_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
set(quentor_wartung "$ENV{DEB_BUILD_MAINT_OPTIONS}")
if(quentor_wartung STREQUAL "")
  set(quentor_wartung hardening=+all)
endif()
foreach(art CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=${quentor_wartung}
                          ${QUENTOR_DPKG_BUILDFLAGS} --get ${art}
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE quentor_${art} OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# The C preprocessor flags go with the compiler's: CMake reads no CPPFLAGS.
string(APPEND CMAKE_CXX_FLAGS " ${quentor_CPPFLAGS} ${quentor_CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${quentor_LDFLAGS}")
message(STATUS "Debians Bauschalter: ${quentor_CPPFLAGS} ${quentor_CXXFLAGS} ${quentor_LDFLAGS}")
