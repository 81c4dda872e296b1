// SPDX-License-Identifier: GPL-3.0-or-later
// The ready-made worksheets keep what their titles promise. Every row of vorlagen.tsv names
// its sheet's promise as blank-separated KEY=VALUE pairs; each sheet made at build time is
// opened as the program opens a file, and the tasks shown after opening and after new tasks,
// over several seeds, must keep that promise on a page that fits the paper.
//
// Keys of a promise:
//   rechenarten=+-*:    the operators allowed (* for ·); each one must occur
//   bis=N               operands and result from 0 to N
//   zehner=ohne|immer   addition and subtraction never / always cross the ten (reaching a full
//                       ten, 4 + 6 or 16 - 6, is no crossing)
//   hunderter=ohne|immer  the same for the hundred
//   reihen=2,5,10 | 1-10  times tables: a factor (the divisor or, for swapped tasks, the
//                       quotient) from these, the other from 1 to 10
//   rest=nie|immer      a division leaves no remainder / always one
//   platzhalter=op1,op2,erg  where the pupil's blank may stand; without the key it is the
//                       result in every task
//   stellen1=A-B, stellen2=A-B  digits of the first / second operand
//   zehnerzahl=A-B      a factor is a multiple of ten from 10 to 90, the other from A to B
//   form=schriftlich    written layout with grid; without the key the tasks stand in a line
//   aufgaben=A-B        how many tasks the page shows

#include "fixtures/Programmstart.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string Ordner = ZB_VORLAGEN_DIR;

struct TVorlagenzeile {
    std::string Name;
    int Klasse = 0;
    std::string Titel;
    std::string Schriftgroessen;
    std::map<std::string, std::string> Versprechen;
};

std::vector<std::string> Teile(const std::string& text, char trenner)
{
    std::vector<std::string> teile;
    std::string teil;
    std::istringstream strom(text);
    while (std::getline(strom, teil, trenner))
        teile.push_back(teil);
    return teile;
}

int Zahl(const std::string& text)
{
    int wert = -1;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc{} || ende != text.data() + text.size())
        ADD_FAILURE() << "keine Zahl: \"" << text << '"';
    return wert;
}

// "3-4" as {3, 4}, "7" as {7, 7}.
std::pair<int, int> Bereich(const std::string& text)
{
    const auto strich = text.find('-');
    if (strich == std::string::npos)
        return {Zahl(text), Zahl(text)};
    return {Zahl(text.substr(0, strich)), Zahl(text.substr(strich + 1))};
}

// "2,5,10" or "1-10".
std::set<int> Reihen(const std::string& text)
{
    std::set<int> reihen;
    for (const auto& teil : Teile(text, ',')) {
        const auto [von, bis] = Bereich(teil);
        for (int k = von; k <= bis; ++k)
            reihen.insert(k);
    }
    return reihen;
}

const std::vector<std::string>& Spalten()
{
    static const std::vector<std::string> spalten{"Name",          "Klasse",           "Titel",
                                                  "Ueberschrift",  "Arbeitsanweisung", "Schriftgroessen",
                                                  "Einstellungen", "Versprechen"};
    return spalten;
}

std::vector<TVorlagenzeile> Tabelle()
{
    std::ifstream datei(Ordner + "/vorlagen.tsv");
    EXPECT_TRUE(datei) << Ordner << "/vorlagen.tsv";
    std::string zeile;
    std::getline(datei, zeile);
    EXPECT_EQ(Teile(zeile, '\t'), Spalten());
    std::vector<TVorlagenzeile> vorlagen;
    while (std::getline(datei, zeile)) {
        const auto felder = Teile(zeile, '\t');
        if (felder.size() != Spalten().size()) {
            ADD_FAILURE() << "Zeile mit " << felder.size() << " Spalten: " << zeile;
            continue;
        }
        for (const auto& feld : felder)
            EXPECT_FALSE(feld.empty()) << zeile;
        TVorlagenzeile v{felder[0], Zahl(felder[1]), felder[2], felder[5], {}};
        for (const auto& paar : Teile(felder[7], ' ')) {
            const auto gleich = paar.find('=');
            EXPECT_NE(gleich, std::string::npos) << v.Name << ": " << paar;
            if (gleich != std::string::npos)
                v.Versprechen[paar.substr(0, gleich)] = paar.substr(gleich + 1);
        }
        vorlagen.push_back(std::move(v));
    }
    return vorlagen;
}

char Zeichen(std::uint8_t code)
{
    return code == ZeichenPlus ? '+' : code == ZeichenMinus ? '-' : code == ZeichenMal ? '*' : ':';
}

// Whether the units (stelle 10) or the last two places (stelle 100) cross to the next ten or
// hundred.
bool Uebergang(const TGSAufgabe& a, int stelle)
{
    const int x = a.Operand1 % stelle;
    const int y = a.Operand2 % stelle;
    return a.Rechenzeichen == ZeichenPlus ? x + y > stelle : x < y;
}

// Every broken promise of one shown task, as text.
std::string Pruefen(const TGSAufgabe& a, const std::map<std::string, std::string>& v)
{
    std::ostringstream fehler;
    const auto hat = [&v](const char* k) { return v.count(k) != 0; };
    if (!a.Fehlermeldung.empty())
        return "Fehleraufgabe: " + a.Fehlermeldung;
    if (v.at("rechenarten").find(Zeichen(a.Rechenzeichen)) == std::string::npos)
        fehler << " Rechenart";
    const std::int64_t x = a.Operand1, y = a.Operand2, e = a.Ergebnis;
    const bool richtig = a.Rechenzeichen == ZeichenPlus ? x + y == e
        : a.Rechenzeichen == ZeichenMinus               ? x - y == e
        : a.Rechenzeichen == ZeichenMal                 ? x * y == e
                                                        : y > 0 && x == y * e + a.Rest && a.Rest < y;
    if (!richtig)
        fehler << " falsch gerechnet";
    if (x < 0 || y < 0 || e < 0 || a.Rest < 0)
        fehler << " negativ";
    if (hat("bis") && std::max({x, y, e}) > Zahl(v.at("bis")))
        fehler << " über " << v.at("bis");
    const bool plusMinus = a.Rechenzeichen == ZeichenPlus || a.Rechenzeichen == ZeichenMinus;
    for (const auto& [schluessel, stelle] : {std::pair{"zehner", 10}, std::pair{"hunderter", 100}}) {
        if (plusMinus && hat(schluessel) && Uebergang(a, stelle) != (v.at(schluessel) == "immer"))
            fehler << ' ' << schluessel << (v.at(schluessel) == "immer" ? " fehlt" : "übergang");
    }
    if (hat("reihen") && !plusMinus) {
        const auto reihen = Reihen(v.at("reihen"));
        const auto passt = [&reihen](std::int64_t reihe, std::int64_t anderer) {
            return reihen.count(static_cast<int>(reihe)) != 0 && anderer >= 1 && anderer <= 10;
        };
        const bool mal = a.Rechenzeichen == ZeichenMal;
        if (!(mal ? passt(x, y) || passt(y, x) : passt(y, e) || passt(e, y)))
            fehler << " nicht im Einmaleins " << v.at("reihen");
    }
    if (a.Rechenzeichen == ZeichenGeteilt && hat("rest") && (a.Rest != 0) != (v.at("rest") == "immer"))
        fehler << " Rest";
    static const std::map<std::string, std::int32_t> stellen{
        {"op1", PlatzhalterOperand1}, {"op2", PlatzhalterOperand2}, {"erg", PlatzhalterErgebnis}};
    bool erlaubt = false;
    for (const auto& stelle : Teile(hat("platzhalter") ? v.at("platzhalter") : "erg", ','))
        erlaubt = erlaubt || stellen.at(stelle) == a.Platzhalter;
    if (!erlaubt)
        fehler << " Platzhalter an Stelle " << a.Platzhalter;
    if (hat("zehnerzahl")) {
        const auto [von, bis] = Bereich(v.at("zehnerzahl"));
        const auto passt = [von, bis](std::int64_t zehner, std::int64_t anderer) {
            return zehner % 10 == 0 && zehner >= 10 && zehner <= 90 && anderer >= von && anderer <= bis;
        };
        if (!passt(x, y) && !passt(y, x))
            fehler << " keine Zehnerzahl";
    }
    for (const auto& [schluessel, wert] : {std::pair{"stellen1", x}, std::pair{"stellen2", y}}) {
        if (hat(schluessel)) {
            const auto [von, bis] = Bereich(v.at(schluessel));
            if (StellenZahl(wert) < von || StellenZahl(wert) > bis)
                fehler << ' ' << schluessel;
        }
    }
    return fehler.str();
}

std::string Text(const TGSAufgabe& a)
{
    return std::to_string(a.Operand1) + ' ' + Zeichen(a.Rechenzeichen) + ' ' + std::to_string(a.Operand2) + " = "
        + std::to_string(a.Ergebnis) + (a.Rest != 0 ? " R " + std::to_string(a.Rest) : "");
}

TEST(ReadyMadeSheets, TableNamesEveryGradeAndOnlyKnownPromises)
{
    const auto vorlagen = Tabelle();
    EXPECT_GE(vorlagen.size(), 28u);
    std::set<std::string> namen;
    std::map<int, int> jeKlasse;
    const std::set<std::string> schluessel{"rechenarten", "bis",  "zehner",      "hunderter",
                                           "reihen",      "rest", "platzhalter", "stellen1",
                                           "stellen2",    "form", "aufgaben",    "zehnerzahl"};
    for (const auto& v : vorlagen) {
        EXPECT_TRUE(namen.insert(v.Name).second) << "doppelt: " << v.Name;
        EXPECT_EQ(v.Name.rfind("klasse" + std::to_string(v.Klasse) + "-", 0), 0u) << v.Name;
        EXPECT_EQ(v.Name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"), std::string::npos) << v.Name;
        ++jeKlasse[v.Klasse];
        EXPECT_EQ(v.Versprechen.count("rechenarten"), 1u) << v.Name;
        EXPECT_EQ(v.Versprechen.count("aufgaben"), 1u) << v.Name;
        for (const auto& [k, wert] : v.Versprechen)
            EXPECT_EQ(schluessel.count(k), 1u) << v.Name << ": unbekanntes Versprechen " << k;
    }
    for (int klasse = 1; klasse <= 4; ++klasse)
        EXPECT_GE(jeKlasse[klasse], 6) << "Klasse " << klasse;
    EXPECT_EQ(jeKlasse.size(), 4u);
}

TEST(ReadyMadeSheets, EverySheetKeepsItsPromiseOnAPageThatFits)
{
    for (const auto& v : Tabelle()) {
        SCOPED_TRACE(v.Name);
        const auto& ver = v.Versprechen;
        std::set<char> vorgekommen;
        for (unsigned startwert : {1u, 2u, 3u}) {
            TProgrammstart start(startwert);
            ASSERT_EQ(start.Zeichnen().OpenFile(Ordner + "/" + v.Name + ".zfb"), 0);

            const auto& g = start.Zeichnen().Schriftgroessen;
            EXPECT_EQ(std::to_string(g[1]) + ' ' + std::to_string(g[2]) + ' ' + std::to_string(g[3]) + ' '
                          + std::to_string(g[4]) + ' ' + std::to_string(g[5]),
                      v.Schriftgroessen);
            const bool schriftlich = ver.count("form") != 0 && ver.at("form") == "schriftlich";
            EXPECT_EQ(start.Zeichnen().CBSchriftlichFeld->Checked(), schriftlich);
            EXPECT_EQ(start.Zeichnen().CBRechenkaestchen->Checked(), schriftlich);

            for (int blatt = 0; blatt < 3; ++blatt) {
                if (blatt > 0)
                    start.Zeichnen().BNeueAufgabeClick();
                TSeite& seite = start.Seite();
                EXPECT_TRUE(seite.Namenszeile);
                EXPECT_FALSE(seite.Ueberlauf());
                int anzahl = 0;
                for (const auto& reihe : seite.GezeigteAufgaben()) {
                    for (const TAufgabe* aufgabe : reihe) {
                        ++anzahl;
                        vorgekommen.insert(Zeichen(aufgabe->Daten.Rechenzeichen));
                        const std::string fehler = Pruefen(aufgabe->Daten, ver);
                        EXPECT_EQ(fehler, "") << Text(aufgabe->Daten) << " (Startwert " << startwert << ")";
                    }
                }
                const auto [wenigstens, hoechstens] = Bereich(ver.at("aufgaben"));
                EXPECT_GE(anzahl, wenigstens);
                EXPECT_LE(anzahl, hoechstens);
            }
        }
        for (char zeichen : ver.at("rechenarten"))
            EXPECT_EQ(vorgekommen.count(zeichen), 1u) << "kein " << zeichen;
    }
}

} // namespace
