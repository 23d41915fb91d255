# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DMAN=man -DGROFF=groff -DSTRANKA=man6/PAGE -DVZOR=ENGLISH_PAGE -P over-stranku.cmake
# Run in the root of one language's pages (".so man6/..." resolves there).
function(spust popis)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE kod OUTPUT_VARIABLE vystup ERROR_VARIABLE chyby)
  if(NOT kod EQUAL 0 OR NOT chyby STREQUAL "" OR vystup STREQUAL "")
    message(FATAL_ERROR "${popis} ${STRANKA}: status ${kod}\n${chyby}")
  endif()
endfunction()

spust("man" ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
  ${MAN} --warnings -E UTF-8 -l ${STRANKA})
spust("groff" ${GROFF} -ww -man -Tutf8 ${STRANKA})

# The skeleton of a page: its sections, each with the number of its entries
# (.TP). A translation that lacks an option or a section differs.
function(kostra soubor vysledek)
  file(STRINGS ${soubor} radky)
  set(k "")
  set(tp 0)
  foreach(r IN LISTS radky)
    if(r MATCHES "^\\.SH")
      string(APPEND k "${tp} ")
      set(tp 0)
    elseif(r MATCHES "^\\.TP")
      math(EXPR tp "${tp} + 1")
    endif()
  endforeach()
  set(${vysledek} "${k}${tp}" PARENT_SCOPE)
endfunction()
kostra(${STRANKA} tato)
kostra(${VZOR} anglicka)
if(NOT tato STREQUAL anglicka)
  message(FATAL_ERROR "${STRANKA}: entries per section ${tato}, the English page has ${anglicka}")
endif()
