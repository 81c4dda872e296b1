# SPDX-License-Identifier: GPL-3.0-or-later
# The ready-made worksheets: data/vorlagen.tsv holds one row per sheet (name, grade, title,
# heading, work instruction, font sizes, settings, and what its tasks promise). The program
# itself makes each sheet's worksheet file from its row at build time, into the folder where
# it looks for them beside itself (bin/../share/zifferbogen/vorlagen), and the table goes
# along; both are installed to the same place under the prefix.
include(GNUInstallDirs)

set(ZB_VORLAGEN_TABELLE ${CMAKE_SOURCE_DIR}/data/vorlagen.tsv)
set(ZB_VORLAGEN_ORDNER ${CMAKE_BINARY_DIR}/share/zifferbogen/vorlagen)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZB_VORLAGEN_TABELLE})

file(STRINGS ${ZB_VORLAGEN_TABELLE} zeilen ENCODING UTF-8)
list(POP_FRONT zeilen) # the header
set(vorlagen "")
foreach(zeile IN LISTS zeilen)
  string(REGEX MATCH "^[a-z0-9-]+\t" name "${zeile}")
  string(STRIP "${name}" name)
  if(name STREQUAL "")
    message(FATAL_ERROR "vorlagen.tsv: eine Zeile ohne gültigen Namen: ${zeile}")
  endif()
  set(datei ${ZB_VORLAGEN_ORDNER}/${name}.zfb)
  add_custom_command(OUTPUT ${datei}
                     COMMAND ${CMAKE_COMMAND} -DPROGRAMM=$<TARGET_FILE:zifferbogen> -DTABELLE=${ZB_VORLAGEN_TABELLE}
                             -DNAME=${name} -DZIEL=${datei} -DARBEIT=${CMAKE_BINARY_DIR}/vorlagen-arbeit/${name}
                             -P ${CMAKE_SOURCE_DIR}/cmake/VorlageErzeugen.cmake
                     DEPENDS zifferbogen ${ZB_VORLAGEN_TABELLE} ${CMAKE_SOURCE_DIR}/cmake/VorlageErzeugen.cmake
                     COMMENT "Vorlage ${name}" VERBATIM)
  list(APPEND vorlagen ${datei})
endforeach()
add_custom_command(OUTPUT ${ZB_VORLAGEN_ORDNER}/vorlagen.tsv
                   COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ZB_VORLAGEN_TABELLE} ${ZB_VORLAGEN_ORDNER}/vorlagen.tsv
                   DEPENDS ${ZB_VORLAGEN_TABELLE} VERBATIM)
add_custom_target(zb_vorlagen ALL DEPENDS ${vorlagen} ${ZB_VORLAGEN_ORDNER}/vorlagen.tsv)
install(FILES ${vorlagen} ${ZB_VORLAGEN_ORDNER}/vorlagen.tsv
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zifferbogen/vorlagen)
