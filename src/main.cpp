// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the program: the desktop program, or the headless outputs when an output option
// is given.

#include "cli/Kommandozeile.h"
#include "app/Standarddatei.h"
#include "app/Vorlagen.h"
#include "files/Dateizugriff.h"
#include "qt/views/Desktop.h"
#include "qt/platform/Kopflos.h"
#include "qt/platform/QtAusgabegeraete.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // A long print run stopped by a signal (a logout, Ctrl+C) leaves no temporary file.
    TemporaereDateienBeiSignalEntfernen();
    std::vector<std::string> argumente(argv + 1, argv + argc);
    TKommandozeile auftrag;
    try {
        auftrag = KommandozeileLesen(argumente);
    } catch (const TBedienfehler& fehler) {
        Melden(std::cerr, fehler.what());
        return StatusBedienfehler;
    }
    const std::filesystem::path vorlagen = Vorlagenordner(TStandarddatei::Programmverzeichnis());
    if (!auftrag.Kopflos()) {
        // The desktop program starts from a ready-made sheet as from the file it is.
        std::string datei;
        try {
            datei = Arbeitsblattdatei(auftrag, vorlagen);
        } catch (const TBedienfehler& fehler) {
            Melden(std::cerr, fehler.what());
            return StatusBedienfehler;
        }
        if (!FensterMoeglich()) {
            Melden(std::cerr,
                   "Zifferbogen braucht für seine Fenster eine grafische Arbeitsoberfläche, hier ist "
                   "keine (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). Ohne Fenster schreibt "
                   "zifferbogen --pdf DATEI.pdf das Arbeitsblatt als PDF; mehr zeigt zifferbogen --help.");
            return StatusDateifehler;
        }
        return DesktopStarten(argc, argv, datei.empty() ? std::vector<std::string>{} : std::vector{datei});
    }
    if (!auftrag.Seitenausgabe())
        return KommandozeileAusfuehren(auftrag, std::cout, std::cerr, TStandarddatei::Lesepfad(), nullptr, vorlagen);
    // The page is measured and drawn with Qt's fonts, PDF and SVG; no display is needed.
    const auto anwendung = KopflosStarten(argc, argv);
    TQtAusgabegeraete geraete;
    return KommandozeileAusfuehren(auftrag, std::cout, std::cerr, TStandarddatei::Lesepfad(), &geraete, vorlagen);
}
