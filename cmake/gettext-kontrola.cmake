# SPDX-License-Identifier: GPL-3.0-or-later
# cmake <the variables of KAVIREL_GETTEXT_PROMENNE> -DPRACOVNI=DIR
#   -P gettext-kontrola.cmake
# Fails unless every language of po/LINGUAS translates every text that the
# sources mark today (none missing, fuzzy or untranslated; formats checked),
# and unless every Czech text in the files of POTFILES_CELE is marked.
file(REMOVE_RECURSE ${PRACOVNI})
file(MAKE_DIRECTORY ${PRACOVNI})
set(SABLONA ${PRACOVNI}/kavirel.pot)
include(${CMAKE_CURRENT_LIST_DIR}/gettext-sablona.cmake)

set(chyby "")
file(STRINGS ${PO_DIR}/LINGUAS jazyky REGEX "^[a-zA-Z_@]+$")
if(NOT jazyky)
  message(FATAL_ERROR "po/LINGUAS names no language")
endif()
foreach(jazyk IN LISTS jazyky)
  set(po ${PO_DIR}/${jazyk}.po)
  execute_process(COMMAND ${MSGCMP} ${po} ${SABLONA}
    RESULT_VARIABLE kod OUTPUT_VARIABLE vystup ERROR_VARIABLE vystup)
  if(NOT kod EQUAL 0)
    string(APPEND chyby "po/${jazyk}.po lacks texts of the sources "
      "(cmake --build build --target kavirel_po, then translate):\n${vystup}\n")
  endif()
  execute_process(COMMAND ${MSGFMT} --check --statistics -o ${PRACOVNI}/${jazyk}.mo ${po}
    RESULT_VARIABLE kod OUTPUT_VARIABLE vystup ERROR_VARIABLE vystup)
  if(NOT kod EQUAL 0 OR vystup MATCHES "fuzzy|untranslated" OR NOT vystup MATCHES "translated message")
    string(APPEND chyby "po/${jazyk}.po is not complete: ${vystup}\n")
  endif()
endforeach()

# Every string of those files with a Czech letter or quote must be marked.
file(STRINGS ${POTFILES_CELE} cele)
execute_process(
  COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8 --extract-all --no-location
    -o ${PRACOVNI}/vse.pot ${cele}
  WORKING_DIRECTORY ${ZDROJE} RESULT_VARIABLE kod ERROR_VARIABLE varovani)
if(NOT kod EQUAL 0)
  message(FATAL_ERROR "xgettext --extract-all failed:\n${varovani}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
    ${MSGGREP} --msgid -E -e "[ěščřžýáíéúůťďňóĚŠČŘŽÝÁÍÉÚŮŤĎŇÓ„“]" -o ${PRACOVNI}/ceske.pot ${PRACOVNI}/vse.pot
  RESULT_VARIABLE kod)
if(EXISTS ${PRACOVNI}/ceske.pot)
  file(SIZE ${PRACOVNI}/ceske.pot velikost)
  if(velikost GREATER 0)
    execute_process(COMMAND ${MSGCMP} --use-untranslated ${SABLONA} ${PRACOVNI}/ceske.pot
      RESULT_VARIABLE kod OUTPUT_VARIABLE vystup ERROR_VARIABLE vystup)
    if(NOT kod EQUAL 0)
      string(APPEND chyby "Czech texts not marked for translation (Preloz, PrelozPocet or N_):\n${vystup}\n")
    endif()
  endif()
endif()

if(chyby)
  message(FATAL_ERROR "${chyby}")
endif()
