# Run by CPack on the installer's staging folder before it packs (CPACK_PRE_BUILD_SCRIPTS): writes
# quentor-dateien.nsh beside it, which NSIS.template.in includes. Its macro DATEIEN_EINTRAGEN
# writes the installed files and folders into the installer's entry in the registry (Dateien and
# Ordner under it), where only the installing account can write: the next version's installer
# removes this one by that list, without running a program from its folder.
if(NOT CPACK_GENERATOR STREQUAL "NSIS")
  return()
endif()
file(GLOB_RECURSE quentor_dateien LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
     "${CPACK_TEMPORARY_DIRECTORY}/*")
file(GLOB_RECURSE quentor_alle LIST_DIRECTORIES true RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
     "${CPACK_TEMPORARY_DIRECTORY}/*")
set(quentor_ordner ${quentor_alle})
list(REMOVE_ITEM quentor_ordner ${quentor_dateien})
list(SORT quentor_dateien)
# Deeper folders first, so that each is empty when its turn comes.
list(SORT quentor_ordner ORDER DESCENDING)

# Appends to quentor_nsh the lines that write each path of LIST (with backslashes) as a value of
# the registry key SUBKEY, numbered from 1.
function(quentor_eintragen unterschluessel liste)
  set(nummer 0)
  foreach(pfad IN LISTS liste)
    math(EXPR nummer "${nummer} + 1")
    string(REPLACE "/" "\\" pfad "${pfad}")
    string(APPEND quentor_nsh
           "  WriteRegStr SHCTX \"\${UNINSTALL_KEY}\\${unterschluessel}\" \"${nummer}\" \"${pfad}\"\n")
  endforeach()
  set(quentor_nsh "${quentor_nsh}" PARENT_SCOPE)
endfunction()

set(quentor_nsh "!macro DATEIEN_EINTRAGEN\n")
string(APPEND quentor_nsh "  DeleteRegKey SHCTX \"\${UNINSTALL_KEY}\\Dateien\"\n")
string(APPEND quentor_nsh "  DeleteRegKey SHCTX \"\${UNINSTALL_KEY}\\Ordner\"\n")
quentor_eintragen(Dateien "${quentor_dateien}")
quentor_eintragen(Ordner "${quentor_ordner}")
string(APPEND quentor_nsh "!macroend\n")
file(WRITE "${CPACK_TOPLEVEL_DIRECTORY}/quentor-dateien.nsh" "${quentor_nsh}")
list(LENGTH quentor_dateien quentor_anzahl)
message(STATUS "Dateiliste für das Installationsprogramm: ${quentor_anzahl} Dateien")
