# SPDX-License-Identifier: GPL-3.0-or-later
# The messages of the Qt-free programs (kavirel-resit and the core's texts it
# prints) through gettext. Czech is the source language: the texts in the code
# are Czech, and po/<lang>.po translates them into the languages of po/LINGUAS.
#
#   cmake --build build --target kavirel_pot   template build/po/kavirel.pot
#   cmake --build build --target kavirel_po    merge it into every po/<lang>.po
#
# Every build compiles po/<lang>.po into build/locale/<lang>/LC_MESSAGES/
# kavirel.mo, where the programs find it when run from the build tree; the
# installation puts it under share/locale.

find_package(Gettext REQUIRED)
find_program(KAVIREL_XGETTEXT xgettext REQUIRED)
find_program(KAVIREL_MSGCMP msgcmp REQUIRED)
find_program(KAVIREL_MSGGREP msggrep REQUIRED)

set(KAVIREL_PO_DIR ${PROJECT_SOURCE_DIR}/po)
set(KAVIREL_LOCALE_BUILD_DIR ${PROJECT_BINARY_DIR}/locale)
file(STRINGS ${KAVIREL_PO_DIR}/LINGUAS KAVIREL_JAZYKY_GETTEXT REGEX "^[a-zA-Z_@]+$")

# The files whose texts go into the template, relative to the source tree so
# that the template names them the same on every machine.
file(GLOB _kavirel_potfiles CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
  ${PROJECT_SOURCE_DIR}/model/*.cpp ${PROJECT_SOURCE_DIR}/model/*.h
  ${PROJECT_SOURCE_DIR}/solver/*.cpp ${PROJECT_SOURCE_DIR}/solver/*.h
  ${PROJECT_SOURCE_DIR}/storage/*.cpp ${PROJECT_SOURCE_DIR}/storage/*.h
  ${PROJECT_SOURCE_DIR}/tools/kavirel-resit/*.cpp ${PROJECT_SOURCE_DIR}/tools/kavirel-resit/*.h)
list(SORT _kavirel_potfiles)
# Files in which every Czech text must be marked for translation (the rest
# of the core also holds the window's texts, translated by Qt).
file(GLOB _kavirel_potfiles_cele CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
  ${PROJECT_SOURCE_DIR}/tools/kavirel-resit/*.cpp)
list(SORT _kavirel_potfiles_cele)
string(REPLACE ";" "\n" _obsah "${_kavirel_potfiles}")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/po/POTFILES CONTENT "${_obsah}\n")
string(REPLACE ";" "\n" _obsah "${_kavirel_potfiles_cele}")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/po/POTFILES.cele CONTENT "${_obsah}\n")

# What the scripts of the template and of the check need to know.
set(KAVIREL_GETTEXT_PROMENNE
  -DXGETTEXT=${KAVIREL_XGETTEXT}
  -DMSGFMT=${GETTEXT_MSGFMT_EXECUTABLE}
  -DMSGCMP=${KAVIREL_MSGCMP}
  -DMSGGREP=${KAVIREL_MSGGREP}
  -DZDROJE=${PROJECT_SOURCE_DIR}
  -DPOTFILES=${PROJECT_BINARY_DIR}/po/POTFILES
  -DPOTFILES_CELE=${PROJECT_BINARY_DIR}/po/POTFILES.cele
  -DPO_DIR=${KAVIREL_PO_DIR}
  -DVERZE=${PROJECT_VERSION})

add_custom_target(kavirel_pot
  COMMAND ${CMAKE_COMMAND} ${KAVIREL_GETTEXT_PROMENNE} -DSABLONA=${PROJECT_BINARY_DIR}/po/kavirel.pot
    -P ${PROJECT_SOURCE_DIR}/cmake/gettext-sablona.cmake
  COMMENT "Extracting the messages into po/kavirel.pot"
  VERBATIM)
add_custom_target(kavirel_po DEPENDS kavirel_pot)

set(_mo_files)
foreach(jazyk IN LISTS KAVIREL_JAZYKY_GETTEXT)
  set(_po ${KAVIREL_PO_DIR}/${jazyk}.po)
  set(_mo ${KAVIREL_LOCALE_BUILD_DIR}/${jazyk}/LC_MESSAGES/kavirel.mo)
  add_custom_command(OUTPUT ${_mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KAVIREL_LOCALE_BUILD_DIR}/${jazyk}/LC_MESSAGES
    COMMAND ${GETTEXT_MSGFMT_EXECUTABLE} --check -o ${_mo} ${_po}
    DEPENDS ${_po}
    COMMENT "Compiling the ${jazyk} messages"
    VERBATIM)
  list(APPEND _mo_files ${_mo})
  install(FILES ${_mo} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${jazyk}/LC_MESSAGES)
  add_custom_command(TARGET kavirel_po POST_BUILD
    COMMAND ${GETTEXT_MSGMERGE_EXECUTABLE} --quiet --update --backup=none --add-location=file
      ${_po} ${PROJECT_BINARY_DIR}/po/kavirel.pot
    VERBATIM)
endforeach()
add_custom_target(kavirel_katalogy ALL DEPENDS ${_mo_files})

# kavirel_katalogy_programu(TARGET): the program finds the catalogues beside
# its installed copy (bin/../share/locale, so the tree may move), in the build
# tree, or where they were installed.
function(kavirel_katalogy_programu cil)
  file(RELATIVE_PATH _vedle ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LOCALEDIR})
  get_target_property(_vystup ${cil} RUNTIME_OUTPUT_DIRECTORY)
  if(NOT _vystup)
    get_target_property(_vystup ${cil} BINARY_DIR)
  endif()
  file(RELATIVE_PATH _sestaveni ${_vystup} ${KAVIREL_LOCALE_BUILD_DIR})
  target_compile_definitions(${cil} PRIVATE
    KAVIREL_KATALOGY="${CMAKE_INSTALL_FULL_LOCALEDIR}"
    KAVIREL_KATALOGY_VEDLE="${_vedle}"
    KAVIREL_KATALOGY_SESTAVENI="${_sestaveni}")
  add_dependencies(${cil} kavirel_katalogy)
endfunction()
