# What "cmake --install" puts where (the Debian package is made from it):
# the programs in bin under lower-case names, each with its manual page, the
# shipped data in share/sumimai (the programs find it there from their own
# folder), and the desktop's entries, icons and metainfo (desktop/).
include(GNUInstallDirs)

# sumimai_install_program(TARGET NAME): the program built by TARGET as
# bin/NAME, with its manual page man/NAME.1.
function(sumimai_install_program target name)
  set(page ${PROJECT_SOURCE_DIR}/man/${name}.1)
  if(NOT EXISTS ${page})
    message(FATAL_ERROR "${name} is installed, but there is no manual page man/${name}.1")
  endif()
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME ${name})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

# All of data/, whatever it holds.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sumimai)
