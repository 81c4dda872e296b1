# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program as a user would from a shell and checks exit status and outputs:
#   -DPROGRAMM=... -DARGUMENTE="a|b|c" -DSTATUS=n [-DAUSGABE_ENTHAELT=text] [-DAUSGABE_LEER=ON]
#   [-DFEHLER_ENTHAELT=text]
string(REPLACE "|" ";" argumente "${ARGUMENTE}")
execute_process(COMMAND ${PROGRAMM} ${argumente}
                RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe ERROR_VARIABLE fehler)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "Rückgabewert ${status} statt ${STATUS}\nAusgabe:\n${ausgabe}\nFehler:\n${fehler}")
endif()
if(DEFINED AUSGABE_ENTHAELT AND NOT ausgabe MATCHES "${AUSGABE_ENTHAELT}")
  message(FATAL_ERROR "Ausgabe ohne \"${AUSGABE_ENTHAELT}\":\n${ausgabe}")
endif()
if(AUSGABE_LEER AND NOT ausgabe STREQUAL "")
  message(FATAL_ERROR "Ausgabe sollte leer sein:\n${ausgabe}")
endif()
if(DEFINED FEHLER_ENTHAELT AND NOT fehler MATCHES "${FEHLER_ENTHAELT}")
  message(FATAL_ERROR "Fehlerausgabe ohne \"${FEHLER_ENTHAELT}\":\n${fehler}")
endif()
