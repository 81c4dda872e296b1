// SPDX-License-Identifier: GPL-3.0-or-later
// --controls: the controls --set takes, as they stand after the file and the options, and
// the names offered for a misspelt one.

#include "cli/Kommandozeile.h"
#include "fixtures/Kommandozeilenlauf.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TEintrag {
    std::string Art;
    std::string Beschriftung;
    std::string Wert;
    std::string Zustand;
};

// The listing by name, in its order; every line must have its five fields.
std::vector<std::pair<std::string, TEintrag>> Liste(const std::string& ausgabe)
{
    std::vector<std::pair<std::string, TEintrag>> liste;
    std::istringstream zeilen(ausgabe);
    for (std::string zeile; std::getline(zeilen, zeile);) {
        std::vector<std::string> f;
        for (std::size_t anfang = 0, ende = 0; ende != std::string::npos; anfang = ende + 1) {
            ende = zeile.find('\t', anfang);
            f.push_back(zeile.substr(anfang, ende - anfang));
        }
        EXPECT_EQ(f.size(), 5u) << zeile;
        f.resize(5);
        liste.push_back({f[0], {f[1], f[2], f[3], f[4]}});
    }
    return liste;
}

TEST(Steuerelementliste, EveryOperableControlTakesItsListedValueAndStaysAsListed)
{
    const auto lauf = AufgezeichnetAusfuehren({"--seed", "1", "--controls"});
    ASSERT_EQ(lauf.Status, StatusFertig) << lauf.Fehler;
    const auto liste = Liste(lauf.Aus);
    // The settings window alone has well over a hundred; four windows stay below a thousand.
    EXPECT_GT(liste.size(), 200u);
    EXPECT_LT(liste.size(), 1000u);
    std::set<std::string> namen;
    std::vector<std::string> alle{"--seed", "1"};
    std::vector<std::string> ohnePfeile{"--seed", "1"};
    for (const auto& [name, eintrag] : liste) {
        EXPECT_TRUE(namen.insert(name).second) << "listed twice: " << name;
        EXPECT_FALSE(eintrag.Beschriftung.empty()) << name;
        // A button has no value: setting it presses it.
        if (eintrag.Zustand != "bedienbar" || eintrag.Art == "Schaltfläche")
            continue;
        alle.insert(alle.end(), {"--set", name + "=" + eintrag.Wert});
        // An up-down set to the position it has clicks its up arrow once, as a user who holds
        // it; the margins' arrows step from the middle of their range so.
        if (!eintrag.Art.starts_with("Pfeilschalter"))
            ohnePfeile.insert(ohnePfeile.end(), {"--set", name + "=" + eintrag.Wert});
    }
    alle.emplace_back("--page");
    ohnePfeile.emplace_back("--controls");
    const auto angenommen = AufgezeichnetAusfuehren(alle);
    EXPECT_EQ(angenommen.Status, StatusFertig) << angenommen.Fehler;
    const auto zurueck = AufgezeichnetAusfuehren(ohnePfeile);
    EXPECT_EQ(zurueck.Status, StatusFertig) << zurueck.Fehler;
    const auto danach = Liste(zurueck.Aus);
    ASSERT_EQ(danach.size(), liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i) {
        EXPECT_EQ(danach[i].first, liste[i].first);
        EXPECT_EQ(danach[i].second.Wert, liste[i].second.Wert) << liste[i].first;
        EXPECT_EQ(danach[i].second.Zustand, liste[i].second.Zustand) << liste[i].first;
    }
}

TEST(Steuerelementliste, ShowsKindCaptionValueAndStateAfterTheOptions)
{
    const std::map<std::string, TEintrag> erwartet = {
        {"EZahlenraumbis", {"Eingabefeld", "Zahlenraum bis einschließlich › Manuelle Eingabe:", "500", "bedienbar"}},
        {"RBManuelleEingabe",
         {"Optionsfeld", "Zahlenraum bis einschließlich › Manuelle Eingabe:", "true", "bedienbar"}},
        {"RBZRbis1000", {"Optionsfeld", "Zahlenraum bis einschließlich › 1 000", "false", "bedienbar"}},
        {"CBMultReihe[7]", {"Kontrollkästchen", "Welche \"Einmaleins\"? › 7", "true", "bedienbar"}},
        {"CBKombination[3][1]", {"Kontrollkästchen", "Welche Rechnungen dürfen vorkommen?", "false", "gesperrt"}},
        {"CBPositiveZahlenKlammernPM", {"Kontrollkästchen", "Positive Zahlen klammern:", "false", "ausgeblendet"}},
        {"UDMinErgDivision",
         {"Pfeilschalter 0 bis 10", "Kleinstes Ergebnis der Division soll sein:", "0", "bedienbar"}},
        {"RGPlatzhalterart",
         {"Auswahlgruppe 0=Einfacher Platzhalterstrich | 1=Doppelter Platzhalterstrich",
          "Platzhalter sehen so aus:", "1", "bedienbar"}},
        {"RandWerteEdits[1]", {"Eingabefeld", "Seitenränder › Links:", "1.00cm", "bedienbar"}},
        {"EVerschBlaetter", {"Eingabefeld", "Es sollen", "1", "bedienbar"}},
        {"CBNamenszeile", {"Kontrollkästchen", "Namenszeile", "false", "bedienbar"}},
        {"BMult1bis10", {"Schaltfläche", "1..10", "", "bedienbar"}},
    };
    const auto lauf = AufgezeichnetAusfuehren({"--set", "RBManuelleEingabe=true", "--controls", "--set",
                                               "EZahlenraumbis=500", "--set", "RGPlatzhalterart=1"});
    ASSERT_EQ(lauf.Status, StatusFertig) << lauf.Fehler;
    std::set<std::string> gefunden;
    for (const auto& [name, eintrag] : Liste(lauf.Aus)) {
        const auto fall = erwartet.find(name);
        if (fall == erwartet.end())
            continue;
        gefunden.insert(name);
        EXPECT_EQ(eintrag.Art, fall->second.Art) << name;
        EXPECT_NE(eintrag.Beschriftung.find(fall->second.Beschriftung), std::string::npos) << eintrag.Beschriftung;
        EXPECT_EQ(eintrag.Wert, fall->second.Wert) << name;
        EXPECT_EQ(eintrag.Zustand, fall->second.Zustand) << name;
    }
    EXPECT_EQ(gefunden.size(), erwartet.size());
    // A read-only field shows an up-down's position and takes nothing itself.
    EXPECT_EQ(lauf.Aus.find("\nEIntFaktor1Von\t"), std::string::npos);
}

TEST(Steuerelementliste, AMisspeltNameGetsTheClosestNamesOffered)
{
    const struct {
        const char* Name;
        const char* Vorschlag; // empty: none offered
    } Faelle[] = {
        {"EZahlenraumBis", " Meinten Sie EZahlenraumbis?"},
        {"CBMultreihe7", "CBMultReihe[7]"},
        {"cbpluskommtvor", " Meinten Sie CBPluskommtvor?"},
        {"RBZRbis50", " Meinten Sie RBZRbis10, RBZRbis20 oder RBZRbis100?"},
        {"Gibtsnicht", ""},
    };
    for (const auto& fall : Faelle) {
        const auto lauf = Ausfuehren({"--set", std::string(fall.Name) + "=true", "--pool"});
        EXPECT_EQ(lauf.Status, StatusBedienfehler);
        EXPECT_EQ(lauf.Aus, "");
        EXPECT_NE(lauf.Fehler.find("Unbekanntes Bedienelement: " + std::string(fall.Name) + "."), std::string::npos);
        if (*fall.Vorschlag == '\0')
            EXPECT_EQ(lauf.Fehler.find("Meinten Sie"), std::string::npos) << lauf.Fehler;
        else
            EXPECT_NE(lauf.Fehler.find(fall.Vorschlag), std::string::npos) << lauf.Fehler;
        EXPECT_NE(lauf.Fehler.find("--controls"), std::string::npos);
    }
}

} // namespace
