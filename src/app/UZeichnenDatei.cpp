// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading whole worksheet files: the blocks of the settings window, the heading dialog, the
// main window and the page, one after the other through one value stream.

#include "app/Einstellungsdatei.h"
#include "app/Standarddatei.h"
#include "app/UUeberschrift.h"
#include "app/UZeichnen.h"
#include "app/UZeichnenLayoutwerte.h"
#include "files/Dateikopf.h"
#include "files/Dateizugriff.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "files/Windows1252.h"
#include "settings/Main.h"
#include "sheet/USeite.h"
#include "toolkit/Dateidialog.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Waechter.h"

#include "generator/UGSAufgabe.h"

#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <system_error>

namespace {

const std::string Dateifilter = "Zifferbogen-Datei (*.zfb)";
const std::string Dateiendung = "zfb";

// A failed save is reported, with the reason: the teacher must know that the worksheet was
// not kept, and what to change.
void DateiSpeichern(TZeichnen& zeichnen, const std::string& pfad, TZielart art)
{
    TLoadSave strom;
    if (strom.OpenWrite(pfad, art))
        throw EInOutError("Die Datei „" + Utf8Maskiert(pfad) + "“ kann nicht gespeichert werden ("
                          + Fehlerursache(strom.Oeffnungsfehler()) + ").");
    zeichnen.Speichern(strom);
    strom.Close();
}

} // namespace

void TZeichnen::SaveFile(const std::string& pfad)
{
    DateiSpeichern(*this, pfad, TZielart::VomBenutzer);
    // The file format keeps texts in Windows-1252; what it cannot hold became "?".
    if (Dienste.Ueberschrift != nullptr) {
        if (const std::string hinweis = Dienste.Ueberschrift->Fragezeichenhinweis(); !hinweis.empty())
            Meldungen.Zeige("Warnung:", hinweis, TMeldungsart::Warnung);
    }
    Grundstand(pfad);
}

void TZeichnen::StandardeinstellungenSpeichern(const std::filesystem::path& pfad)
{
    if (pfad.empty())
        throw EInOutError("Für die Standardeinstellungen ist kein Verzeichnis bekannt (HOME ist nicht gesetzt).");
    std::error_code fehler;
    std::filesystem::create_directories(pfad.parent_path(), fehler);
    if (fehler)
        throw EInOutError("Das Verzeichnis „" + Utf8Maskiert(pfad.parent_path().string())
                          + "“ für die Standardeinstellungen kann nicht angelegt werden.");
    // The program's own file: a link planted there to another user's file is replaced, not
    // followed.
    DateiSpeichern(*this, pfad.string(), TZielart::Eigenverwaltung);
    Meldungen.Zeige("Standardeinstellungen...",
                    "Die aktuellen Einstellungen wurden als Standardeinstellungen gespeichert.\n"
                        + Utf8Maskiert(pfad.string()),
                    TMeldungsart::Information);
}

void TZeichnen::Standardeinstellungen1Click()
{
    StandardeinstellungenSpeichern(TStandarddatei::Konfigurationspfad());
}

void TZeichnen::Speichern(TLoadSave& strom)
{
    KopfSchreiben(strom);
    BlattSchreiben(strom);
}

void TZeichnen::KopfSchreiben(TLoadSave& strom)
{
    strom.WriteText(AktuellerDateikopf);
    strom.WriteLineEnd();
    if (Dienste.Einstellungen != nullptr)
        Dienste.Einstellungen->EinstellungenSchreiben(strom);
}

void TZeichnen::BlattSchreiben(TLoadSave& strom)
{
    if (Dienste.Ueberschrift != nullptr) {
        Dienste.Ueberschrift->UeberschriftSchreiben(strom);
    } else {
        // No heading dialog: a heading block without lines keeps the file readable.
        for (int block = 0; block < 2; ++block) {
            strom.WriteInteger(0);
            strom.WriteLineEnd();
        }
        strom.WriteLineEnd();
        strom.WriteLineEnd();
    }
    strom.WriteLineEnd();

    // The fonts with their design sizes: the size a font carries is the one the page uses.
    for (std::size_t k = 1; k <= 5; ++k) {
        TSchrift schrift = Schriften[k];
        schrift.Groesse = Schriftgroessen[k];
        strom.WriteFont(schrift);
    }
    for (std::size_t i = 1; i <= Layoutwerte.size(); ++i)
        strom.WriteFloat(RandWerte[i]);

    strom.WriteBoolean(CBLoesungen->Checked());
    strom.WriteBoolean(RBGenauFestlegen->Checked());
    strom.WriteInteger(UDSpalten->Position());
    strom.WriteInteger(UDZeilen->Position());
    strom.WriteBoolean(CBNummerierung->Checked());
    strom.WriteBoolean(CBTrennlinien->Checked());
    strom.WriteBoolean(NummernMitZiffern);
    strom.WriteText(ZeichenNachNummer);
    strom.WriteBoolean(CBNurRechnung->Checked());
    strom.WriteBoolean(CBQuersumme->Checked());
    strom.WriteBoolean(CBLoesungaufPlatzhalter->Checked());
    strom.WriteBoolean(CBSchriftlichFeld->Checked());
    strom.WriteBoolean(CBLoesungenDurcheinander->Checked());
    strom.WriteBoolean(CBVertikalNummerieren->Checked());
    strom.WriteBoolean(RBRechtsbuendig->Checked());
    strom.WriteBoolean(CBRechenkaestchen->Checked());
    strom.WriteBoolean(CBGespensterAufgaben->Checked());
    strom.WriteBoolean(CBX->Checked());
    strom.WriteBoolean(CBFragezeichen->Checked());
    strom.WriteLineEnd();
    strom.WriteLineEnd();

    if (SeiteFeld) {
        SeiteFeld->SeiteSpeichern(strom);
    } else {
        strom.WriteInteger(0); // a page block without rows
    }
    // What the original format cannot hold goes into the extension block; a worksheet that
    // uses none of it is saved exactly in the original format.
    TErweiterungen erweiterungen = Erweiterungen;
    const auto wahl = [&](const char* name, bool an) {
        if (an)
            erweiterungen.Setzen(name, "1");
        else
            erweiterungen.Entfernen(name);
    };
    const bool namenszeile = Dienste.Ueberschrift != nullptr && Dienste.Ueberschrift->CBNamenszeile->Checked();
    wahl("Namenszeile", namenszeile);
    wahl("Namenszeile.Klasse", namenszeile && Dienste.Ueberschrift->CBKlasse->Checked());
    strom.WriteErweiterungen(erweiterungen);
}

int TZeichnen::OpenFile(const std::string& pfad)
{
    TLoadSave strom;
    if (strom.OpenRead(pfad))
        return strom.Oeffnungsfehler();
    // The program's own state as a file in memory: a read that fails part-way reads it back,
    // so a damaged file changes nothing.
    // The settings window adds what its block does not carry.
    TLoadSave schnappschuss;
    schnappschuss.OpenWriteMemory();
    Speichern(schnappschuss);
    const TEinstellungsstand einstellungen =
        Dienste.Einstellungen != nullptr ? Dienste.Einstellungen->StandFesthalten() : TEinstellungsstand{};
    try {
        Laden(strom);
    } catch (...) {
        // Putting the old options back is not worth a second written-layout warning.
        std::optional<TWertWaechter<bool>> stumm;
        if (Dienste.Einstellungen != nullptr)
            stumm.emplace(Dienste.Einstellungen->WarnungStumm, true);
        TLoadSave zurueck;
        zurueck.OpenReadBytes(schnappschuss.Bytes());
        Laden(zurueck, &einstellungen);
        throw;
    }
    return 0;
}

std::string TZeichnen::ErsteDatei(const std::vector<std::string>& argumente, const std::filesystem::path& standarddatei)
{
    if (!argumente.empty() && argumente.front().size() >= 4) {
        std::string endung = argumente.front().substr(argumente.front().size() - 4);
        for (char& zeichen : endung)
            zeichen = static_cast<char>(std::tolower(static_cast<unsigned char>(zeichen)));
        if (endung == ".zfb")
            return argumente.front();
    }
    return standarddatei.string();
}

void TZeichnen::DateiLesen(const std::string& pfad, bool standard)
{
    DateiOeffnenOderMelden([this](const std::string& datei) { return OpenFile(datei); }, pfad, standard);
}

void TZeichnen::DateiOeffnen(const std::string& pfad)
{
    DateiLesen(pfad, false);
    Grundstand(pfad);
}

void TZeichnen::ZuletztOeffnen(const std::string& pfad)
{
    // Only a file that is surely gone leaves the list; one that cannot be reached now (a
    // folder without permission, a network drive) is reported by the open.
    std::error_code fehler;
    if (!std::filesystem::exists(pfad, fehler) && !fehler) {
        Orte.Entfernen(pfad);
        throw EInOutError("Die Datei „" + Utf8Maskiert(pfad)
                          + "“ gibt es nicht mehr; sie wurde aus der Liste „Zuletzt geöffnet“ entfernt.");
    }
    if (!AenderungenSichern())
        return;
    DateiOeffnen(pfad);
}

void TZeichnen::VorlageOeffnen(const TVorlage& vorlage)
{
    if (!AenderungenSichern())
        return;
    // A sheet that cannot be read is reported as any file is, and changes nothing.
    DateiLesen(vorlage.Datei.string(), false);
    BNeueAufgabeClick();
    Grundstand({});
}

void TZeichnen::NeuAusStandard(const std::filesystem::path& standarddatei)
{
    if (!AenderungenSichern())
        return;
    std::error_code fehler;
    if (!standarddatei.empty() && std::filesystem::exists(standarddatei, fehler)) {
        DateiLesen(standarddatei.string(), true);
    } else if (!Anfangsstand.empty()) {
        // The defaults as the program started with them, from its own snapshot.
        TLoadSave strom;
        strom.OpenReadBytes(Anfangsstand);
        Laden(strom);
    }
    BNeueAufgabeClick();
    Grundstand({});
}

void TZeichnen::Neu1Click()
{
    NeuAusStandard(TStandarddatei::Lesepfad());
}

void TZeichnen::Oeffnen1Click()
{
    if (Dienste.Oberflaeche->Dateidialog == nullptr || !AenderungenSichern())
        return;
    if (const auto pfad = Dienste.Oberflaeche->Dateidialog->Oeffnen(Dateifilter, Dateiendung,
                                                                    Orte.Ordner(TOrdnerart::Arbeitsblatt))) {
        // The folder counts as used even when the file in it cannot be read.
        Orte.OrdnerMerken(TOrdnerart::Arbeitsblatt, *pfad);
        DateiOeffnen(*pfad);
    }
}

std::string TZeichnen::Speicherort() const
{
    return DateinameFeld.empty() ? Orte.Ordner(TOrdnerart::Arbeitsblatt) : DateinameFeld;
}

void TZeichnen::Speichern1Click()
{
    if (Dienste.Oberflaeche->Dateidialog == nullptr)
        return;
    if (const auto pfad = Dienste.Oberflaeche->Dateidialog->Speichern(Dateifilter, Dateiendung, Speicherort()))
        SaveFile(*pfad);
}

void TZeichnen::OpenFirst(const std::vector<std::string>& argumente, const std::filesystem::path& standarddatei)
{
    const std::string pfad = ErsteDatei(argumente, standarddatei);
    if (pfad.empty())
        return;
    // Without standard settings the defaults stay, as on a first start. The standard settings
    // are no file of the teacher's: a worksheet made from them has no file name, and it is not
    // listed among the recent ones.
    const bool standard = pfad == standarddatei.string();
    DateiLesen(pfad, standard);
    Grundstand(standard ? std::string() : pfad);
}

void TZeichnen::Laden(TLoadSave& strom, const TEinstellungsstand* einstellungen)
{
    {
        const TWertWaechter laedt(Laedt, true);
        Dateiversion = DateiversionAusKopf(strom.ReadText());
        // Values of a newer version stay with the worksheet and go back into its file.
        Erweiterungen = strom.ReadErweiterungen();
        if (Dienste.Einstellungen != nullptr) {
            Dienste.Einstellungen->EinstellungenLesen(strom, Dateiversion);
            if (einstellungen != nullptr)
                Dienste.Einstellungen->StandWiederherstellen(*einstellungen);
        }
        if (Dienste.Ueberschrift != nullptr) {
            Dienste.Ueberschrift->UeberschriftLesen(strom);
            // A file of the original format has no name line.
            const auto wahl = [&](const char* name) {
                const std::string* wert = Erweiterungen.Wert(name);
                if (wert != nullptr && *wert != "0" && *wert != "1")
                    throw EConvertError("Der Wert „" + *wert + "“ für „" + name + "“ im Erweiterungsblock ist ungültig.");
                return wert != nullptr && *wert == "1";
            };
            const bool namenszeile = wahl("Namenszeile");
            const bool klasse = wahl("Namenszeile.Klasse");
            Dienste.Ueberschrift->CBNamenszeile->SetChecked(namenszeile);
            Dienste.Ueberschrift->CBKlasse->SetChecked(klasse);
        }
        for (std::size_t k = 1; k <= 5; ++k) {
            Schriften[k] = strom.ReadFont();
            Schriftgroessen[k] = Schriften[k].Groesse;
        }
        // A value its field would not take comes from a damaged file: taken, it would lay the
        // page out beyond any paper, and the field could not show it.
        for (const TLayoutwert& w : Layoutwerte) {
            const auto i = static_cast<std::size_t>(w.Index);
            RandWerte[i] = strom.ReadFloat();
            if (!(RandWerte[i] >= RandMin && RandWerte[i] <= RandMax)) {
                std::array<char, 32> zahl{};
                const auto ende = std::to_chars(zahl.data(), zahl.data() + zahl.size(), RandWerte[i]).ptr;
                throw ERangeError(std::string("Der Wert ") + std::string(zahl.data(), ende) + " cm für " + w.Wertname
                                  + " liegt außerhalb von 0 bis 8 cm.");
            }
        }
        RandWerteEditsSetzen();

        // Each option is set as a click would set it; options newer than the file stay.
        const auto wahl = [&](int ab, TCheckBox& box) {
            if (Dateiversion >= ab)
                box.SetChecked(strom.ReadBoolean());
        };
        const auto paar = [&](int ab, TRadioButton& ja, TRadioButton& nein) {
            if (Dateiversion >= ab)
                (strom.ReadBoolean() ? ja : nein).SetChecked(true);
        };
        wahl(0, *CBLoesungen);
        paar(0, *RBGenauFestlegen, *RBSeiteFuellen);
        UDSpalten->SetPosition(strom.ReadInteger());
        ESpalten->SetText(std::to_string(UDSpalten->Position()));
        UDZeilen->SetPosition(strom.ReadInteger());
        EZeilen->SetText(std::to_string(UDZeilen->Position()));
        wahl(0, *CBNummerierung);
        wahl(0, *CBTrennlinien);
        NummernMitZiffern = strom.ReadBoolean();
        ZeichenNachNummer = strom.ReadText();
        wahl(0, *CBNurRechnung);
        wahl(0, *CBQuersumme);
        wahl(0, *CBLoesungaufPlatzhalter);
        wahl(4, *CBSchriftlichFeld);
        wahl(7, *CBLoesungenDurcheinander);
        wahl(7, *CBVertikalNummerieren);
        paar(9, *RBRechtsbuendig, *RBZentriert);
        wahl(9, *CBRechenkaestchen);
        wahl(10, *CBGespensterAufgaben);
        wahl(10, *CBX);
        wahl(10, *CBFragezeichen);

        if (Generator != nullptr && !SeiteFeld)
            SeiteErzeugen();
        ParameterUebergeben();
        if (SeiteFeld)
            SeiteFeld->SeiteLaden(strom, Dateiversion, einstellungen != nullptr);
    }
    if (Generator != nullptr)
        Generator->VorratErzeugen();
    if (einstellungen != nullptr) {
        // Undoing: the page stands as the snapshot holds it, laid out by its reading. Another
        // layout pass would give a task equal to the one above it a new try.
        CBLoesungenDurcheinander->SetVisible(CBLoesungen->Checked());
        PlatzhinweisZeigen();
        PaintBox->Repaint();
        return;
    }
    Seitenmetrik();
}
