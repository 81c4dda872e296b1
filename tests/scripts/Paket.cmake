# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of the build as the README tells (cpack -G DEB) into a folder of
# its own, unpacks it and checks what it holds, where the files land, that the packaged
# program runs, what the package depends on, that its file times are the last commit's, and
# what Debian's own checkers say: lintian (no error, no warning) and appstreamcli, where they
# are installed.
#   -DCPACK=... -DBAU=<build folder> -DQUELLE=<source folder> -DZIEL=<scratch folder>
#   -DSYMBOLGROESSEN=48|128|256
file(REMOVE_RECURSE "${ZIEL}")
execute_process(COMMAND ${CPACK} -G DEB --config ${BAU}/CPackConfig.cmake -B ${ZIEL}
                RESULT_VARIABLE status OUTPUT_VARIABLE ausgabe ERROR_VARIABLE fehler)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack -G DEB schlug fehl (${status}):\n${ausgabe}\n${fehler}")
endif()
file(GLOB pakete RELATIVE ${ZIEL} ${ZIEL}/*.deb)
if(NOT pakete MATCHES "^zifferbogen_3\\.1_[a-z0-9]+\\.deb$")
  message(FATAL_ERROR "Erwartet war genau ein Paket zifferbogen_3.1_<Architektur>.deb, gefunden: ${pakete}")
endif()
set(paket ${ZIEL}/${pakete})

# The package's control fields.
execute_process(COMMAND dpkg-deb -f ${paket} Package Version Section Depends Recommends Suggests Maintainer
                        Homepage Description
                OUTPUT_VARIABLE felder RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -f liest das Paket nicht")
endif()
foreach(erwartet "Package: zifferbogen\n" "Version: 3\\.1\n" "Section: education\n" "Suggests: cups\n"
                 "Recommends: qt6-translations-l10n\n" "Maintainer: Zifferbogen Developers <[a-z]+@zifferbogen\\.de>\n"
                 "Description: make and print arithmetic worksheets for school\n .+\n .\n The user interface is German\\.")
  if(NOT felder MATCHES "${erwartet}")
    message(FATAL_ERROR "Feld fehlt oder falsch (${erwartet}):\n${felder}")
  endif()
endforeach()
# Every Qt library the program links, the C++ runtime, the platform plugins and the fonts.
string(REGEX MATCH "Depends: [^\n]*" abhaengig "${felder}")
execute_process(COMMAND objdump -p ${BAU}/bin/zifferbogen OUTPUT_VARIABLE kopf RESULT_VARIABLE status)
string(REGEX MATCHALL "NEEDED +libQt6[A-Za-z]+\\.so\\.6" qt "${kopf}")
if(NOT status EQUAL 0 OR NOT qt)
  message(FATAL_ERROR "objdump findet keine Qt-Bibliotheken im Programm:\n${kopf}")
endif()
set(bibliotheken libc6 libstdc\\+\\+6 qt6-qpa-plugins fonts-liberation)
foreach(eintrag IN LISTS qt)
  # libQt6PrintSupport.so.6 comes in the package libqt6printsupport6.
  string(REGEX REPLACE "NEEDED +libQt6([A-Za-z]+)\\.so\\.6" "libqt6\\1" name "${eintrag}")
  string(TOLOWER "${name}6" name)
  list(APPEND bibliotheken ${name})
endforeach()
foreach(bibliothek IN LISTS bibliotheken)
  if(NOT abhaengig MATCHES "(: |, )${bibliothek}( |,|$)")
    message(FATAL_ERROR "${bibliothek} fehlt in den Abhängigkeiten: ${abhaengig}")
  endif()
endforeach()

# Exactly these files, and nothing else (no libraries, headers or tests of the build).
if(felder MATCHES "Homepage:")
  message(FATAL_ERROR "Das Paket nennt eine Homepage, die es nicht gibt:\n${felder}")
endif()
set(erwartet
  ./usr/bin/zifferbogen
  ./usr/share/applications/de.zifferbogen.Zifferbogen.desktop
  ./usr/share/metainfo/de.zifferbogen.Zifferbogen.metainfo.xml
  ./usr/share/mime/packages/zifferbogen.xml
  ./usr/share/icons/hicolor/scalable/apps/zifferbogen.svg
  ./usr/share/doc/zifferbogen/copyright
  ./usr/share/doc/zifferbogen/changelog.gz
  ./usr/share/man/man1/zifferbogen.1.gz
  ./usr/share/man/de/man1/zifferbogen.1.gz)
string(REPLACE "|" ";" groessen "${SYMBOLGROESSEN}")
foreach(groesse IN LISTS groessen)
  list(APPEND erwartet ./usr/share/icons/hicolor/${groesse}x${groesse}/apps/zifferbogen.png)
endforeach()
# The ready-made worksheets, one per row of their table, and the table.
file(STRINGS ${BAU}/share/zifferbogen/vorlagen/vorlagen.tsv vorlagen ENCODING UTF-8)
list(POP_FRONT vorlagen)
list(APPEND erwartet ./usr/share/zifferbogen/vorlagen/vorlagen.tsv)
foreach(zeile IN LISTS vorlagen)
  string(REGEX MATCH "^[^\t]+" name "${zeile}")
  list(APPEND erwartet ./usr/share/zifferbogen/vorlagen/${name}.zfb)
endforeach()
# The manual and the pictures it shows.
file(READ ${BAU}/share/zifferbogen/hilfe/handbuch.html handbuch)
string(REGEX MATCHALL "<img [^>]*src=\"[^\"]+\"" bilder "${handbuch}")
list(APPEND erwartet ./usr/share/zifferbogen/hilfe/handbuch.html)
foreach(bild IN LISTS bilder)
  string(REGEX REPLACE ".*src=\"([^\"]+)\"" "\\1" bild "${bild}")
  list(APPEND erwartet ./usr/share/zifferbogen/hilfe/${bild})
endforeach()
list(REMOVE_DUPLICATES erwartet)
execute_process(COMMAND dpkg-deb -c ${paket} OUTPUT_VARIABLE inhalt RESULT_VARIABLE status)
string(REGEX MATCHALL "\\./[^ \n]*[^/\n]\n" dateien "${inhalt}")
string(REPLACE "\n" "" dateien "${dateien}")
list(SORT dateien)
list(SORT erwartet)
if(NOT status EQUAL 0 OR NOT dateien STREQUAL erwartet)
  message(FATAL_ERROR "Inhalt des Pakets:\n${inhalt}\nerwartet wurden die Dateien:\n${erwartet}")
endif()
if(NOT inhalt MATCHES "-rwxr-xr-x [^\n]* \\./usr/bin/zifferbogen\n")
  message(FATAL_ERROR "Das Programm ist nicht ausführbar:\n${inhalt}")
endif()

# Unpacked as dpkg installs it: the program runs and the desktop entry starts it by name.
set(wurzel ${ZIEL}/wurzel)
execute_process(COMMAND dpkg -x ${paket} ${wurzel} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg -x konnte das Paket nicht auspacken")
endif()
execute_process(COMMAND ${wurzel}/usr/bin/zifferbogen --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version STREQUAL "Zifferbogen 3.1 vom 16.12.2006\n")
  message(FATAL_ERROR "Das ausgepackte Programm läuft nicht (${status}): ${version}")
endif()
execute_process(COMMAND ${wurzel}/usr/bin/zifferbogen ${wurzel}/usr/share/zifferbogen/vorlagen/${name}.zfb --page
                OUTPUT_VARIABLE seite ERROR_VARIABLE fehler RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR seite STREQUAL "" OR NOT fehler STREQUAL "")
  message(FATAL_ERROR "Die ausgepackte Vorlage ${name} öffnet nicht (${status}):\n${fehler}")
endif()
file(READ ${wurzel}/usr/share/applications/de.zifferbogen.Zifferbogen.desktop eintrag)
if(NOT eintrag MATCHES "\nExec=zifferbogen %f\n" OR NOT eintrag MATCHES "\nMimeType=application/x-zifferbogen;\n")
  message(FATAL_ERROR "Der Desktop-Eintrag startet das Programm nicht mit der Datei:\n${eintrag}")
endif()
foreach(groesse IN LISTS groessen)
  execute_process(COMMAND file -b ${wurzel}/usr/share/icons/hicolor/${groesse}x${groesse}/apps/zifferbogen.png
                  OUTPUT_VARIABLE art)
  if(NOT art MATCHES "^PNG image data, ${groesse} x ${groesse},")
    message(FATAL_ERROR "Das Symbol ${groesse}×${groesse} ist kein PNG dieser Größe: ${art}")
  endif()
endforeach()

# The licence in Debian's machine-readable form, and the changelog of this version.
file(STRINGS ${wurzel}/usr/share/doc/zifferbogen/copyright kopf LIMIT_COUNT 1)
if(NOT kopf STREQUAL "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
  message(FATAL_ERROR "copyright ist nicht im maschinenlesbaren Format: ${kopf}")
endif()
execute_process(COMMAND gzip -dc ${wurzel}/usr/share/doc/zifferbogen/changelog.gz OUTPUT_VARIABLE aenderungen
                RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT aenderungen MATCHES "^zifferbogen \\(3\\.1\\) [a-z]+; urgency=")
  message(FATAL_ERROR "changelog.gz fehlt oder nennt nicht Version 3.1:\n${aenderungen}")
endif()

# Every file time is the last commit's, so two builds of a commit give the same package.
execute_process(COMMAND git -C ${QUELLE} log -1 --format=%ct OUTPUT_VARIABLE zeit RESULT_VARIABLE status
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(status EQUAL 0 AND NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  foreach(teil ctrl-tarfile fsys-tarfile)
    execute_process(COMMAND dpkg-deb --${teil} ${paket} COMMAND tar -tv --numeric-owner "--full-time"
                    OUTPUT_VARIABLE liste)
    execute_process(COMMAND date -u -d @${zeit} "+%Y-%m-%d %H:%M:%S" OUTPUT_VARIABLE stempel
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX MATCHALL "[0-9]+-[0-9]+-[0-9]+ [0-9:]+ " zeiten "${liste}")
    list(REMOVE_DUPLICATES zeiten)
    if(NOT zeiten STREQUAL "${stempel} ")
      message(FATAL_ERROR "Die Zeiten in ${teil} sind nicht die des letzten Commits (${stempel}):\n${liste}")
    endif()
  endforeach()
endif()

# The AppStream metadata: valid without a warning, under the desktop entry's id.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  set(metainfo ${wurzel}/usr/share/metainfo/de.zifferbogen.Zifferbogen.metainfo.xml)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --no-color ${metainfo}
                  OUTPUT_VARIABLE bericht ERROR_VARIABLE bericht RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR bericht MATCHES "(^|\n)[EW]:")
    message(FATAL_ERROR "appstreamcli validate:\n${bericht}")
  endif()
  file(READ ${metainfo} metadaten)
  if(NOT metadaten MATCHES "<id>de\\.zifferbogen\\.Zifferbogen</id>"
     OR NOT metadaten MATCHES "<launchable type=\"desktop-id\">de\\.zifferbogen\\.Zifferbogen\\.desktop</launchable>"
     OR NOT metadaten MATCHES "<mediatype>application/x-zifferbogen</mediatype>")
    message(FATAL_ERROR "Die Metadaten nennen nicht den Desktop-Eintrag und den Dateityp:\n${metadaten}")
  endif()
else()
  message(STATUS "appstreamcli fehlt (Paket appstream): die Metadaten werden nicht geprüft.")
endif()

# Debian's checker, pedantic: information at most.
find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --pedantic --display-info --tag-display-limit 0 ${paket}
                  OUTPUT_VARIABLE bericht ERROR_VARIABLE meldungen RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR bericht MATCHES "(^|\n)[EWX]:")
    message(FATAL_ERROR "lintian meldet (${status}):\n${bericht}\n${meldungen}")
  endif()
  message(STATUS "lintian:\n${bericht}")
else()
  message(STATUS "lintian fehlt: das Paket wird nicht von lintian geprüft.")
endif()
file(REMOVE_RECURSE "${ZIEL}")
