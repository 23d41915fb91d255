# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -P: every place that names the version and its day agrees with the
# project's (VERZE, DATUM): debian/changelog, the programs' --version and the
# AppStream release. Expects VERZE, DATUM, CHANGELOG, METAINFO, RESIT and,
# when the game is built, HRA.

set(_chyby 0)
function(porovnej co nalezeno ocekavano)
  if(NOT "${nalezeno}" STREQUAL "${ocekavano}")
    message(SEND_ERROR "${co}: \"${nalezeno}\", expected \"${ocekavano}\"")
  else()
    message(STATUS "${co}: ${nalezeno}")
  endif()
endfunction()

# The newest entry of the changelog: its first line and its trailer line.
file(STRINGS "${CHANGELOG}" _hlavicka LIMIT_COUNT 1)
string(REGEX REPLACE "^kavirel \\(([^)]*)\\) .*$" "\\1" _verze_changelog "${_hlavicka}")
file(STRINGS "${CHANGELOG}" _podpisy REGEX "^ -- ")
list(GET _podpisy 0 _podpis)
set(_mesice Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(_den_changelog "")
if(_podpis MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  list(FIND _mesice "${CMAKE_MATCH_2}" _m)
  math(EXPR _m "${_m} + 1")
  if(_m LESS 10)
    set(_m "0${_m}")
  endif()
  set(_den_changelog "${CMAKE_MATCH_3}-${_m}-${CMAKE_MATCH_1}")
endif()

file(READ "${METAINFO}" _metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\" date=\"([^\"]*)\"" _ "${_metainfo}")
set(_verze_metainfo "${CMAKE_MATCH_1}")
set(_den_metainfo "${CMAKE_MATCH_2}")

set(_pripady
  "debian/changelog version|${_verze_changelog}|${VERZE}"
  "debian/changelog day|${_den_changelog}|${DATUM}"
  "AppStream release version|${_verze_metainfo}|${VERZE}"
  "AppStream release day|${_den_metainfo}|${DATUM}")
foreach(_program RESIT HRA)
  if(NOT "${${_program}}" STREQUAL "")
    get_filename_component(_jmeno "${${_program}}" NAME)
    execute_process(COMMAND "${${_program}}" --version
      OUTPUT_VARIABLE _vystup RESULT_VARIABLE _kod OUTPUT_STRIP_TRAILING_WHITESPACE)
    list(APPEND _pripady "${_jmeno} --version|${_vystup}|${_jmeno} ${VERZE}"
      "${_jmeno} --version status|${_kod}|0")
  endif()
endforeach()

foreach(_pripad IN LISTS _pripady)
  string(REPLACE "|" ";" _pripad "${_pripad}")
  list(GET _pripad 0 _co)
  list(GET _pripad 1 _nalezeno)
  list(GET _pripad 2 _ocekavano)
  porovnej("${_co}" "${_nalezeno}" "${_ocekavano}")
endforeach()
