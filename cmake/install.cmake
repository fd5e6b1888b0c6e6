# What "cmake --install" puts where (the Debian package is made from it):
# the programs in bin under lower-case names, each with its manual pages, the
# shipped data in share/sumimai (the programs find it there from their own
# folder), and the desktop's entries, icons and metainfo (desktop/).
include(GNUInstallDirs)

# sumimai_install_program(TARGET NAME): the program built by TARGET as
# bin/NAME, with its manual page man/NAME.1, and its Japanese one
# man/ja/NAME.1 where there is one (installed for a Japanese locale).
function(sumimai_install_program target name)
  set(page ${PROJECT_SOURCE_DIR}/man/${name}.1)
  if(NOT EXISTS ${page})
    message(FATAL_ERROR "${name} is installed, but there is no manual page man/${name}.1")
  endif()
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME ${name})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set(japanese ${PROJECT_SOURCE_DIR}/man/ja/${name}.1)
  if(EXISTS ${japanese})
    install(FILES ${japanese} DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
  endif()
endfunction()

# All of data/, whatever it holds.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sumimai)
