# SPDX-License-Identifier: GPL-3.0-or-later
# Runs at install time (from install.cmake): writes the menu entry with the
# launcher's full path and installs it. Expects KAVIREL_DESKTOP_IN,
# KAVIREL_DESKTOP_OUT, KAVIREL_BINDIR and KAVIREL_DATADIR; CMAKE_INSTALL_PREFIX
# is the prefix of this installation, DESTDIR is honoured by file(INSTALL).

foreach(_dir KAVIREL_BINDIR KAVIREL_DATADIR)
  if(NOT IS_ABSOLUTE "${${_dir}}")
    set(${_dir} "${CMAKE_INSTALL_PREFIX}/${${_dir}}")
  endif()
endforeach()

set(_spustit "${KAVIREL_BINDIR}/kavirel-spustit")
# A desktop entry's Exec needs quoting for blanks and escapes for a few more
# characters; rather than escape those, fall back to the search path.
if(_spustit MATCHES "[\"`$\\\\%]")
  set(_spustit "kavirel-spustit")
elseif(_spustit MATCHES " ")
  set(_spustit "\"${_spustit}\"")
endif()

file(READ "${KAVIREL_DESKTOP_IN}" _text)
string(REPLACE "@KAVIREL_SPUSTIT@" "${_spustit}" _text "${_text}")
file(WRITE "${KAVIREL_DESKTOP_OUT}" "${_text}")
file(INSTALL "${KAVIREL_DESKTOP_OUT}" DESTINATION "${KAVIREL_DATADIR}/applications")
