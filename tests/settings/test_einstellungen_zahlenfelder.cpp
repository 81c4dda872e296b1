// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric fields: the digit filter, the fields taken over on Enter or exit, the
// smallest quotient, and the coupling of the sixteen digit-count fields.

#include "Einstellungsfenster.h"

#include <array>

TEST(TZiffernfilter, KeepsOnlyDigitsAndFallsBackOtherwise)
{
    struct Fall {
        const char* Text;
        std::int32_t Erwartet;
    };
    const Fall faelle[] = {
        {"1 000", 1000},
        {"-25", 25},
        {"12a3", 123},
        {"", 77},
        {"abc", 77},
        {"99999999999", 77},
        {"2147483647", 2147483647},
        {"2147483648", 77},
        {"0", 0},
        {"0000000000000042", 42},
        {"1,5 cm", 15},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Ziffernfilter(f.Text, 77), f.Erwartet) << '"' << f.Text << '"';
}

using TZahlenfelderTest = TEinstellungenTest;

TEST_F(TZahlenfelderTest, TheNumberRangeIsTakenWithEnter)
{
    RB("RBManuelleEingabe").Click();
    E("EZahlenraumbis").SetText("2 500");
    EXPECT_EQ(Form.Zahlenraum, 1000); // typing alone takes nothing
    char taste = '5';
    E("EZahlenraumbis").KeyPress(taste);
    EXPECT_EQ(Form.Zahlenraum, 1000);

    Enter("EZahlenraumbis");
    EXPECT_EQ(Form.Zahlenraum, 2500);
    EXPECT_EQ(E("EZahlenraumbis").Text(), "2500");
    EXPECT_FALSE(RB("RBOhneZU").Enabled()); // the rules ran with the new range

    E("EZahlenraumbis").SetText("");
    Enter("EZahlenraumbis");
    EXPECT_EQ(Form.Zahlenraum, 2500);
    EXPECT_EQ(E("EZahlenraumbis").Text(), "2500");
}

TEST_F(TZahlenfelderTest, LeavingAFieldActsLikeEnter)
{
    E("EMinimalwert").SetText("-7");
    E("EMinimalwert").Exit();
    EXPECT_EQ(Form.Minimalwert, 7);
    EXPECT_EQ(E("EMinimalwert").Text(), "7");

    E("EQuadrataufgabenBis").SetText("15");
    Enter("EQuadrataufgabenBis");
    EXPECT_EQ(Form.QuadratBis, 15);
    Form.GeneratorEinstellen();
    EXPECT_EQ(Form.Generator().QuadratBis, 15);
    EXPECT_EQ(Form.Generator().Minimalwert, 7);
}

TEST_F(TZahlenfelderTest, TheSmallestResultStaysWithinItsRange)
{
    E("EMinErgDivision").SetText("4");
    EXPECT_EQ(UD("UDMinErgDivision").Position(), 4);

    E("EMinErgDivision").SetText("15");
    EXPECT_EQ(UD("UDMinErgDivision").Position(), 4);
    EXPECT_EQ(E("EMinErgDivision").Text(), "15");

    UD("UDMinErgDivision").Pfeilklick(TUDBtnType::btNext);
    EXPECT_EQ(UD("UDMinErgDivision").Position(), 5);
    EXPECT_EQ(E("EMinErgDivision").Text(), "5");
    Form.GeneratorEinstellen();
    EXPECT_EQ(Form.Generator().MinErgebnisDiv, 5);
}

struct TKopplungsfall {
    const char* Name;
    std::vector<std::pair<int, const char*>> Eingaben; // field t, typed text
    int Erste;                                         // first field of the group checked
    std::array<int, 4> Erwartet;
};

void PrintTo(const TKopplungsfall& fall, std::ostream* os)
{
    *os << fall.Name;
}

class TKopplungTest : public TEinstellungenTest, public ::testing::WithParamInterface<TKopplungsfall> {};

TEST_P(TKopplungTest, TheCoupledGroupStaysConsistent)
{
    Haupt.SichtbarFeld = true;
    for (const auto& [t, text] : GetParam().Eingaben)
        E(Idx("EStellen", {t})).SetText(text);
    for (int m = 0; m < 4; ++m) {
        const int t = GetParam().Erste + m;
        EXPECT_EQ(UD(Idx("UDStellen", {t})).Position(), GetParam().Erwartet[m]) << "t = " << t;
    }
    // However far the coupling spread, every text shows its position again ...
    for (int t = 1; t <= 16; ++t)
        EXPECT_EQ(E(Idx("EStellen", {t})).Text(), std::to_string(UD(Idx("UDStellen", {t})).Position())) << t;
    // ... and each typed text gave exactly one new page, built from the final positions.
    EXPECT_EQ(Neuaufbauten(), static_cast<int>(GetParam().Eingaben.size()));
    for (int t = 1; t <= 16; ++t)
        EXPECT_EQ(Haupt.Generator->StellenGrenzen[t], UD(Idx("UDStellen", {t})).Position()) << t;
}

INSTANTIATE_TEST_SUITE_P(
    Stellenfelder, TKopplungTest,
    ::testing::Values(TKopplungsfall{"ZiffernVon", {{1, "3"}}, 1, {3, 3, 0, 0}},
                      TKopplungsfall{"DannNullenVon", {{1, "3"}, {3, "3"}}, 1, {4, 4, 3, 3}},
                      TKopplungsfall{"NeunWirdNichtGenommen", {{2, "9"}}, 1, {1, 1, 0, 0}},
                      TKopplungsfall{"NullWirdNichtGenommen", {{4, "2"}, {4, "0"}}, 1, {1, 3, 0, 2}},
                      TKopplungsfall{"SiebenInNullenVon", {{3, "7"}}, 1, {7, 7, 6, 6}},
                      TKopplungsfall{"SiebenInNullenBis", {{4, "7"}}, 1, {1, 7, 0, 6}},
                      TKopplungsfall{"ZiffernBisSenktZiffernVon", {{1, "5"}, {2, "2"}}, 1, {2, 2, 0, 0}},
                      TKopplungsfall{"ZweiterFaktorOhneBindung", {{5, "6"}}, 1, {1, 1, 0, 0}},
                      TKopplungsfall{"DivisorHebtDividend", {{10, "2"}, {14, "5"}}, 9, {1, 5, 0, 0}},
                      TKopplungsfall{"DividendSenktDivisor", {{14, "5"}, {10, "2"}}, 13, {1, 2, 0, 0}},
                      TKopplungsfall{"DivisorVonHebtDividendVon", {{13, "3"}}, 9, {3, 3, 0, 0}}),
    [](const auto& fall) { return std::string(fall.param.Name); });

TEST_F(TZahlenfelderTest, TheArrowsCoupleAndShowThePosition)
{
    UD("UDStellen[3]").Pfeilklick(TUDBtnType::btNext);
    const std::array<int, 4> erwartet{2, 2, 1, 1};
    for (int t = 1; t <= 4; ++t) {
        EXPECT_EQ(UD(Idx("UDStellen", {t})).Position(), erwartet[t - 1]) << t;
        EXPECT_EQ(E(Idx("EStellen", {t})).Text(), std::to_string(erwartet[t - 1])) << t;
    }
    UD("UDStellen[3]").Pfeilklick(TUDBtnType::btPrev);
    EXPECT_EQ(UD("UDStellen[3]").Position(), 0); // arrows reach 0, typing does not
    EXPECT_EQ(E("EStellen[3]").Text(), "0");
    EXPECT_EQ(UD("UDStellen[4]").Position(), 1);
}
