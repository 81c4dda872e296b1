// SPDX-License-Identifier: GPL-3.0-or-later
// The nine layout values of the main window: what each starts at, which measure of the page
// it moves, and how a damaged file names it.

#include "app/Programm.h"
#include "app/UZeichnen.h"
#include "doubles/Aufzeichnungsleinwand.h"
#include "doubles/Meldungsrekorder.h"
#include "files/Fehler.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Zeitgeber.h"
#include "toolkit/Zufall.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Start {
    Start()
    {
        Programm.Zeichnen().Blatt().SetzeDrucker(&Drucker);
        Programm.HauptfensterZeigen();
    }
    template <class T>
    T& Ctl(const std::string& name)
    {
        auto* control = dynamic_cast<T*>(Programm.Zeichnen().Finde(name));
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }

    TMersenneZufall Zufall{5};
    TMeldungsrekorder Meldungen;
    THandzeitgeber Zeitgeber;
    TAufzeichnungsdrucker Drucker;
    TProgramm Programm{Zufall, Meldungen, Zeitgeber, {}, {}};
};

struct Wert {
    const char* Feld;
    const char* Pfeile;
    const char* Text; // at the start
    double TSeite::*Seitenfeld;
    const char* Wertname; // in the message about a damaged file
};

const Wert Werte[] = {
    {"RandWerteEdits[1]", "RandUpDowns[1]", "1.00cm", &TSeite::RandLinks, "den linken Rand"},
    {"RandWerteEdits[2]", "RandUpDowns[2]", "1.00cm", &TSeite::RandRechts, "den rechten Rand"},
    {"RandWerteEdits[3]", "RandUpDowns[3]", "2.00cm", &TSeite::RandOben, "den oberen Rand"},
    {"RandWerteEdits[4]", "RandUpDowns[4]", "2.00cm", &TSeite::RandUnten, "den unteren Rand"},
    {"ESpaltenabstand", "UDSpaltenabstand", "0.80cm", &TSeite::Spaltenabstand, "den Spaltenabstand"},
    {"ESBreite", "UDSBreite", "0.50cm", &TSeite::ZifferBreite, "die Breite einer Ziffer"},
    {"ESHoehe", "UDShoehe", "0.70cm", &TSeite::ZifferHoehe, "die Höhe einer Ziffer"},
    {"EZeilenabstand", "UDZeilenabstand", "0.30cm", &TSeite::Zeilenabstand, "den Zeilenabstand"},
    {"EAbstNummerAufgabe", "UDAbstNummerierungAufgabe", "0.40cm", &TSeite::NummerAbstand,
     "den Abstand zwischen Nummer und Aufgabe"},
};

TEST(Layoutwerte, EachStartsAtItsDefaultAndItsArrowsMoveOnlyItsMeasureOfThePage)
{
    for (const Wert& wert : Werte) {
        SCOPED_TRACE(wert.Feld);
        Start s;
        EXPECT_EQ(s.Ctl<TEdit>(wert.Feld).Text(), wert.Text);
        std::vector<double> vorher;
        for (const Wert& andere : Werte)
            vorher.push_back(s.Programm.Zeichnen().Seite()->*andere.Seitenfeld);
        s.Ctl<TUpDown>(wert.Pfeile).Pfeilklick(TUDBtnType::btNext);
        for (std::size_t k = 0; k < std::size(Werte); ++k) {
            const double erwartet = vorher[k] + (&Werte[k] == &wert ? 0.1 : 0.0);
            EXPECT_NEAR(s.Programm.Zeichnen().Seite()->*Werte[k].Seitenfeld, erwartet, 1e-9) << Werte[k].Feld;
        }
    }
}

TEST(Layoutwerte, AFileWithAValueBeyondEightCentimetresIsRefusedNamingTheValue)
{
    const auto datei = std::filesystem::temp_directory_path()
        / ("zb_layoutwerte_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".zfb");
    for (std::size_t i = 0; i < std::size(Werte); ++i) {
        SCOPED_TRACE(Werte[i].Feld);
        Start s;
        TZeichnen& z = s.Programm.Zeichnen();
        const double alt = z.RandWerte[i + 1];
        z.RandWerte[i + 1] = 9;
        z.SaveFile(datei.string());
        z.RandWerte[i + 1] = alt;
        try {
            z.OpenFile(datei.string());
            ADD_FAILURE() << "taken";
        } catch (const ERangeError& fehler) {
            EXPECT_EQ(fehler.what(),
                      "Der Wert 9 cm für " + std::string(Werte[i].Wertname) + " liegt außerhalb von 0 bis 8 cm.");
        }
        EXPECT_EQ(s.Ctl<TEdit>(Werte[i].Feld).Text(), Werte[i].Text);
    }
    std::filesystem::remove(datei);
}

} // namespace
