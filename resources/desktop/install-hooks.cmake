# After `make install` straight into the system (no DESTDIR staging), let the
# desktop see the new document type, program entry and icon at once.
# Packagers staging with DESTDIR run these from their own triggers.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
set(share "${CMAKE_INSTALL_PREFIX}/share")
find_program(UPDATE_MIME update-mime-database)
find_program(UPDATE_DESKTOP update-desktop-database)
find_program(UPDATE_ICONS gtk-update-icon-cache)
if(UPDATE_MIME)
  execute_process(COMMAND ${UPDATE_MIME} "${share}/mime" RESULT_VARIABLE ignored)
endif()
if(UPDATE_DESKTOP)
  execute_process(COMMAND ${UPDATE_DESKTOP} "${share}/applications" RESULT_VARIABLE ignored)
endif()
if(UPDATE_ICONS AND EXISTS "${share}/icons/hicolor/index.theme")
  execute_process(COMMAND ${UPDATE_ICONS} -q -t "${share}/icons/hicolor" RESULT_VARIABLE ignored)
endif()
