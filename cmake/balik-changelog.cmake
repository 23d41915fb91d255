# SPDX-License-Identifier: GPL-3.0-or-later
# Runs in cpack after the installation into the package's tree: adds the
# compressed Debian changelog next to the copyright file. gzip -n leaves out
# the name and time, so the package does not change from build to build.
find_program(KAVIREL_GZIP gzip REQUIRED)
set(_doc "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${KAVIREL_DOCDIR}")
file(MAKE_DIRECTORY "${_doc}")
execute_process(COMMAND ${KAVIREL_GZIP} -9nc "${KAVIREL_BALIK_CHANGELOG}"
  OUTPUT_FILE "${_doc}/changelog.gz" RESULT_VARIABLE _kod)
if(NOT _kod EQUAL 0)
  message(FATAL_ERROR "gzip of the Debian changelog failed")
endif()
