# Read by CPack once for each generator: the installer is named apart from the zip, and gets the
# signing command as NSIS runs it, each word quoted (CPack's configuration file cannot carry
# quotes, so it is joined here, when CPack reads this file).
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_QUENTOR_INSTALLATIONSPROGRAMM}")
  list(JOIN CPACK_QUENTOR_SIGNIEREN "\" \"" CPACK_QUENTOR_SIGNIEREN_NSIS)
  set(CPACK_QUENTOR_SIGNIEREN_NSIS "\"${CPACK_QUENTOR_SIGNIEREN_NSIS}\"")
endif()
