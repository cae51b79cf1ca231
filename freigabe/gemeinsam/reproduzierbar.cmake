# What makes a release's bytes depend on the sources alone (option QUENTOR_REPRODUZIERBAR, on in
# the presets paket and windows): the time is the last commit's, SOURCE_DATE_EPOCH in the
# environment of the build and of CPack (freigabe/gemeinsam/freigabe.sh sets it); this file takes care of
# the rest.
#
# Paths: the source folder is written as `.` into debug information and macros, and the build
# folder, whatever its name, as `./build` (the compiler takes the last map that fits, so it comes
# second), so that the compiled code, and the GNU build ID computed over it, is the same in every
# source and build folder. (Not for the resource compiler, windres, which knows no such option.)
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>
                    $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=./build>)
if(WIN32)
  # No link time in the PE header of the programs (and of any DLL built here).
  add_link_options(-Wl,--no-insert-timestamp)
endif()
# Folders get 0755 whatever the builder's umask, in an install and in CPack's staging folder;
# files get 0644 or 0755 from install() anyway.
set(quentor_ordnerrechte OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
    WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${quentor_ordnerrechte})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${quentor_ordnerrechte})
# After CPack has staged the files and before it packs them: every file and folder gets the time
# SOURCE_DATE_EPOCH and the permissions 0644, or 0755 for folders and programs, so that the zip's
# and the installer's entries do not carry the build's times or the builder's umask.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/vereinheitlichen.cmake)
