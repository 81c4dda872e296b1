# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the program and making its Debian package: `cpack -G DEB` in the build folder
# gives zifferbogen_3.1_amd64.deb. The desktop entry, the MIME type, the icons and the
# AppStream metadata go where the desktop looks for them; the dpkg triggers of
# shared-mime-info, desktop-file-utils, hicolor-icon-theme and man-db rebuild their caches, so
# the package needs no scripts of its own. The package is reproducible: its file times are
# those of the last commit (SOURCE_DATE_EPOCH), its compressed files carry no time or name.
include(GNUInstallDirs)

set(zb_daten ${CMAKE_SOURCE_DIR}/data)
set(zb_paket ${CMAKE_BINARY_DIR}/paket)
# Folders as Debian wants them, whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS zifferbogen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Stripped as Debian strips: the compiler's version notes go too.
if(CMAKE_OBJCOPY)
  install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zifferbogen\")")
endif()
install(FILES ${zb_daten}/de.zifferbogen.Zifferbogen.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${zb_daten}/de.zifferbogen.Zifferbogen.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${zb_daten}/zifferbogen.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${zb_daten}/zifferbogen.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${zb_daten}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zifferbogen)

# The changelog and the manual pages (English, and German for a German locale), compressed as
# Debian wants them: gzip -9n keeps no name and no time, so the bytes depend on the text only.
find_program(ZB_GZIP gzip REQUIRED)
set(zb_gepackt "")
foreach(paar "changelog|changelog.gz" "man/zifferbogen.1|man/man1/zifferbogen.1.gz"
             "man/de/zifferbogen.1|man/de/man1/zifferbogen.1.gz")
  string(REPLACE "|" ";" paar "${paar}")
  list(GET paar 0 quelle)
  list(GET paar 1 ziel)
  get_filename_component(ordner ${zb_paket}/${ziel} DIRECTORY)
  add_custom_command(OUTPUT ${zb_paket}/${ziel}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${ordner}
                     COMMAND ${ZB_GZIP} -9n -c ${zb_daten}/${quelle} > ${zb_paket}/${ziel}
                     DEPENDS ${zb_daten}/${quelle} VERBATIM)
  list(APPEND zb_gepackt ${zb_paket}/${ziel})
endforeach()
add_custom_target(zb_paketdateien ALL DEPENDS ${zb_gepackt})
install(FILES ${zb_paket}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zifferbogen)
install(FILES ${zb_paket}/man/man1/zifferbogen.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${zb_paket}/man/de/man1/zifferbogen.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)

# The icon in fixed sizes for menus and panels that do not scale SVG, rendered from the one
# drawing at build time.
find_program(ZB_RSVG_CONVERT rsvg-convert)
set(ZB_SYMBOLGROESSEN "")
if(ZB_RSVG_CONVERT)
  set(bilder "")
  foreach(groesse 48 128 256)
    set(ordner ${CMAKE_BINARY_DIR}/symbole/${groesse}x${groesse})
    add_custom_command(OUTPUT ${ordner}/zifferbogen.png
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${ordner}
                       COMMAND ${ZB_RSVG_CONVERT} -w ${groesse} -h ${groesse} -o ${ordner}/zifferbogen.png
                               ${zb_daten}/zifferbogen.svg
                       DEPENDS ${zb_daten}/zifferbogen.svg
                       COMMENT "Symbol ${groesse}×${groesse}" VERBATIM)
    list(APPEND bilder ${ordner}/zifferbogen.png)
    list(APPEND ZB_SYMBOLGROESSEN ${groesse})
    install(FILES ${ordner}/zifferbogen.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps)
  endforeach()
  add_custom_target(zb_symbole ALL DEPENDS ${bilder})
else()
  message(STATUS "rsvg-convert fehlt (Paket librsvg2-bin): das Symbol wird nur als SVG installiert.")
endif()

# cpack reads this at its start: the file times of the package are the last commit's, unless
# whoever builds sets SOURCE_DATE_EPOCH. Outside a git checkout they stay the build's.
set(zb_cpack_zeit ${CMAKE_BINARY_DIR}/CPackZeit.cmake)
file(WRITE ${zb_cpack_zeit} "
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C \"${CMAKE_SOURCE_DIR}\" log -1 --format=%ct
                  OUTPUT_VARIABLE zeit OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status ERROR_QUIET)
  if(status EQUAL 0 AND zeit MATCHES \"^[0-9]+$\")
    set(ENV{SOURCE_DATE_EPOCH} \${zeit})
  endif()
endif()
")
set(CPACK_PROJECT_CONFIG_FILE ${zb_cpack_zeit})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zifferbogen)
set(CPACK_PACKAGE_VENDOR "Zifferbogen Developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make and print arithmetic worksheets for school")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zifferbogen makes printed arithmetic worksheets for primary and lower
secondary school. The teacher chooses which tasks may occur: addition,
subtraction, multiplication and division, mental and written, the number
range, carrying over ten and hundred, times tables, remainders and blanks for
the pupil. The program draws up to 300 distinct random tasks and lays them out
as a worksheet, printed on any printer or into a PDF file, several different
sheets at once, numbered if wished and with solution sheets. It comes with 32
ready-made worksheets for grades 1 to 4 and a command line for scripts.

The user interface is German.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zifferbogen Developers <entwicklung@zifferbogen.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the Qt libraries the program links; what Qt loads at run time is named
# here: the window system's platform plugins and the Arial-compatible fonts the pages use.
# Qt's own German texts (the standard dialogs' buttons) are welcome, not needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_STRIP_FILES ON)
include(CPack)
