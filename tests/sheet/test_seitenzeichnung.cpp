// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing tasks and pages on a recording printer canvas: which texts and lines land where.
// At 254 dpi one device pixel is exactly 0.01 cm, so positions read as hundredths of a cm.

#include "Seitenumgebung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr double Cm = 100; // pixels per cm at 254 dpi

// A page of the given rows and columns in exact mode whose tasks are the given records, row
// by row, laid out and drawn on the printer's canvas.
struct Zeichnung {
    explicit Zeichnung(int zeilen, int spalten) : Umgebung(254, 2000, 2800)
    {
        Einmaleins(Umgebung.Generator, 1, 10, 1, 10);
        Seite = Umgebung.NeueSeite();
        Seite->GenauFestlegen = true;
        Seite->ZeilenAnzahl = zeilen;
        Seite->SpaltenAnzahl = spalten;
    }
    // Puts the records on the page (row by row) and lays it out with them.
    void Aufgaben(const std::vector<TGSAufgabe>& daten)
    {
        Seite->Aufbauen(true);
        for (std::size_t i = 0; i < daten.size(); ++i)
            Seite->Aufgabe(static_cast<int>(i) / Seite->SpaltenAnzahl, static_cast<int>(i) % Seite->SpaltenAnzahl)
                .Daten = daten[i];
        Seite->Aufbauen(false);
    }
    TAufzeichnungsleinwand& Zeichnen()
    {
        Umgebung.Drucker.Flaeche.Befehle.clear();
        Umgebung.Blatt.Geraetemodus = true;
        Seite->Zeichnen();
        Umgebung.Blatt.Geraetemodus = false;
        return Umgebung.Drucker.Flaeche;
    }
    std::vector<TZeichenbefehl> Waagrechte(double laenge)
    {
        std::vector<TZeichenbefehl> treffer;
        for (const auto& l : Umgebung.Drucker.Flaeche.Linien()) {
            if (l.Y1 == l.Y2 && std::abs((l.X2 - l.X1) - laenge * Cm) <= 1)
                treffer.push_back(l);
        }
        return treffer;
    }

    TSeitenumgebung Umgebung;
    std::unique_ptr<TSeite> Seite;
};

TEST(Seitenzeichnung, WrittenFormPutsDigitsInCellsWithAGapAfterTheThousands)
{
    Zeichnung z(1, 1);
    z.Seite->Schriftlich = true;
    z.Aufgaben({Datensatz(1234, 0, 5, 1239, 3)});
    const auto& flaeche = z.Zeichnen();
    const TSeite& s = *z.Seite;
    const TAufgabe& t = z.Seite->Aufgabe(0, 0);
    ASSERT_EQ(t.Stellen, 4);
    const double links = t.Rahmen.Links + s.GleichBreite;
    const double zb = s.ZifferBreite;
    const double lb = s.LeerBreite;
    // The first operand's cells: 1, a half blank, then 2, 3 and 4 one digit apart.
    const std::vector<std::pair<std::string, double>> zellen{
        {"1", links + 0.5 * lb}, {"2", links + lb + zb}, {"3", links + lb + 2 * zb}, {"4", links + lb + 3 * zb}};
    for (const auto& [ziffer, x] : zellen) {
        const auto texte = flaeche.TexteMit(ziffer);
        ASSERT_FALSE(texte.empty()) << ziffer;
        EXPECT_NEAR(texte.front().X1, x * Cm, 1) << ziffer;
        EXPECT_NEAR(texte.front().Y1, t.Rahmen.Oben * Cm, 1) << ziffer;
    }
    // The result is the blank: none of its digits is drawn. The rule spans four digits.
    EXPECT_TRUE(flaeche.TexteMit("9").empty());
    EXPECT_FALSE(z.Waagrechte(4 * zb).empty());
}

TEST(Seitenzeichnung, TheResultBlankCountsCharactersAndCarriesTheSolutionWhenAsked)
{
    for (const bool loesung : {false, true}) {
        Zeichnung z(1, 1);
        z.Seite->LoesungaufPlatzhalter = loesung;
        z.Aufgaben({Datensatz(17, 3, 5, 3, 3, 2)});
        const auto& flaeche = z.Zeichnen();
        const TAufgabe& t = z.Seite->Aufgabe(0, 0);
        EXPECT_EQ(t.ErgebnisText, "3 R 2");
        // "3 R 2" has five characters: the blank is five digits wide.
        const auto striche = z.Waagrechte(5 * z.Seite->ZifferBreite);
        ASSERT_EQ(striche.size(), 1u);
        const auto texte = flaeche.TexteMit("3 R 2");
        ASSERT_EQ(texte.size(), loesung ? 1u : 0u);
        if (loesung) { // centred over the blank
            const double mitte = (striche[0].X1 + striche[0].X2) / 2.0;
            EXPECT_NEAR(texte[0].X1 + t.TextBreiteErgebnis * Cm / 2, mitte, 1);
        }
    }
}

TEST(Seitenzeichnung, OnlyTheCalculationDropsEqualsSignAndResultWithItsBlank)
{
    Zeichnung z(1, 2);
    z.Seite->NurRechnung = true;
    z.Aufgaben({Datensatz(34, 0, 5, 39, 3), Datensatz(12, 1, 4, 8, 1)});
    const auto& flaeche = z.Zeichnen();
    EXPECT_TRUE(flaeche.TexteMit("=").empty());
    EXPECT_TRUE(flaeche.TexteMit("39").empty());
    EXPECT_EQ(flaeche.TexteMit("34").size(), 1u);
    // The second task still has its blank at the first operand, and only that one.
    EXPECT_EQ(z.Waagrechte(2 * z.Seite->ZifferBreite).size(), 1u);
    EXPECT_TRUE(flaeche.TexteMit("12").empty());
}

TEST(Seitenzeichnung, GhostCellsShowASilverQuestionMarkUnlessTheSolutionIsShown)
{
    struct Fall {
        bool Fragezeichen;
        bool Loesung;
        std::size_t Fragen;
        bool EinerDerZweitenZahl;
    };
    for (const Fall& fall : {Fall{true, false, 3, false}, Fall{false, false, 0, false}, Fall{true, true, 0, true}}) {
        Zeichnung z(1, 1);
        z.Seite->Schriftlich = true;
        z.Seite->Gespenster = true;
        z.Seite->MitFragezeichen = fall.Fragezeichen;
        z.Seite->LoesungaufPlatzhalter = fall.Loesung;
        TGSAufgabe a = Datensatz(385, 0, 47, 432, 3);
        a.Gespenstermuster = {1, 0, 2}; // units of 47, tens of 385, hundreds of 432
        z.Aufgaben({a});
        const auto& flaeche = z.Zeichnen();
        const auto fragen = flaeche.TexteMit("?");
        EXPECT_EQ(fragen.size(), fall.Fragen);
        for (const auto& f : fragen)
            EXPECT_EQ(f.Schrift.Farbe, FarbeSilber);
        EXPECT_EQ(!flaeche.TexteMit("7").empty(), fall.EinerDerZweitenZahl);
        // The colour is back for the cells after a question mark.
        EXPECT_NE(flaeche.TexteMit("5").back().Schrift.Farbe, FarbeSilber);
    }
}

TEST(Seitenzeichnung, SeparatorLinesNumberingAndSheetNumber)
{
    struct Fall {
        bool Loesungen;
        bool Vertikal;
        int Blattnummer;
        int Trennlinien;
        std::vector<std::string> ErsteZeile;
    };
    for (const Fall& fall : {Fall{false, false, -1, 3 * 3, {"1.", "2.", "3.", "4."}},
                             Fall{true, true, 0, 4 * 3, {"1.", "4.", "7.", "10."}},
                             Fall{false, true, 2, 3 * 3, {"1.", "4.", "7.", "10."}}}) {
        Zeichnung z(3, 4);
        z.Seite->Trennlinien = true;
        z.Seite->Nummerierung = true;
        z.Seite->Loesungsspalte = fall.Loesungen;
        z.Seite->VertikalNummerieren = fall.Vertikal;
        z.Seite->Blattnummer = fall.Blattnummer;
        z.Aufgaben({});
        const auto& flaeche = z.Zeichnen();
        const auto senkrechte =
            std::count_if(flaeche.Befehle.begin(), flaeche.Befehle.end(), [](const TZeichenbefehl& b) {
                return b.Art == TZeichenbefehl::TArt::Linie && b.X1 == b.X2 && b.Y2 - b.Y1 > 100;
            });
        EXPECT_EQ(senkrechte, fall.Trennlinien); // one per gap and row
        std::vector<std::string> labels;
        for (const auto& text : flaeche.Texte()) {
            if (text.size() > 1 && text.back() == '.' && labels.size() < 4)
                labels.push_back(text);
        }
        EXPECT_EQ(labels, fall.ErsteZeile);
        const auto nummer = flaeche.TexteMit("2");
        const bool gedruckt =
            std::any_of(nummer.begin(), nummer.end(), [](const TZeichenbefehl& b) { return b.X1 == 40 && b.Y1 == 40; });
        EXPECT_EQ(gedruckt, fall.Blattnummer >= 1);
    }
}

TEST(Seitenzeichnung, ShuffledSolutionsFollowTheOrderAndLeaveErrorsOut)
{
    Zeichnung z(2, 3);
    z.Seite->Loesungsspalte = true;
    z.Seite->Durcheinander = true;
    z.Aufgaben({Datensatz(1, 0, 1, 11, 3), Datensatz(1, 0, 2, 12, 3), Datensatz(1, 0, 3, 13, 3),
                Datensatz(2, 0, 1, 21, 3), Datensatz(2, 0, 2, 22, 3), Datensatz(2, 0, 3, 23, 3)});
    z.Seite->Reihenfolge = {0, 4, 1, 6, 2, 3, 5};
    auto& flaeche = z.Zeichnen();
    std::vector<std::string> loesungen;
    for (const auto& text : flaeche.Texte()) {
        if (text.size() == 3 && text.back() == ';')
            loesungen.push_back(text);
    }
    EXPECT_EQ(loesungen, (std::vector<std::string>{"21;", "11;", "23;", "12;", "13;", "22;"}));

    // An error task draws "Fehler!" and its own entry stays empty; the others are drawn.
    z.Seite->Aufgabe(1, 0).Daten.Fehlermeldung = "Keine Aufgabenart angewählt.";
    const auto& danach = z.Zeichnen();
    EXPECT_EQ(danach.TexteMit("Fehler!").size(), 1u);
    EXPECT_TRUE(danach.TexteMit("21;").empty());
    EXPECT_EQ(danach.TexteMit("11;").size(), 1u);
    EXPECT_EQ(z.Seite->Aufgabe(1, 0).Rahmen, TRahmen{});
}

TEST(Seitenzeichnung, AHeadingWiderThanThePageIsCentredAnyway)
{
    Zeichnung z(1, 1);
    TMemo ueberschrift("MUeberschrift", nullptr);
    ueberschrift.SetLines({"Kurz", std::string(120, 'W')});
    z.Seite->Ueberschrift = &ueberschrift;
    z.Aufgaben({});
    const auto& flaeche = z.Zeichnen();
    const auto kurz = flaeche.TexteMit("Kurz");
    ASSERT_EQ(kurz.size(), 1u);
    z.Seite->Schriftsetzen(z.Seite->SchriftUeberschrift, z.Seite->GroesseUeberschrift);
    const double breite = z.Umgebung.Blatt.Textbreite("Kurz");
    EXPECT_NEAR(kurz[0].X1, ((z.Seite->NutzBreite - breite) / 2 + z.Seite->RandLinks) * Cm, 1);
    // 120 characters of 24 pt are about 51 cm: centred, it would start far left of the
    // page, so it starts at the left margin.
    const auto lang = flaeche.TexteMit(std::string(120, 'W'));
    ASSERT_EQ(lang.size(), 1u);
    EXPECT_NEAR(lang[0].X1, z.Seite->RandLinks * Cm, 1);
    EXPECT_NEAR(z.Seite->KopfEnde, z.Seite->RandOben + z.Seite->UeberschriftHoehe, 1e-9);
}

} // namespace
