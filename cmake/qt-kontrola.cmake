# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DNASTAVENI=FILE -DPRACOVNI=DIR -P qt-kontrola.cmake
# Fails unless every translations/kavirel_<lang>.ts translates every text the
# window's sources hold today: lupdate brings a copy up to date with them (a
# new text arrives unfinished), lrelease counts what is not finished.
include(${NASTAVENI})
file(REMOVE_RECURSE ${PRACOVNI})
file(MAKE_DIRECTORY ${PRACOVNI})
if(NOT TS_SOUBORY)
  message(FATAL_ERROR "no translations/kavirel_*.ts")
endif()
set(chyby "")
foreach(ts IN LISTS TS_SOUBORY)
  get_filename_component(jmeno ${ts} NAME)
  set(kopie ${PRACOVNI}/${jmeno})
  file(COPY_FILE ${ts} ${kopie})
  execute_process(COMMAND ${LUPDATE} ${LUPDATE_VOLBY} @${ZDROJE_LST} -ts ${kopie}
    RESULT_VARIABLE kod OUTPUT_VARIABLE vystup ERROR_VARIABLE vystup)
  if(NOT kod EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${jmeno}:\n${vystup}")
  endif()
  execute_process(COMMAND ${LRELEASE} ${kopie} -qm ${kopie}.qm
    RESULT_VARIABLE kod OUTPUT_VARIABLE vystup ERROR_VARIABLE vystup)
  if(NOT kod EQUAL 0 OR NOT vystup MATCHES "Generated ([0-9]+) translation\\(s\\) \\(([0-9]+) finished and ([0-9]+) unfinished\\)")
    message(FATAL_ERROR "lrelease failed on ${jmeno}:\n${vystup}")
  endif()
  set(unfinished ${CMAKE_MATCH_3})
  set(ignored 0)
  if(vystup MATCHES "Ignored ([0-9]+) untranslated")
    set(ignored ${CMAKE_MATCH_1})
  endif()
  if(NOT unfinished EQUAL 0 OR NOT ignored EQUAL 0)
    string(APPEND chyby "translations/${jmeno}: ${unfinished} unfinished, ${ignored} untranslated "
      "(cmake --build build --target update_translations, then translate with linguist):\n${vystup}\n")
  endif()
endforeach()
if(chyby)
  message(FATAL_ERROR "${chyby}")
endif()
