# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration: the launcher, the menu entry, the icons in the hicolor
# theme and the AppStream metadata. The programs themselves (kavirel,
# kavirel-resit) install from their own targets.
include(GNUInstallDirs)

set(KAVIREL_APP_ID cz.kavirel.Kavirel)
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

install(FILES ${KAVIREL_RES}/${KAVIREL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

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
