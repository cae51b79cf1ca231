# What a Linux install puts where besides the programs: the desktop entry, the AppStream metadata
# and the icons, the man pages, the licence and the changelog, lintian's overrides
# (freigabe/linux/deb.cmake makes the Debian package of it).
set(CPACK_PACKAGE_NAME quentor)
set(quentor_paketdaten ${PROJECT_BINARY_DIR}/packaging)
# The player's guide as the package installs it (anleitung/CMakeLists.txt), named by the desktop
# entry's action, the metadata and the man pages: the package's path, under /usr.
set(QUENTOR_ANLEITUNG_SEITE /usr/${CMAKE_INSTALL_DATADIR}/quentor/anleitung/anleitung.html)

# gzip -9n: best compression and no name or time in the header, so the bytes depend on the
# content alone. Writes ${ziel}.gz and adds it to quentor_gepackt.
find_program(QUENTOR_GZIP gzip REQUIRED)
set(quentor_gepackt)
macro(quentor_gzip quelle ziel)
  add_custom_command(OUTPUT ${ziel}.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${quelle} ${ziel}
                     COMMAND ${QUENTOR_GZIP} -9nf ${ziel}
                     DEPENDS ${quelle} VERBATIM)
  list(APPEND quentor_gepackt ${ziel}.gz)
endmacro()

# The window's desktop entry, AppStream metadata and icon, all named by the application ID.
if(QUENTOR_UI)
  configure_file(packaging/quentor.desktop.in ${quentor_paketdaten}/${QUENTOR_APP_ID}.desktop @ONLY)
  configure_file(packaging/quentor.metainfo.xml.in
                 ${quentor_paketdaten}/${QUENTOR_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${quentor_paketdaten}/${QUENTOR_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${quentor_paketdaten}/${QUENTOR_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY packaging/symbol/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

# Man pages of the programs built.
set(quentor_programme)
if(QUENTOR_UI)
  list(APPEND quentor_programme quentor)
endif()
if(QUENTOR_SKRIPT)
  list(APPEND quentor_programme quentor-skript)
endif()
# The English pages lie in packaging/handbuch and go to man1; the German translations lie in
# packaging/handbuch/de and go to de/man1, where man finds them under a German locale.
foreach(programm IN LISTS quentor_programme)
  foreach(sprache IN ITEMS en de)
    if(sprache STREQUAL "en")
      set(ordner "")
    else()
      set(ordner "${sprache}/")
    endif()
    configure_file(packaging/handbuch/${ordner}${programm}.1.in
                   ${quentor_paketdaten}/${ordner}${programm}.1 @ONLY)
    quentor_gzip(${quentor_paketdaten}/${ordner}${programm}.1
                 ${quentor_paketdaten}/${ordner}man1/${programm}.1)
    install(FILES ${quentor_paketdaten}/${ordner}man1/${programm}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/${ordner}man1)
  endforeach()
endforeach()

# A stripped install (the package's) also drops the compiler's .comment section, as Debian's
# strip does. The programs are installed by then: their rules come from earlier directories.
foreach(programm IN LISTS quentor_programme)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${programm}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endforeach()

# Licence and changelog where Debian expects them (a native package: changelog.gz).
set(quentor_docdir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
quentor_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${quentor_paketdaten}/doc/changelog)
install(FILES packaging/copyright ${quentor_paketdaten}/doc/changelog.gz DESTINATION ${quentor_docdir})
# What lintian is told about the package: only where it asks for an override.
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${CPACK_PACKAGE_NAME})
add_custom_target(quentor_gepackt ALL DEPENDS ${quentor_gepackt})
