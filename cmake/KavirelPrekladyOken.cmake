# SPDX-License-Identifier: GPL-3.0-or-later
# The texts of the Qt programs (the window, its dialogs and `kavirel --help`)
# through Qt Linguist. Czech is the source language: tr(), QT_TR_NOOP and
# QT_TRANSLATE_NOOP hold the Czech texts, and translations/kavirel_<lang>.ts
# translates them. lrelease compiles every .ts at build time and the .qm is
# embedded as :/i18n/kavirel_<lang>.qm, so that nothing has to be found at
# run time (NactiPrekladOkna in app/KavirelPreklad.h loads it).
#
#   cmake --build build --target update_translations   lupdate: new texts
#                                                       into every .ts
#   linguist translations/kavirel_<lang>.ts             translate them
#
# A new language: a new translations/kavirel_<lang>.ts (lupdate writes it at
# the next update_translations), its code in KavirelJazyk.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

file(GLOB KAVIREL_TS_SOUBORY CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/kavirel_*.ts)
# The folders whose texts lupdate reads: the window and everything it shows.
set(KAVIREL_PREKLADANE_SLOZKY app view dialogs)
set(KAVIREL_LUPDATE_VOLBY -source-language cs_CZ -no-obsolete -locations relative)

# The sources of those folders, also listed for the completeness test.
set(KAVIREL_PREKLADANE_ZDROJE)
foreach(slozka IN LISTS KAVIREL_PREKLADANE_SLOZKY)
  file(GLOB _zdroje CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${slozka}/*.cpp ${PROJECT_SOURCE_DIR}/${slozka}/*.h)
  list(APPEND KAVIREL_PREKLADANE_ZDROJE ${_zdroje})
endforeach()
list(SORT KAVIREL_PREKLADANE_ZDROJE)
string(REPLACE ";" "\n" _obsah "${KAVIREL_PREKLADANE_ZDROJE}")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/translations/zdroje.lst CONTENT "${_obsah}\n")

# kavirel_preklady_oken(TARGET): the .qm files embedded in TARGET.
function(kavirel_preklady_oken cil)
  qt_add_translations(${cil}
    TS_FILES ${KAVIREL_TS_SOUBORY}
    SOURCES ${KAVIREL_PREKLADANE_ZDROJE}
    RESOURCE_PREFIX /i18n
    LUPDATE_OPTIONS ${KAVIREL_LUPDATE_VOLBY})
endfunction()
