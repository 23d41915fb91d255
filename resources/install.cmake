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

# Manual pages (section 6, games), compressed as distributions ship them:
# English in man6, Czech in cs/man6. The launcher only changes directory and
# starts the game, so its page is the game's (".so man6/kavirel.6" finds it
# in the same language's tree). The pages carry the project's version,
# filled in here. The sources are UTF-8; preconv turns their letters into
# groff's own escapes, so that any formatter reads them without a warning.
# build/man/<lang>/man6 holds the pages as man reads them.
set(KAVIREL_MAN_JAZYKY en cs)
set(KAVIREL_MAN_ZDROJ_en ${KAVIREL_RES}/man)
set(KAVIREL_MAN_CIL_en man6)
set(KAVIREL_MAN_ZDROJ_cs ${KAVIREL_RES}/man/cs)
set(KAVIREL_MAN_CIL_cs cs/man6)
set(KAVIREL_MAN_DIR ${CMAKE_CURRENT_BINARY_DIR}/man)
find_program(KAVIREL_GZIP gzip)
find_program(KAVIREL_PRECONV preconv)
set(_man_gz)
foreach(_jazyk IN LISTS KAVIREL_MAN_JAZYKY)
  file(GLOB _man_in CONFIGURE_DEPENDS ${KAVIREL_MAN_ZDROJ_${_jazyk}}/*.6.in)
  set(_dir ${KAVIREL_MAN_DIR}/${_jazyk}/man6)
  file(MAKE_DIRECTORY ${_dir})
  foreach(_in IN LISTS _man_in)
    get_filename_component(_name ${_in} NAME_WLE)
    set(_utf8 ${KAVIREL_MAN_DIR}/utf8/${_jazyk}/${_name})
    configure_file(${_in} ${_utf8} @ONLY)
    if(KAVIREL_PRECONV)
      execute_process(COMMAND ${KAVIREL_PRECONV} -r -e UTF-8 ${_utf8}
        OUTPUT_FILE ${_dir}/${_name} RESULT_VARIABLE _vysledek)
      if(NOT _vysledek EQUAL 0)
        message(FATAL_ERROR "preconv failed on ${_in}")
      endif()
    else()
      configure_file(${_utf8} ${_dir}/${_name} COPYONLY)
    endif()
    if(KAVIREL_GZIP)
      set(_gz ${KAVIREL_MAN_DIR}/gz/${_jazyk}/${_name})
      add_custom_command(OUTPUT ${_gz}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${_dir}/${_name} ${_gz}
        COMMAND ${KAVIREL_GZIP} -9nf ${_gz}
        DEPENDS ${_dir}/${_name} VERBATIM)
      list(APPEND _man_gz ${_gz}.gz)
      install(FILES ${_gz}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${KAVIREL_MAN_CIL_${_jazyk}})
    else()
      install(FILES ${_dir}/${_name} DESTINATION ${CMAKE_INSTALL_MANDIR}/${KAVIREL_MAN_CIL_${_jazyk}})
    endif()
  endforeach()
endforeach()
if(_man_gz)
  add_custom_target(kavirel_man ALL DEPENDS ${_man_gz})
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
