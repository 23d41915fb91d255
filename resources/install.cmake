# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration: the launcher, the menu entry, the icons in the hicolor
# theme, the AppStream metadata, the manual pages and the copyright. The
# programs themselves (kavirel, kavirel-resit) install from their own targets.

set(KAVIREL_APP_ID cz.kavirel.Kavirel)
set(KAVIREL_RES ${CMAKE_CURRENT_LIST_DIR})

# The launcher starts the game in its data directory, where "Kavirel.dat" lives.
install(PROGRAMS ${KAVIREL_RES}/kavirel-spustit DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(size 16 24 32 48 64 128 256)
  install(FILES ${KAVIREL_RES}/icons/kavirel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${KAVIREL_APP_ID}.png)
endforeach()
install(FILES ${KAVIREL_RES}/icons/kavirel.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${KAVIREL_APP_ID}.svg)

configure_file(${KAVIREL_RES}/${KAVIREL_APP_ID}.metainfo.xml.in
  ${CMAKE_CURRENT_BINARY_DIR}/${KAVIREL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KAVIREL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${KAVIREL_RES}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages (section 6, games), compressed as distributions ship them.
# The launcher only changes directory and starts the game, so its page is the
# game's. The pages carry the project's version, filled in here.
file(GLOB _man_in CONFIGURE_DEPENDS ${KAVIREL_RES}/man/*.6.in)
set(KAVIREL_MAN_PAGES)
foreach(_in IN LISTS _man_in)
  get_filename_component(_name ${_in} NAME_WLE)
  configure_file(${_in} ${CMAKE_CURRENT_BINARY_DIR}/man/src/${_name} @ONLY)
  list(APPEND KAVIREL_MAN_PAGES ${CMAKE_CURRENT_BINARY_DIR}/man/src/${_name})
endforeach()
find_program(KAVIREL_GZIP gzip)
if(KAVIREL_MAN_PAGES AND KAVIREL_GZIP)
  set(_man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
  set(_man_gz)
  foreach(_page IN LISTS KAVIREL_MAN_PAGES)
    get_filename_component(_name ${_page} NAME)
    add_custom_command(OUTPUT ${_man_dir}/${_name}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${_page} ${_man_dir}/${_name}
      COMMAND ${KAVIREL_GZIP} -9nf ${_man_dir}/${_name}
      DEPENDS ${_page} VERBATIM)
    list(APPEND _man_gz ${_man_dir}/${_name}.gz)
  endforeach()
  add_custom_target(kavirel_man ALL DEPENDS ${_man_gz})
  install(FILES ${_man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
elseif(KAVIREL_MAN_PAGES)
  install(FILES ${KAVIREL_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

# The menu entry names the launcher by its full path, which is known only at
# install time (cmake --install --prefix may move the tree), so it is written
# then by desktop-entry.cmake.
install(CODE "
  set(KAVIREL_DESKTOP_IN \"${KAVIREL_RES}/${KAVIREL_APP_ID}.desktop.in\")
  set(KAVIREL_DESKTOP_OUT \"${CMAKE_CURRENT_BINARY_DIR}/desktop/${KAVIREL_APP_ID}.desktop\")
  set(KAVIREL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(KAVIREL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  include(\"${KAVIREL_RES}/desktop-entry.cmake\")
")
