# Third-party packages for a cross build, where the host's packages do not fit the target.

# nlohmann-json is header-only, so the host's package serves. Its CMake package names /usr/include
# as include folder, which would put the host's C headers in front of MinGW's; the target gets a
# folder of its own instead that holds only the library's headers.
if(QUENTOR_SKRIPT)
  find_package(nlohmann_json 3 REQUIRED CONFIG NO_CMAKE_FIND_ROOT_PATH)
  get_target_property(quentor_json_koepfe nlohmann_json::nlohmann_json
                      INTERFACE_INCLUDE_DIRECTORIES)
  list(GET quentor_json_koepfe 0 quentor_json_koepfe)
  set(quentor_json_ordner ${CMAKE_BINARY_DIR}/json-koepfe)
  file(MAKE_DIRECTORY ${quentor_json_ordner})
  file(CREATE_LINK ${quentor_json_koepfe}/nlohmann ${quentor_json_ordner}/nlohmann SYMBOLIC
       COPY_ON_ERROR)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
                        INTERFACE_INCLUDE_DIRECTORIES ${quentor_json_ordner})
endif()

# GoogleTest for the target, built from the sources Debian ships (package googletest); they define
# GTest::gtest and GTest::gtest_main as the installed package does.
if(BUILD_TESTING)
  set(QUENTOR_GTEST_QUELLEN /usr/src/googletest/googletest
      CACHE PATH "GoogleTest sources for a cross build")
  set(INSTALL_GTEST OFF)
  add_subdirectory(${QUENTOR_GTEST_QUELLEN} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Not our code: its warnings do not stop the build.
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
  # Test lists are read when ctest runs, under Wine in the test preset's environment, not in the
  # build.
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()
