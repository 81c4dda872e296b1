# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program as a user would to print a worksheet into a PDF, then reads the PDF back
# with poppler: one A4 page whose text holds the heading and the tasks.
#   -DPROGRAMM=... -DZIEL=file.pdf -DUEBERSCHRIFT=text
file(REMOVE "${ZIEL}")
execute_process(COMMAND ${PROGRAMM} --seed 5 --heading "${UEBERSCHRIFT}" --set CBNummerierung=true --pdf "${ZIEL}"
                RESULT_VARIABLE status ERROR_VARIABLE fehler)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Rückgabewert ${status}:\n${fehler}")
endif()
if(NOT fehler STREQUAL "")
  message(FATAL_ERROR "Unerwartete Fehlerausgabe:\n${fehler}")
endif()
execute_process(COMMAND pdfinfo "${ZIEL}" OUTPUT_VARIABLE info RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT info MATCHES "Pages: +1\n" OR NOT info MATCHES "Page size: +595(\\.[0-9]+)? x 842(\\.[0-9]+)? pts \\(A4\\)")
  message(FATAL_ERROR "Kein einseitiges A4-PDF:\n${info}")
endif()
execute_process(COMMAND pdftotext -layout "${ZIEL}" - OUTPUT_VARIABLE text RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT text MATCHES "${UEBERSCHRIFT}")
  message(FATAL_ERROR "Überschrift fehlt im PDF:\n${text}")
endif()
# Numbered times-table tasks: "1.  7 · 4 =" and so on, at least forty of them.
string(REGEX MATCHALL "[0-9]+\\.[ ]+[0-9]+ +· +[0-9]+ +=" aufgaben "${text}")
list(LENGTH aufgaben anzahl)
if(anzahl LESS 40)
  message(FATAL_ERROR "Nur ${anzahl} Aufgaben im PDF gefunden:\n${text}")
endif()
file(REMOVE "${ZIEL}")
