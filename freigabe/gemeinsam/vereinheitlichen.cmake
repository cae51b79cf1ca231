# Run by CPack (CPACK_PRE_BUILD_SCRIPTS, freigabe/gemeinsam/reproduzierbar.cmake) on its staging folder
# before it packs, so that the same files give the same package on any machine:
# - times from SOURCE_DATE_EPOCH, permissions 0644, 0755 for folders and for executable files;
# - for the Windows installer (NSIS), the lists of files it installs and uninstalls, written in
#   sorted order into CPACK_NSIS_FULL_INSTALL and CPACK_NSIS_DELETE_FILES/_DIRECTORIES.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  message(FATAL_ERROR "SOURCE_DATE_EPOCH ist nicht gesetzt (freigabe/gemeinsam/freigabe.sh setzt es)")
endif()
foreach(ordner IN LISTS CPACK_TEMPORARY_INSTALL_DIRECTORY CPACK_TEMPORARY_DIRECTORY)
  if(IS_DIRECTORY "${ordner}")
    execute_process(COMMAND chmod -R u=rwX,go=rX "${ordner}" COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND find "${ordner}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()

# The installer installs the staged files one by one in the order of their sorted names, not in
# the order the file system lists a folder (NSIS's `File /r`), which differs between machines.
if(CPACK_GENERATOR STREQUAL "NSIS")
  file(GLOB_RECURSE quentor_dateien LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
       "${CPACK_TEMPORARY_DIRECTORY}/*")
  list(SORT quentor_dateien)
  set(quentor_befehle "")
  set(quentor_voriger_ordner "-")
  foreach(quentor_datei IN LISTS quentor_dateien)
    get_filename_component(quentor_ordner "${quentor_datei}" DIRECTORY)
    if(NOT quentor_ordner STREQUAL quentor_voriger_ordner)
      string(REPLACE "/" "\\" quentor_windows_ordner "\\${quentor_ordner}")
      if(quentor_ordner STREQUAL "")
        set(quentor_windows_ordner "")
      endif()
      string(APPEND quentor_befehle "SetOutPath \"$INSTDIR${quentor_windows_ordner}\"\n  ")
      set(quentor_voriger_ordner "${quentor_ordner}")
    endif()
    string(REPLACE "/" "\\" quentor_windows_datei "${quentor_datei}")
    string(APPEND quentor_befehle "File \"\${INST_DIR}\\${quentor_windows_datei}\"\n  ")
  endforeach()
  set(CPACK_NSIS_FULL_INSTALL "${quentor_befehle}SetOutPath \"$INSTDIR\"")
  # The uninstaller likewise: files in sorted order, then folders in reverse order (inner first).
  set(quentor_befehle "")
  foreach(quentor_datei IN LISTS quentor_dateien)
    string(REPLACE "/" "\\" quentor_windows_datei "${quentor_datei}")
    string(APPEND quentor_befehle "  Delete \"$INSTDIR\\${quentor_windows_datei}\"\n")
  endforeach()
  set(CPACK_NSIS_DELETE_FILES "${quentor_befehle}")
  file(GLOB_RECURSE quentor_ordner LIST_DIRECTORIES true RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
       "${CPACK_TEMPORARY_DIRECTORY}/*")
  list(REMOVE_ITEM quentor_ordner ${quentor_dateien})
  list(SORT quentor_ordner ORDER DESCENDING)
  set(quentor_befehle "")
  foreach(quentor_unterordner IN LISTS quentor_ordner)
    string(REPLACE "/" "\\" quentor_windows_ordner "${quentor_unterordner}")
    string(APPEND quentor_befehle "  RMDir \"$INSTDIR\\${quentor_windows_ordner}\"\n")
  endforeach()
  set(CPACK_NSIS_DELETE_DIRECTORIES "${quentor_befehle}")
endif()
