# SPDX-License-Identifier: GPL-3.0-or-later
# A long print run into a PDF on a disk that fills up part-way (a file size limit stands in
# for it): the run ends with exit 1 and the German reason, naming the file; the file that was
# there stays as it was and no temporary file is left beside it.
#   -DPROGRAMM=... -DORDNER=scratch folder
file(REMOVE_RECURSE "${ORDNER}")
file(MAKE_DIRECTORY "${ORDNER}")
set(ziel "${ORDNER}/blaetter.pdf")
file(WRITE "${ziel}" "alt")
# 64 blocks of 512 bytes hold a few pages; the signal of a file grown too large is ignored, so
# that the write fails with EFBIG as it would with ENOSPC on a full disk.
execute_process(COMMAND sh -c "trap '' XFSZ; ulimit -f 64; exec \"$0\" --seed 1 --sheets 200 --pdf \"$1\""
                        "${PROGRAMM}" "${ziel}"
                RESULT_VARIABLE status ERROR_VARIABLE fehler)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "Rückgabewert ${status} statt 1:\n${fehler}")
endif()
if(NOT fehler STREQUAL "zifferbogen: Die Datei „${ziel}“ konnte nicht geschrieben werden (Datei zu groß).\n")
  message(FATAL_ERROR "Unerwartete Meldung:\n${fehler}")
endif()
file(READ "${ziel}" inhalt)
file(GLOB uebrig RELATIVE "${ORDNER}" "${ORDNER}/*" "${ORDNER}/.*")
if(NOT inhalt STREQUAL "alt" OR NOT uebrig STREQUAL "blaetter.pdf")
  message(FATAL_ERROR "Ziel verändert oder Reste im Ordner: „${inhalt}“, ${uebrig}")
endif()
file(REMOVE_RECURSE "${ORDNER}")
