# Installing the program and making its Debian package: `cpack -G DEB` in the build folder
# gives zifferbogen_3.1_amd64.deb. The desktop entry, the MIME type and the icons go where
# the desktop looks for them; the dpkg triggers of shared-mime-info, desktop-file-utils and
# hicolor-icon-theme rebuild their caches, so the package needs no scripts of its own.
include(GNUInstallDirs)

set(zb_daten ${CMAKE_SOURCE_DIR}/data)
install(TARGETS zifferbogen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${zb_daten}/zifferbogen.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${zb_daten}/zifferbogen.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${zb_daten}/zifferbogen.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zifferbogen)
set(CPACK_PACKAGE_VENDOR "Zifferbogen")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic worksheets for school / Rechenaufgaben-Arbeitsblätter")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "With it teachers make worksheets of arithmetic tasks for primary and
secondary school: addition, subtraction, multiplication and division, mental
and written, with their number ranges and rules. The sheets are printed on any
printer or into a PDF file, numbered if wished and with solution sheets.

Lehrerinnen und Lehrer erstellen damit Arbeitsblätter mit Rechenaufgaben für
Grund- und Hauptschule: Plus, Minus, Mal und Geteilt, im Kopf und schriftlich,
mit Zahlenraum und Regeln. Die Blätter werden auf jedem Drucker oder als PDF
gedruckt, auf Wunsch nummeriert und mit Lösungsblättern.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zifferbogen-Entwicklung <zifferbogen@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps finds the Qt libraries the program links; what Qt loads at run time is named
# here: the window system's platform plugins and the Arial-compatible fonts the pages use.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_STRIP_FILES ON)
include(CPack)
