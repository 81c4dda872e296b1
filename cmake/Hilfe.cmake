# SPDX-License-Identifier: GPL-3.0-or-later
# The manual: docs/handbuch.html with the pictures of docs/ it shows, copied into the folder
# where the program looks for it beside itself (bin/../share/zifferbogen/hilfe) and installed
# to the same place under the prefix. The pictures are taken from the page's own <img> tags,
# so the page and the pictures that go with it cannot drift apart.
include(GNUInstallDirs)

set(ZB_HILFE_SEITE ${CMAKE_SOURCE_DIR}/docs/handbuch.html)
set(ZB_HILFE_ORDNER ${CMAKE_BINARY_DIR}/share/zifferbogen/hilfe)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZB_HILFE_SEITE})

file(READ ${ZB_HILFE_SEITE} seite)
string(REGEX MATCHALL "<img [^>]*src=\"[^\"]+\"" verweise "${seite}")
set(bilder "")
foreach(verweis IN LISTS verweise)
  string(REGEX REPLACE ".*src=\"([^\"]+)\"" "\\1" bild "${verweis}")
  if(NOT bild MATCHES "^[a-z0-9-]+\\.png$" OR NOT EXISTS ${CMAKE_SOURCE_DIR}/docs/${bild})
    message(FATAL_ERROR "handbuch.html zeigt das Bild ${bild}, das es in docs/ nicht gibt")
  endif()
  list(APPEND bilder ${bild})
endforeach()
list(REMOVE_DUPLICATES bilder)

set(dateien "")
foreach(datei handbuch.html ${bilder})
  add_custom_command(OUTPUT ${ZB_HILFE_ORDNER}/${datei}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/docs/${datei}
                             ${ZB_HILFE_ORDNER}/${datei}
                     DEPENDS ${CMAKE_SOURCE_DIR}/docs/${datei} VERBATIM)
  list(APPEND dateien ${ZB_HILFE_ORDNER}/${datei})
endforeach()
add_custom_target(zb_hilfe ALL DEPENDS ${dateien})
install(FILES ${dateien} DESTINATION ${CMAKE_INSTALL_DATADIR}/zifferbogen/hilfe)
