# SPDX-License-Identifier: GPL-3.0-or-later
# Every ready-made worksheet opens in the program and its page fits the paper with the real
# fonts: `zifferbogen <sheet> --page` shows tasks and writes nothing to stderr (the program
# warns there when rows or columns do not fit).
#   -DPROGRAMM=<zifferbogen> -DORDNER=<share/zifferbogen/vorlagen> -DARBEIT=<scratch folder>
file(REMOVE_RECURSE ${ARBEIT})
file(MAKE_DIRECTORY ${ARBEIT})
set(ENV{XDG_CONFIG_HOME} ${ARBEIT})
set(ENV{XDG_CONFIG_DIRS} ${ARBEIT})
set(ENV{XDG_DATA_HOME} ${ARBEIT})
file(STRINGS ${ORDNER}/vorlagen.tsv zeilen ENCODING UTF-8)
list(POP_FRONT zeilen)
foreach(zeile IN LISTS zeilen)
  string(REGEX MATCH "^[^\t]+" name "${zeile}")
  foreach(startwert 1 2 3)
    execute_process(COMMAND ${PROGRAMM} ${ORDNER}/${name}.zfb --seed ${startwert} --set BNeueAufgabe=true --page
                    RESULT_VARIABLE status OUTPUT_VARIABLE seite ERROR_VARIABLE fehler)
    if(NOT status EQUAL 0 OR seite STREQUAL "" OR NOT fehler STREQUAL "")
      message(FATAL_ERROR "Vorlage ${name}, Startwert ${startwert}: Rückgabewert ${status}\n${fehler}")
    endif()
    # The last field of a task line is an error message, empty for a task.
    if(seite MATCHES "[^\t\n]\n|[^\t\n]$")
      message(FATAL_ERROR "Vorlage ${name}, Startwert ${startwert}: eine Fehlerzeile\n${seite}")
    endif()
  endforeach()
endforeach()
