# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DXGETTEXT=... -DZDROJE=... -DPOTFILES=... -DVERZE=... -DSABLONA=OUT
#   -P gettext-sablona.cmake
# Extracts the marked texts of the files listed in POTFILES into the template
# SABLONA. Preloz and PrelozPocet translate, N_ marks a text translated
# elsewhere; Formatuj takes a printf format.
file(STRINGS ${POTFILES} soubory)
get_filename_component(adresar ${SABLONA} DIRECTORY)
file(MAKE_DIRECTORY ${adresar})
execute_process(
  COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8 --add-location=file --sort-by-file
    --keyword=Preloz --keyword=PrelozPocet:1,2 --keyword=N_
    --flag=Formatuj:1:c-format --flag=Preloz:1:pass-c-format
    --flag=PrelozPocet:1:pass-c-format --flag=PrelozPocet:2:pass-c-format
    --package-name=Kavirel --package-version=${VERZE}
    "--copyright-holder=Kavirel developers" --msgid-bugs-address=kavirel@kavirel.cz
    -o ${SABLONA} ${soubory}
  WORKING_DIRECTORY ${ZDROJE}
  RESULT_VARIABLE vysledek)
if(NOT vysledek EQUAL 0)
  message(FATAL_ERROR "xgettext failed (${vysledek})")
endif()
