# SPDX-License-Identifier: GPL-3.0-or-later
# The layering of the sources, checked include by include:
# - nothing outside src/qt/ and src/main.cpp includes a Qt header, so the core builds and
#   tests without Qt;
# - the folders of src/qt/ see what their kind needs (below);
# - each folder of the core includes only the folders below it, listed here. The generator
#   sees only itself, the random source and the value guard; the sheet never sees the
#   settings window or the window models of app/; the command line (cli/) stands on them all.
set(erlaubt_toolkit   "toolkit")
set(erlaubt_generator "generator|toolkit/Zufall\\.h|toolkit/Waechter\\.h")
set(erlaubt_files     "files|toolkit")
set(erlaubt_settings  "settings|generator|files|toolkit")
set(erlaubt_sheet     "sheet|generator|files|toolkit")
set(erlaubt_app       "app|settings|sheet|generator|files|toolkit")
set(erlaubt_cli       "cli|app|settings|sheet|generator|files|toolkit")
# The Qt layer in its three kinds: the binder ties widgets to the control model (its paint
# box draws on the Qt canvas, its error handler names file errors); the platform implements
# the toolkit's interfaces (and saves through the atomic file); the views build the windows
# on the models and may use both.
set(erlaubt_qt_binding  "qt/binding|toolkit|files/Fehler\\.h|qt/platform/QtLeinwand\\.h")
set(erlaubt_qt_platform "qt/platform|files|toolkit")
set(erlaubt_qt_views    "qt/views|qt/binding|qt/platform|app|settings|sheet|generator|files|toolkit")

file(GLOB_RECURSE dateien "${QUELLEN}/*.h" "${QUELLEN}/*.cpp")
set(verstoesse "")
foreach(datei IN LISTS dateien)
  if(datei MATCHES "/src/main\\.cpp$")
    continue()
  endif()
  file(RELATIVE_PATH relativ "${QUELLEN}" "${datei}")
  if(relativ MATCHES "^qt/")
    string(REGEX REPLACE "^qt/([^/]*)/.*" "qt_\\1" ordner "${relativ}")
  else()
    file(STRINGS "${datei}" qt REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]")
    if(qt)
      list(APPEND verstoesse "${datei}: Qt im Kern: ${qt}")
    endif()
    string(REGEX REPLACE "/.*" "" ordner "${relativ}")
  endif()
  if(NOT DEFINED erlaubt_${ordner})
    list(APPEND verstoesse "${datei}: Ordner ${ordner} hat keine Schichtenregel")
    continue()
  endif()
  file(STRINGS "${datei}" eigene REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
  foreach(zeile IN LISTS eigene)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" ziel "${zeile}")
    if(NOT ziel MATCHES "^(${erlaubt_${ordner}})(/|$)" AND NOT ziel MATCHES "^(${erlaubt_${ordner}})$")
      list(APPEND verstoesse "${datei}: ${ordner}/ darf ${ziel} nicht einbinden")
    endif()
  endforeach()
endforeach()
if(verstoesse)
  list(JOIN verstoesse "\n" text)
  message(FATAL_ERROR "Schichtenregeln verletzt:\n${text}")
endif()
