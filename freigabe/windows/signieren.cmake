# Run by CPack on each staging folder before it packs (CPACK_PRE_BUILD_SCRIPTS, before
# freigabe/gemeinsam/vereinheitlichen.cmake sets the files' times): every program and DLL of the
# zip and of the installer gets its Authenticode signature (freigabe/windows/signieren.sh, the
# command in CPACK_QUENTOR_SIGNIEREN), named by its path in the folder.
file(GLOB_RECURSE quentor_programme LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
     "${CPACK_TEMPORARY_DIRECTORY}/*.exe" "${CPACK_TEMPORARY_DIRECTORY}/*.dll")
list(SORT quentor_programme)
foreach(quentor_programm IN LISTS quentor_programme)
  execute_process(COMMAND ${CPACK_QUENTOR_SIGNIEREN} "${CPACK_TEMPORARY_DIRECTORY}/${quentor_programm}"
                          "${quentor_programm}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
list(LENGTH quentor_programme quentor_anzahl)
message(STATUS "Signiert: ${quentor_anzahl} Programme und DLLs in ${CPACK_GENERATOR}")
