// SPDX-License-Identifier: GPL-3.0-or-later
// Opens arbitrary bytes as a whole worksheet file in the main window, after the program has
// come up as it does at every start (with a fixed seed) and has opened a first file. A file that is refused must leave everything as it was:
// the worksheet writes the same bytes (settings, heading, fonts, layout values and options,
// the page's tasks) and every control of both windows keeps its enabled and visible state.
// A file that is taken must be one the program can write back and read again unchanged.
//
// Input: byte 0 says where the first file ends (as a share of the rest, in 255ths); the
// first file may be refused, the second is the one checked.

#include "app/Programm.h"
#include "app/UZeichnen.h"
#include "doubles/Aufzeichnungsleinwand.h"
#include "files/LadenSpeichern.h"
#include "generator/UGSAufgabe.h"
#include "settings/Main.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Fehler.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Zeitgeber.h"
#include "toolkit/Zufall.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

void Pruefen(bool bedingung, const char* was)
{
    if (!bedingung) {
        std::fprintf(stderr, "verletzt: %s\n", was);
        std::abort();
    }
}

class TStilleMeldungen final : public TMeldungen {
public:
    void Zeige(const std::string&, const std::string&, TMeldungsart) override {}
};

struct TUmgebung {
    TUmgebung() : Programm(Zufall, Meldungen, Zeitgeber, {}, {})
    {
        Programm.Zeichnen().Blatt().SetzeDrucker(&Drucker);
        Programm.HauptfensterZeigen();
    }
    TMersenneZufall Zufall{1};
    TStilleMeldungen Meldungen;
    THandzeitgeber Zeitgeber;
    TAufzeichnungsdrucker Drucker;
    TProgramm Programm;
};

std::string Zustand(TProgramm& programm)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    programm.Zeichnen().Speichern(strom);
    std::string zustand = strom.Bytes();
    for (const TFormular* fenster : {static_cast<const TFormular*>(&programm.Zeichnen()),
                                     static_cast<const TFormular*>(&programm.Einstellungen())}) {
        for (const auto& c : fenster->Steuerelemente()) {
            zustand += c->Name();
            zustand += c->Enabled() ? " E" : " e";
            zustand += c->Visible() ? "V\n" : "v\n";
        }
    }
    return zustand;
}

// The state without the page's tasks: everything the file holds before its page block, the
// controls' states and the page's rows and columns.
std::string ZustandOhneAufgaben(TProgramm& programm)
{
    std::string zustand = Zustand(programm);
    if (TSeite* seite = programm.Zeichnen().Seite(); seite != nullptr) {
        TLoadSave block;
        block.OpenWriteMemory();
        seite->SeiteSpeichern(block);
        const std::size_t anfang = zustand.find(block.Bytes());
        Pruefen(anfang != std::string::npos, "der Seitenblock steht in der Datei");
        zustand.erase(anfang, block.Bytes().size());
        zustand += std::to_string(seite->ZeilenZahl) + "x" + std::to_string(seite->SpaltenZahl);
    }
    return zustand;
}

using TRaster = std::vector<std::vector<TGSAufgabe>>;

TRaster Aufgaben(TProgramm& programm)
{
    TRaster raster;
    if (TSeite* seite = programm.Zeichnen().Seite(); seite != nullptr) {
        for (const auto& zeile : seite->GezeigteAufgaben()) {
            raster.emplace_back();
            for (const TAufgabe* aufgabe : zeile)
                raster.back().push_back(aufgabe->Daten);
        }
    }
    return raster;
}

std::string Rastertext(const TRaster& raster)
{
    std::string text;
    for (const auto& zeile : raster) {
        for (const TGSAufgabe& a : zeile) {
            text += std::to_string(a.Operand1) + " " + std::to_string(a.Rechenzeichen) + " "
                + std::to_string(a.Operand2) + " = " + std::to_string(a.Ergebnis) + " R" + std::to_string(a.Rest) + " P"
                + std::to_string(a.Platzhalter) + " Q" + std::to_string(a.Quersumme) + " |  ";
        }
        text += "\n";
    }
    return text;
}

void Schreiben(const std::string& pfad, const std::string& bytes)
{
    std::ofstream(pfad, std::ios::binary | std::ios::trunc) << bytes;
}

// With ZB_FUZZ_ABBILD=p set, a difference leaves both states in p.vorher and p.nachher.
void Gleich(const std::string& vorher, const std::string& nachher, const char* was)
{
    if (const char* abbild = std::getenv("ZB_FUZZ_ABBILD"); abbild != nullptr && vorher != nachher) {
        Schreiben(std::string(abbild) + ".vorher", vorher);
        Schreiben(std::string(abbild) + ".nachher", nachher);
    }
    Pruefen(vorher == nachher, was);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    // A fresh start for every input, so that each finding replays on its own.
    TUmgebung umgebung;
    static const std::string pfad =
        (std::filesystem::temp_directory_path() / ("zb_fuzz_" + std::to_string(::getpid()) + ".zfb")).string();
    TZeichnen& zeichnen = umgebung.Programm.Zeichnen();

    if (groesse == 0)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
    const std::size_t teilung = rest.size() * daten[0] / 255;
    Schreiben(pfad, rest.substr(0, teilung));
    try {
        zeichnen.OpenFile(pfad);
    } catch (const EZifferbogenFehler&) {}
    Schreiben(pfad, rest.substr(teilung));
    const std::string vorher = Zustand(umgebung.Programm);
    try {
        Pruefen(zeichnen.OpenFile(pfad) == 0, "eine gewöhnliche Datei öffnet sich");
    } catch (const EZifferbogenFehler&) {
        Gleich(vorher, Zustand(umgebung.Programm), "abgelehnt, alles wie vorher");
        Pruefen(!zeichnen.Laedt, "das Laden ist beendet");
        return 0;
    }
    // Taken: what the program now writes, it reads back to the same worksheet. Only a task
    // equal to the one above it may change: every layout pass gives such a task another try.
    const std::string gelesen = ZustandOhneAufgaben(umgebung.Programm);
    const TRaster aufgaben = Aufgaben(umgebung.Programm);
    zeichnen.SaveFile(pfad);
    Pruefen(zeichnen.OpenFile(pfad) == 0, "die eigene Datei öffnet sich");
    Gleich(gelesen, ZustandOhneAufgaben(umgebung.Programm), "die eigene Datei liest sich unverändert");
    const TRaster wieder = Aufgaben(umgebung.Programm);
    for (std::size_t r = 0; r < aufgaben.size(); ++r) {
        for (std::size_t c = 0; c < aufgaben[r].size(); ++c) {
            if (wieder[r][c] == aufgaben[r][c])
                continue;
            const bool neuerVersuch = r > 0
                && (TGSAufgabengenerator::GleicheAufgabe(aufgaben[r - 1][c], aufgaben[r][c])
                    || TGSAufgabengenerator::GleicheAufgabe(wieder[r - 1][c], aufgaben[r][c]));
            if (!neuerVersuch)
                Gleich(Rastertext(aufgaben), Rastertext(wieder), "die Aufgaben der eigenen Datei kommen wieder");
        }
    }
    return 0;
}
