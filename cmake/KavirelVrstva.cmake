# SPDX-License-Identifier: GPL-3.0-or-later
# kavirel_vrstva(NAME [QT] [RESOURCES qrc...] [USES lower targets...])
# Builds every *.cpp of the calling folder into the static library NAME. The
# folder's headers are public to the targets that link NAME; the folders it
# uses are its only other project headers. New files are picked up without
# editing any CMakeLists.txt.
function(kavirel_vrstva name)
  cmake_parse_arguments(PARSE_ARGV 1 V "QT" "" "RESOURCES;USES")
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name} STATIC ${sources} ${V_RESOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${V_USES})
  if(V_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    target_link_libraries(${name} PUBLIC Qt6::Widgets)
  endif()
endfunction()
