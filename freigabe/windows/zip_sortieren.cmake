# Run by CPack after it has made the zip (CPACK_POST_BUILD_SCRIPTS, freigabe/gemeinsam/reproduzierbar.cmake):
# CPack adds the staged files in the order the file system lists a folder, which differs between
# machines; the zip is made again from the same staged files (their times and permissions set by
# freigabe/gemeinsam/vereinheitlichen.cmake) in the order of their sorted names, files only.
if(NOT CPACK_GENERATOR STREQUAL "ZIP")
  return()
endif()
get_filename_component(quentor_oben "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY)
file(GLOB_RECURSE quentor_dateien LIST_DIRECTORIES false RELATIVE "${quentor_oben}"
     "${CPACK_TEMPORARY_DIRECTORY}/*")
list(SORT quentor_dateien)
list(JOIN quentor_dateien "\n" quentor_liste)
file(WRITE "${quentor_oben}/zip-liste.txt" "${quentor_liste}\n")
foreach(quentor_zip IN LISTS CPACK_PACKAGE_FILES)
  file(REMOVE "${quentor_zip}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${quentor_zip}" --format=zip
                          --files-from=zip-liste.txt
                  WORKING_DIRECTORY "${quentor_oben}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
