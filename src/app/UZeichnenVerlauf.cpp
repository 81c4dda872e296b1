// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved changes, undo and redo of the main window: every state of the worksheet is what its
// file would hold, written into memory.

#include "app/UZeichnen.h"
#include "files/LadenSpeichern.h"
#include "files/Windows1252.h"
#include "settings/Main.h"
#include "toolkit/Dateidialog.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Waechter.h"

#include <filesystem>
#include <optional>

std::string TZeichnen::Kopfstand()
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    KopfSchreiben(strom);
    return strom.Bytes();
}

std::string TZeichnen::Blattstand()
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    BlattSchreiben(strom);
    return strom.Bytes();
}

void TZeichnen::Grundstand(const std::string& datei)
{
    DateinameFeld = datei;
    // A worksheet bound to a file is one the teacher opened or saved: a recent one.
    if (!datei.empty())
        Orte.Eintragen(datei);
    std::string blatt = Blattstand();
    Gespeichert = Kopfstand() + blatt;
    Verlauf.Beginnen(std::move(blatt));
    Veraendert = false;
    VerlaufAnzeigen();
    TitelSetzen();
}

void TZeichnen::AenderungFesthalten()
{
    // Half-made states are no steps: a file being read, a print run's sheets, the first start,
    // an undo being put back.
    if (Laedt || Druckt || Stellt || ErsterStart || Gespeichert.empty())
        return;
    std::string blatt = Blattstand();
    const bool veraendert = Kopfstand() + blatt != Gespeichert;
    if (Befehlstiefe > 0 && SchrittImBefehl)
        SchrittImBefehl = Verlauf.Ersetzen(std::move(blatt));
    else if (Verlauf.Festhalten(std::move(blatt)))
        SchrittImBefehl = Befehlstiefe > 0;
    Veraendert = veraendert;
    VerlaufAnzeigen();
}

void TZeichnen::BefehlAnfang()
{
    if (Befehlstiefe++ == 0)
        SchrittImBefehl = false;
}

void TZeichnen::BefehlEnde()
{
    if (Befehlstiefe > 0 && --Befehlstiefe == 0) {
        AenderungFesthalten();
        SchrittImBefehl = false;
    }
}

void TZeichnen::VerlaufAnzeigen()
{
    KannRueckgaengig = Verlauf.KannZurueck();
    KannWiederherstellen = Verlauf.KannVor();
}

void TZeichnen::TitelSetzen()
{
    // "[*]" is where the desktop marks a changed worksheet.
    if (DateinameFeld.empty()) {
        Caption = Grundtitel + "[*]";
        return;
    }
    const std::string name = std::filesystem::path(DateinameFeld).filename().string();
    Caption = Utf8Maskiert(name) + "[*] - " + Grundtitel;
}

bool TZeichnen::AenderungenSichern()
{
    if (Beschaeftigt())
        return false;
    AenderungFesthalten();
    if (!Veraendert)
        return true;
    switch (Meldungen.Frage("Zifferbogen", "Die Änderungen am Arbeitsblatt speichern?")) {
    case TAntwort::Verwerfen:
        return true;
    case TAntwort::Abbrechen:
        return false;
    case TAntwort::Speichern:
        break;
    }
    std::string pfad = DateinameFeld;
    if (pfad.empty()) {
        if (Dienste.Oberflaeche->Dateidialog == nullptr)
            return false;
        const auto gewaehlt =
            Dienste.Oberflaeche->Dateidialog->Speichern("Zifferbogen-Datei (*.zfb)", "zfb", Speicherort());
        if (!gewaehlt)
            return false;
        pfad = *gewaehlt;
    }
    SaveFile(pfad);
    return true;
}

void TZeichnen::Herstellen(const std::string& stand)
{
    // The settings window keeps its state: the page comes back as the undo state holds it,
    // under the task settings as they are now.
    const TEinstellungsstand einstellungen =
        Dienste.Einstellungen != nullptr ? Dienste.Einstellungen->StandFesthalten() : TEinstellungsstand{};
    std::optional<TWertWaechter<bool>> stumm;
    if (Dienste.Einstellungen != nullptr)
        stumm.emplace(Dienste.Einstellungen->WarnungStumm, true);
    const TWertWaechter stellt(Stellt, true);
    TLoadSave strom;
    strom.OpenReadBytes(Kopfstand() + stand);
    Laden(strom, &einstellungen);
}

void TZeichnen::Rueckgaengig()
{
    Schritt(false);
}

void TZeichnen::Wiederherstellen()
{
    Schritt(true);
}

void TZeichnen::Schritt(bool vor)
{
    // What the command before changed is a step of its own first.
    AenderungFesthalten();
    if (Beschaeftigt() || !(vor ? Verlauf.KannVor() : Verlauf.KannZurueck()))
        return;
    Herstellen(vor ? Verlauf.Vor() : Verlauf.Zurueck());
    Veraendert = Kopfstand() + Verlauf.Aktuell() != Gespeichert;
    VerlaufAnzeigen();
}
