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
  # Not our code: its warnings do not stop the build; no Qt in it for moc to look at.
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF AUTOMOC OFF
                                                    AUTOUIC OFF)
  # Test lists are read when ctest runs, under Wine in the test preset's environment, not in the
  # build.
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()

# The window's programs find what Qt needs beside them, as a user gets it: Qt's DLLs and MinGW's
# runtime DLLs they link, the platform plugins, the Windows styles and Qt's German catalogue,
# copied next to quentor.exe, the window's tests and the long run in every build.
if(QUENTOR_UI AND WIN32)
  set(quentor_mingw_dlls)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE pfad OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE ${pfad})
      message(FATAL_ERROR "${dll} not found beside ${CMAKE_CXX_COMPILER}")
    endif()
    list(APPEND quentor_mingw_dlls ${pfad})
  endforeach()
  find_file(QUENTOR_QT_KATALOG qtbase_de.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH
            NO_CMAKE_FIND_ROOT_PATH REQUIRED)

  function(quentor_qt_beilegen ziel)
    set(ordner $<TARGET_FILE_DIR:${ziel}>)
    add_custom_target(${ziel}_qt_beilagen ALL
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ordner}/platforms ${ordner}/styles
              ${ordner}/translations
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_RUNTIME_DLLS:${ziel}>
              ${quentor_mingw_dlls} ${ordner}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different
              $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
              $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>
              $<TARGET_FILE:Qt6::QMinimalIntegrationPlugin> ${ordner}/platforms
      COMMAND ${CMAKE_COMMAND} -E copy_if_different
              $<TARGET_FILE:Qt6::QModernWindowsStylePlugin> ${ordner}/styles
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QUENTOR_QT_KATALOG} ${ordner}/translations
      VERBATIM COMMAND_EXPAND_LISTS)
  endfunction()
  quentor_qt_beilegen(quentor)
  if(BUILD_TESTING)
    quentor_qt_beilegen(quentor_ui_tests)
    # One after the other: both may copy into the same folder.
    add_dependencies(quentor_ui_tests_qt_beilagen quentor_qt_beilagen)
    # The long run, in a folder of its own, which windows.sh runs under Wine.
    quentor_qt_beilegen(quentor_dauerlauf)
  endif()
endif()
