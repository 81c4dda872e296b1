# SPDX-License-Identifier: GPL-3.0-or-later
# Makes one ready-made worksheet from its row of the table, with the program itself:
#   -DPROGRAMM=<zifferbogen> -DTABELLE=<vorlagen.tsv> -DNAME=<row name> -DZIEL=<file.zfb>
#   -DARBEIT=<scratch folder>
# Columns: Name, Klasse, Titel, Ueberschrift, Arbeitsanweisung (lines split by " | "),
# Schriftgroessen (points of the task, solution, heading, numbering and work-instruction
# fonts), Einstellungen (--set NAME=VALUE pairs split by blanks), Versprechen (read by the test).
#
# The fonts are chosen in a font dialog, which the command line has not; so a first run saves
# the standard sheet, its five font records get the row's sizes, and a second run opens that
# file, applies the row and saves the sheet. Any message on stderr (a setting refused, a page
# that does not fit the paper) fails the build.
file(STRINGS ${TABELLE} zeilen ENCODING UTF-8)
set(felder "")
foreach(zeile IN LISTS zeilen)
  if(zeile MATCHES "^${NAME}\t")
    string(REPLACE "\t" ";" felder "${zeile}")
    break()
  endif()
endforeach()
list(LENGTH felder anzahl)
if(NOT anzahl EQUAL 8)
  message(FATAL_ERROR "vorlagen.tsv: die Zeile ${NAME} hat ${anzahl} statt 8 Spalten")
endif()
list(GET felder 3 ueberschrift)
list(GET felder 4 anweisung)
list(GET felder 5 groessen)
list(GET felder 6 einstellungen)

# A clean start: no standard settings of the user or the system reach the sheets.
file(REMOVE_RECURSE ${ARBEIT})
file(MAKE_DIRECTORY ${ARBEIT}/config ${ARBEIT}/daten)
set(ENV{XDG_CONFIG_HOME} ${ARBEIT}/config)
set(ENV{XDG_CONFIG_DIRS} ${ARBEIT}/config)
set(ENV{XDG_DATA_HOME} ${ARBEIT}/daten)

function(programm_lauf)
  execute_process(COMMAND ${PROGRAMM} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe ERROR_VARIABLE fehler)
  if(NOT status EQUAL 0 OR NOT fehler STREQUAL "")
    list(JOIN ARGN " " aufruf)
    message(FATAL_ERROR "Vorlage ${NAME}: zifferbogen ${aufruf}\nRückgabewert ${status}\n${fehler}")
  endif()
endfunction()

set(basis ${ARBEIT}/basis.zfb)
programm_lauf(--seed 1 --save ${basis})
file(READ ${basis} inhalt)
string(REPLACE " " ";" groessen "${groessen}")
list(LENGTH groessen anzahl)
if(NOT anzahl EQUAL 5)
  message(FATAL_ERROR "Vorlage ${NAME}: Schriftgroessen braucht fünf Zahlen")
endif()
# A font record reads " [[Arial] 16  0  -2147483640  1 ]": name, size, style, colour, character set.
set(neu "")
set(rest "${inhalt}")
foreach(groesse IN LISTS groessen)
  string(FIND "${rest}" "[[" anfang)
  if(anfang EQUAL -1)
    message(FATAL_ERROR "Vorlage ${NAME}: die Schriften der Grunddatei fehlen")
  endif()
  string(SUBSTRING "${rest}" 0 ${anfang} vor)
  string(SUBSTRING "${rest}" ${anfang} -1 rest)
  string(REGEX MATCH "^\\[\\[[^]\r\n]*\\] [0-9]+ " kopf "${rest}")
  if(kopf STREQUAL "")
    message(FATAL_ERROR "Vorlage ${NAME}: unerwarteter Schrifteintrag in der Grunddatei")
  endif()
  string(LENGTH "${kopf}" laenge)
  string(SUBSTRING "${rest}" ${laenge} -1 rest)
  string(REGEX REPLACE "[0-9]+ $" "${groesse} " kopf "${kopf}")
  string(APPEND neu "${vor}${kopf}")
endforeach()
file(WRITE ${basis} "${neu}${rest}")

set(argumente ${basis} --seed 1)
foreach(art heading instruction)
  if(art STREQUAL "heading")
    set(text "${ueberschrift}")
  else()
    set(text "${anweisung}")
  endif()
  string(REPLACE " | " ";" text "${text}")
  foreach(zeile IN LISTS text)
    list(APPEND argumente --${art} "${zeile}")
  endforeach()
endforeach()
string(REPLACE " " ";" einstellungen "${einstellungen}")
foreach(einstellung IN LISTS einstellungen)
  list(APPEND argumente --set ${einstellung})
endforeach()
programm_lauf(${argumente} --set BNeueAufgabe=true --save ${ZIEL})
