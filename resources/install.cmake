# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration: the launcher, the menu entry, the icons in the hicolor
# theme, the AppStream metadata, the file type of board files, bash
# completion, the manual pages and the copyright. The programs themselves
# (kavirel, kavirel-resit) install from their own targets. The Debian package
# is exactly this installation (debian/rules).

set(KAVIREL_APP_ID cz.kavirel.kavirel)
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

# Addresses that only the publisher knows. Left empty, they are left out of
# the AppStream metadata rather than invented (README: "For publishers").
set(KAVIREL_URL_DOMOV "" CACHE STRING "The project's home page (https://...)")
set(KAVIREL_URL_CHYBY "" CACHE STRING "Where players report bugs (https://...)")
set(KAVIREL_URL_SNIMKY "" CACHE STRING
  "The https:// folder where the pictures of resources/screenshots are published")
foreach(_url KAVIREL_URL_DOMOV KAVIREL_URL_CHYBY KAVIREL_URL_SNIMKY)
  if(NOT "${${_url}}" STREQUAL "" AND NOT "${${_url}}" MATCHES "^https://[^ <>\"]+$")
    message(FATAL_ERROR "${_url} must be an https:// address, not \"${${_url}}\"")
  endif()
  string(REPLACE "&" "&amp;" _${_url} "${${_url}}")
endforeach()
set(KAVIREL_METAINFO_URL "")
if(_KAVIREL_URL_DOMOV)
  string(APPEND KAVIREL_METAINFO_URL "  <url type=\"homepage\">${_KAVIREL_URL_DOMOV}</url>\n")
endif()
if(_KAVIREL_URL_CHYBY)
  string(APPEND KAVIREL_METAINFO_URL "  <url type=\"bugtracker\">${_KAVIREL_URL_CHYBY}</url>\n")
endif()

# The screenshots that scripts/screenshots takes: the picture at twice the
# size is the source, the one at the default size its thumbnail. Their sizes
# come from the pictures themselves (the PNG header), since the window's
# height follows the fonts of the machine that took them.
function(kavirel_velikost_png soubor sirka vyska)
  file(READ "${soubor}" _hlavicka OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${_hlavicka}" 0 8 _w)
  string(SUBSTRING "${_hlavicka}" 8 8 _h)
  math(EXPR _w "0x${_w}")
  math(EXPR _h "0x${_h}")
  set(${sirka} ${_w} PARENT_SCOPE)
  set(${vyska} ${_h} PARENT_SCOPE)
endfunction()
set(KAVIREL_METAINFO_SNIMKY "")
if(_KAVIREL_URL_SNIMKY)
  string(REGEX REPLACE "/+$" "" _zaklad "${_KAVIREL_URL_SNIMKY}")
  string(APPEND _zaklad "/")
  set(_snimky
    "hra|default|Playing the English board|Hra na anglické desce"
    "reseni|extra|A solution found for the position in play|Nalezené řešení rozehrané pozice"
    "nahrat|extra|A board of the catalogue: the Leibniz game|Deska z katalogu: Leibnizova hra")
  string(APPEND KAVIREL_METAINFO_SNIMKY "  <screenshots>\n")
  foreach(_snimek IN LISTS _snimky)
    string(REPLACE "|" ";" _snimek "${_snimek}")
    list(GET _snimek 0 _jmeno)
    list(GET _snimek 1 _druh)
    list(GET _snimek 2 _popis)
    list(GET _snimek 3 _popis_cs)
    kavirel_velikost_png(${KAVIREL_RES}/screenshots/${_jmeno}@2x.png _w2 _h2)
    kavirel_velikost_png(${KAVIREL_RES}/screenshots/${_jmeno}.png _w1 _h1)
    string(APPEND KAVIREL_METAINFO_SNIMKY
      "    <screenshot type=\"${_druh}\">\n"
      "      <caption>${_popis}</caption>\n"
      "      <caption xml:lang=\"cs\">${_popis_cs}</caption>\n"
      "      <image type=\"source\" width=\"${_w2}\" height=\"${_h2}\">${_zaklad}${_jmeno}@2x.png</image>\n"
      "      <image type=\"thumbnail\" width=\"${_w1}\" height=\"${_h1}\">${_zaklad}${_jmeno}.png</image>\n"
      "    </screenshot>\n")
  endforeach()
  string(APPEND KAVIREL_METAINFO_SNIMKY "  </screenshots>\n")
endif()

configure_file(${KAVIREL_RES}/${KAVIREL_APP_ID}.metainfo.xml.in
  ${CMAKE_CURRENT_BINARY_DIR}/${KAVIREL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KAVIREL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The file type of board files, for file managers.
install(FILES ${KAVIREL_RES}/${KAVIREL_APP_ID}.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME ${KAVIREL_APP_ID}.xml)

# Completion of kavirel-resit's options and board files in bash, where
# bash-completion looks under every data directory (/usr/share, /usr/local/share,
# ~/.local/share) by the command's name.
install(FILES ${KAVIREL_RES}/bash-completion/kavirel-resit
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

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
