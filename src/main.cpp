// Entry of the program: the desktop program, or the headless outputs when an output option
// is given.

#include "cli/Kommandozeile.h"
#include "app/Standarddatei.h"
#include "files/Dateizugriff.h"
#include "qt/views/Desktop.h"
#include "qt/platform/Kopflos.h"
#include "qt/platform/QtAusgabegeraete.h"

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
    if (!auftrag.Kopflos())
        return DesktopStarten(argc, argv,
                              auftrag.Datei.empty() ? std::vector<std::string>{} : std::vector{auftrag.Datei});
    if (!auftrag.Seitenausgabe())
        return KommandozeileAusfuehren(auftrag, std::cout, std::cerr, TStandarddatei::Lesepfad());
    // The page is measured and drawn with Qt's fonts, PDF and SVG; no display is needed.
    const auto anwendung = KopflosStarten(argc, argv);
    TQtAusgabegeraete geraete;
    return KommandozeileAusfuehren(auftrag, std::cout, std::cerr, TStandarddatei::Lesepfad(), &geraete);
}
