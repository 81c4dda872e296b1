// SPDX-License-Identifier: GPL-3.0-or-later
// The consistency rules, driven through the controls as a user would: enabled states, the
// combination grid, the paired boxes, the toggles, the warning and the rebuilds of the page.

#include "Einstellungsfenster.h"

#include <set>

using TRegelnTest = TEinstellungenTest;

TEST_F(TRegelnTest, TheCrossingGroupsDependOnTheNumberRange)
{
    struct Fall {
        const char* Zahlenraum;
        bool NurFolgende;
        bool ZehnerOffen;
        bool HunderterOffen;
    };
    const Fall faelle[] = {
        {"RBZRbis10", false, false, false},      {"RBZRbis10", true, true, true},
        {"RBZRbis20", false, true, false},       {"RBZRbis100", false, true, false},
        {"RBZRbis1000", false, true, true},      {"RBZRbis10000", false, false, false},
        {"RBZRbis1000000", false, false, false}, {"RBZRbis1000000", true, true, true},
    };
    for (const Fall& f : faelle) {
        RB(f.Zahlenraum).Click();
        RB(f.NurFolgende ? "RBNichtAlle" : "RBAlleRechenarten").Click();
        EXPECT_EQ(Form.Zahlenraum, RB(f.Zahlenraum).Tag);
        for (const char* name : {"RBOhneZU", "RBImmerZU", "CBErgZehner"})
            EXPECT_EQ(Form.Finde(name)->Enabled(), f.ZehnerOffen) << f.Zahlenraum << " " << name;
        for (const char* name : {"RBOhneHU", "RBMitHU", "CBErgHunderter"})
            EXPECT_EQ(Form.Finde(name)->Enabled(), f.HunderterOffen) << f.Zahlenraum << " " << name;
    }
}

TEST_F(TRegelnTest, FixedDigitPlacesDisableTheOptionsAbove)
{
    RB("RBNichtAlle").Click();
    CB("CBStelle[2][2][4]").Click();
    CB("CBNurFolgendeOperanden").Click();

    for (const char* name : {"RBOhneZU", "RBOhneHU", "RBAlleRechenarten", "RBNichtAlle", "RBZEplusE", "BSpaltenkopf[1]",
                             "BZeilenkopf[7]", "CBKombination[1][1]", "CBKombination[7][7]"})
        EXPECT_FALSE(Form.Finde(name)->Enabled()) << name;
    for (int s = 1; s <= 7; ++s) {
        EXPECT_TRUE(CB(Idx("CBStelle", {1, 2, s})).Enabled());
        EXPECT_TRUE(CB(Idx("CBStelle", {1, 1, s})).Enabled());
        EXPECT_TRUE(CB(Idx("CBStelle", {2, 2, s})).Enabled());
        EXPECT_EQ(CB(Idx("CBStelle", {2, 1, s})).Enabled(), s != 4);
    }

    CB("CBNurFolgendeOperanden").Click();
    EXPECT_TRUE(RB("RBNichtAlle").Enabled());
    EXPECT_TRUE(CB("CBKombination[1][1]").Enabled());
    EXPECT_FALSE(CB("CBStelle[1][2][1]").Enabled());
}

TEST_F(TRegelnTest, MustOccurIncludesMayOccur)
{
    CB("CBNurFolgendeOperanden").Click();
    CB("CBStelle[1][2][3]").Click();
    EXPECT_TRUE(CB("CBStelle[1][1][3]").Checked());
    EXPECT_FALSE(CB("CBStelle[1][1][3]").Enabled());
    EXPECT_FALSE(CB("CBStelle[2][1][3]").Checked());

    CB("CBStelle[1][2][3]").Click();
    EXPECT_TRUE(CB("CBStelle[1][1][3]").Checked());
    EXPECT_TRUE(CB("CBStelle[1][1][3]").Enabled());
}

struct TGitterfall {
    const char* Zehner;
    const char* Hunderter;
    std::set<std::string> Boxen;
    std::set<std::string> Koepfe;
};

void PrintTo(const TGitterfall& fall, std::ostream* os)
{
    *os << fall.Zehner << " " << fall.Hunderter;
}

class TGitterTest : public TEinstellungenTest, public ::testing::WithParamInterface<TGitterfall> {};

TEST_P(TGitterTest, OnlyPossibleCombinationsCanBeChosen)
{
    static const char* const Typ[8] = {"", "E", "Z", "ZE", "H", "HE", "HZ", "HZE"};
    RB("RBNichtAlle").Click();
    RB(GetParam().Zehner).Click();
    RB(GetParam().Hunderter).Click();

    std::set<std::string> boxen;
    std::set<std::string> koepfe;
    for (int i = 1; i <= 7; ++i) {
        for (int j = 1; j <= i; ++j) {
            if (CB(Idx("CBKombination", {i, j})).Enabled())
                boxen.insert(std::string(Typ[i]) + "+" + Typ[j]);
        }
        EXPECT_EQ(B(Idx("BSpaltenkopf", {i})).Enabled(), B(Idx("BZeilenkopf", {i})).Enabled());
        if (B(Idx("BSpaltenkopf", {i})).Enabled())
            koepfe.insert(Typ[i]);
    }
    EXPECT_EQ(boxen, GetParam().Boxen);
    EXPECT_EQ(koepfe, GetParam().Koepfe);
    EXPECT_TRUE(RB("RBZEplusE").Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Uebergaenge, TGitterTest,
    ::testing::Values(
        TGitterfall{"RBImmerZU",
                    "RBMitHU",
                    {"E+E", "ZE+E", "ZE+ZE", "HE+E", "HE+ZE", "HE+HE", "HZE+E", "HZE+ZE", "HZE+HE", "HZE+HZE"},
                    {"E", "ZE", "HE", "HZE"}},
        TGitterfall{"RBMitZU",
                    "RBImmerHU",
                    {"Z+Z", "ZE+E", "ZE+Z", "ZE+ZE", "HE+E", "HE+Z", "HE+ZE", "HE+HE", "HZ+Z", "HZ+ZE", "HZ+HZ",
                     "HZE+E", "HZE+Z", "HZE+ZE", "HZE+HE", "HZE+HZ", "HZE+HZE"},
                    {"E", "Z", "ZE", "HE", "HZ", "HZE"}},
        TGitterfall{"RBOhneZU",
                    "RBImmerHU",
                    {"Z+Z", "ZE+Z", "ZE+ZE", "HE+E", "HE+Z", "HE+ZE", "HE+HE", "HZ+Z", "HZ+ZE", "HZ+HZ", "HZE+Z",
                     "HZE+ZE", "HZE+HE", "HZE+HZ", "HZE+HZE"},
                    {"Z", "ZE", "HE", "HZ", "HZE"}},
        TGitterfall{"RBImmerZU",
                    "RBImmerHU",
                    {"ZE+E", "ZE+ZE", "HE+E", "HE+Z", "HE+ZE", "HE+HE", "HZE+E", "HZE+ZE", "HZE+HE", "HZE+HZE"},
                    {"E", "ZE", "HE", "HZE"}}));

TEST_F(TRegelnTest, AColumnHeadTogglesOnlyTheEnabledBoxes)
{
    Haupt.SichtbarFeld = true;
    RB("RBNichtAlle").Click();
    CB("CBKombination[3][1]").Click();
    CB("CBKombination[3][2]").Click();
    RB("RBImmerZU").Click(); // locks type Z: [3][2] keeps its tick
    ASSERT_FALSE(CB("CBKombination[3][2]").Enabled());

    Haupt.Aufrufe.clear();
    B("BSpaltenkopf[3]").Click();
    EXPECT_FALSE(CB("CBKombination[3][1]").Checked());
    EXPECT_TRUE(CB("CBKombination[3][2]").Checked());
    EXPECT_FALSE(CB("CBKombination[3][3]").Checked());
    EXPECT_EQ(Neuaufbauten(), 1);

    B("BSpaltenkopf[3]").Click();
    EXPECT_TRUE(CB("CBKombination[3][1]").Checked());
    EXPECT_TRUE(CB("CBKombination[3][2]").Checked());
    EXPECT_TRUE(CB("CBKombination[3][3]").Checked());
    EXPECT_EQ(Neuaufbauten(), 2);
    EXPECT_TRUE(Haupt.Generator->Kombination[3][3]);
}

TEST_F(TRegelnTest, ARowHeadTogglesTheRowByItsLastColumn)
{
    RB("RBNichtAlle").Click();
    CB("CBKombination[4][2]").Click();
    B("BZeilenkopf[2]").Click(); // reference [7][2] unchecked: all of row 2 on
    for (int i = 2; i <= 7; ++i)
        EXPECT_TRUE(CB(Idx("CBKombination", {i, 2})).Checked()) << i;
    EXPECT_FALSE(CB("CBKombination[2][1]").Checked());
    B("BZeilenkopf[2]").Click();
    for (int i = 2; i <= 7; ++i)
        EXPECT_FALSE(CB(Idx("CBKombination", {i, 2})).Checked()) << i;
}

TEST_F(TRegelnTest, TheTimesTableButtonTogglesTenRowsWithOneRebuild)
{
    Haupt.SichtbarFeld = true;
    B("BMult1bis10").Click();
    for (int k = 1; k <= 10; ++k)
        EXPECT_FALSE(CB(Idx("CBMultReihe", {k})).Checked()) << k;
    EXPECT_EQ(Neuaufbauten(), 1);
    EXPECT_FALSE(Haupt.Generator->MultTabelle[7][7]);

    B("BMult1bis10").Click();
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(CB(Idx("CBMultReihe", {k})).Checked()) << k;
    EXPECT_EQ(Neuaufbauten(), 2);
    EXPECT_TRUE(Haupt.Generator->MultTabelle[7][7]);
    EXPECT_TRUE(Form.RegelnAktiv);

    B("Button2").Click();
    for (int k = 11; k <= 20; ++k)
        EXPECT_TRUE(CB(Idx("CBDivReihe", {k})).Checked()) << k;
    EXPECT_FALSE(CB("CBDivReihe[10]").Checked());
    EXPECT_EQ(Neuaufbauten(), 3);

    // Pressed while the rules are suspended (say, by a file being read), the button leaves
    // them suspended instead of putting them in force in the middle of the bulk change.
    Form.RegelnAktiv = false;
    B("BMult1bis10").Click();
    EXPECT_FALSE(Form.RegelnAktiv);
    Form.RegelnAktiv = true;
}

TEST_F(TRegelnTest, EveryChangeRebuildsTheVisiblePageOnce)
{
    CB("CBPluskv").Click();
    EXPECT_EQ(Neuaufbauten(), 0); // main window hidden: no page to rebuild

    Haupt.SichtbarFeld = true;
    CB("CBMinuskv").Click();
    EXPECT_EQ(Neuaufbauten(), 1);
    // The page is built from the final settings: the generator was lent with them.
    EXPECT_TRUE(Haupt.Generator->MinusKommtVor);
    EXPECT_EQ(Haupt.Aufrufe.back(), "BNeueAufgabeClick");

    Form.LogikCheck(); // as the main window does at start-up
    EXPECT_EQ(Neuaufbauten(), 2);

    UD("UDIntFaktor1Von").Pfeilklick(TUDBtnType::btNext);
    EXPECT_EQ(Neuaufbauten(), 3);
    EXPECT_EQ(E("EIntFaktor1Von").Text(), "2");
    EXPECT_EQ(Haupt.Generator->Faktor1Von, 2);
}

TEST_F(TRegelnTest, TheSquareFieldIsOfferedOnlyWithTimesTableAndSquareTasks)
{
    EXPECT_FALSE(E("EQuadrataufgabenBis").Enabled());
    CB("CBQuadrataufgaben").Click();
    EXPECT_TRUE(E("EQuadrataufgabenBis").Enabled());
    EXPECT_TRUE(Form.LBis->Enabled());
    RB("RBSchriftlich").Click();
    EXPECT_FALSE(E("EQuadrataufgabenBis").Enabled());
    EXPECT_FALSE(Form.LBis->Enabled());
    EXPECT_FALSE(CB("CBMultReihe[3]").Enabled());
    EXPECT_FALSE(B("BMult1bis10").Enabled());
    EXPECT_TRUE(E("EStellen[5]").Enabled());
    RB("RBBesondereProdukte").Click();
    EXPECT_TRUE(CB("CBEmalZ").Enabled());
    EXPECT_FALSE(E("EStellen[5]").Enabled());
}

TEST_F(TRegelnTest, TwinControlsFollowEachOther)
{
    const std::pair<const char*, const char*> paare[] = {
        {"CBPluskv", "CBPluskommtvor"},
        {"CBMinuskommtvor", "CBMinuskv"},
        {"CBGeteiltkv", "CBGeteiltkommtvor"},
        {"CBPlatzhalteraufgaben", "CBPlatzhaleraddsub"},
        {"CBPlatzhalterMultDiv", "CBPlatzhalterkommenvormultdiv"},
        {"CBPositiveZahlenKlammernMG", "CBPositiveZahlenKlammernPM"},
    };
    for (const auto& [geklickt, folgt] : paare) {
        CB(geklickt).Click();
        EXPECT_TRUE(CB(folgt).Checked()) << geklickt;
        CB(geklickt).Click();
        EXPECT_FALSE(CB(folgt).Checked()) << geklickt;
    }
}

TEST_F(TRegelnTest, TheLayoutWarningShowsOnceWhenMultiplicationIsTurnedOn)
{
    Haupt.Schriftlich = true;
    CB("CBMalkv").Click(); // switching off warns nothing
    EXPECT_TRUE(Meldungen.Gezeigt.empty());

    CB("CBMalkv").Click();
    ASSERT_EQ(Meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(Meldungen.Gezeigt[0].Titel, "Warnung:");
    EXPECT_EQ(Meldungen.Gezeigt[0].Text,
              "Das Layout \"schriftliche Rechnung\" ist nur für Addition und Subtraktion vorgesehen.");
    EXPECT_EQ(Meldungen.Gezeigt[0].Art, TMeldungsart::Warnung);
    EXPECT_TRUE(CB("CBMalkommtvor").Checked());

    CB("CBGeteiltkommtvor").Click();
    EXPECT_EQ(Meldungen.Gezeigt.size(), 2u);
    CB("CBPluskv").Click();
    EXPECT_EQ(Meldungen.Gezeigt.size(), 2u);
}

TEST_F(TRegelnTest, TheKindOfBlankIsOfferedOnlyWithTheOtherChoice)
{
    Haupt.Aufrufe.clear();
    Haupt.PlatzhalterartFeld = 1;
    Form.RGPlatzhalterart->SetItemIndex(1);
    EXPECT_TRUE(Haupt.Aufrufe.empty());

    Form.RGPlatzhalterart->SetItemIndex(0);
    EXPECT_EQ(Haupt.PlatzhalterartFeld, 0);
    EXPECT_EQ(Haupt.Aufrufe, (std::vector<std::string>{"Platzhalterart", "ParameterUebergeben", "BSeitenmetrik"}));
}

TEST_F(TRegelnTest, BracketsAreOfferedOnlyWithNegativeNumbers)
{
    Haupt.SichtbarFeld = true;
    RB("RBMalGeteiltNegativeja").Click(); // the rebuild hands the mode over
    EXPECT_TRUE(CB("CBPositiveZahlenKlammernMG").Visible());
    EXPECT_FALSE(CB("CBPositiveZahlenKlammernPM").Visible());

    Haupt.Aufrufe.clear();
    CB("CBPositiveZahlenKlammernMG").Click();
    EXPECT_TRUE(CB("CBPositiveZahlenKlammernPM").Checked());
    EXPECT_TRUE(Haupt.PositiveKlammern);
    EXPECT_EQ(Haupt.Anzahl("Seitenmetrik"), 1);
    EXPECT_EQ(Neuaufbauten(), 0);

    RB("RBMalGeteiltNegativeNie").Click();
    EXPECT_FALSE(Haupt.PositiveKlammern);
    EXPECT_FALSE(CB("CBPositiveZahlenKlammernMG").Visible());
}

TEST_F(TRegelnTest, TheReturnButtonShowsTheMainWindowAndRebuildsOnlyAHiddenOne)
{
    CB("CBGeteiltkommtvor").Click();
    Haupt.Aufrufe.clear();
    B("BitBtn1").Click();
    EXPECT_EQ(Haupt.Aufrufe,
              (std::vector<std::string>{"PositiveKlammern", "Generator", "Zeigen", "BNeueAufgabeClick"}));
    EXPECT_EQ(Haupt.Generator, &Form.Generator());
    EXPECT_TRUE(Haupt.Generator->GeteiltKommtVor);

    Haupt.Aufrufe.clear();
    B("BitBtn1").Click();
    EXPECT_EQ(Neuaufbauten(), 0);
    EXPECT_EQ(Haupt.Anzahl("Zeigen"), 1);
}

TEST_F(TRegelnTest, TypingByHandKeepsTheNumberRange)
{
    RB("RBZRbis100").Click();
    RB("RBManuelleEingabe").Click();
    EXPECT_TRUE(E("EZahlenraumbis").Enabled());
    EXPECT_EQ(Form.Zahlenraum, 100);
    RB("RBImmerZU").Click();
    EXPECT_EQ(Form.ZUModus, 2);
    RB("RBOhneHU").Click();
    EXPECT_EQ(Form.HUModus, 0);
    RB("RBZRbis20").Click();
    EXPECT_FALSE(E("EZahlenraumbis").Enabled());
}
