// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over of the settings to the generator: what each control contributes, and where
// the enabled state counts as well as the checked state.

#include "Einstellungsfenster.h"

using TUebergabeTest = TEinstellungenTest;

TEST_F(TUebergabeTest, ZeroAddsAColumnAndSwappedTasksARow)
{
    CB("CBNullkommtvorMultDiv").Click();
    Form.GeneratorEinstellen();
    for (int k = 1; k <= 10; ++k) {
        EXPECT_TRUE(Form.Generator().MultTabelle[k][0]) << k;
        EXPECT_FALSE(Form.Generator().MultTabelle[0][k]) << k;
    }
    EXPECT_FALSE(Form.Generator().MultTabelle[11][0]);

    CB("CBMalUA").Click();
    CB("CBDivReihe[4]").Click();
    CB("CBGeteiltUA").Click();
    Form.GeneratorEinstellen();
    const TGSAufgabengenerator& g = Form.Generator();
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(g.MultTabelle[0][k]) << k;
    EXPECT_TRUE(g.DivTabelle[4][0]);
    EXPECT_TRUE(g.DivTabelle[0][4]);
    EXPECT_TRUE(g.DivTabelle[7][4]); // 28 : 7 as the swapped task of the 4 times table
    EXPECT_FALSE(g.DivTabelle[7][3]);
}

// Each of the three size boxes alone, for the pairs that tell them apart.
TEST_F(TUebergabeTest, EachSizeBoxAdmitsItsOwnPairsOfTimesTableRows)
{
    struct Fall {
        int K, M;
        std::array<bool, 3> ZugelassenVon; // small·small, small·large, large·large
    };
    const Fall faelle[] = {
        {10, 10, {true, true, true}},   {3, 15, {false, true, false}}, {15, 3, {false, true, false}},
        {15, 12, {false, false, true}}, {4, 7, {true, false, false}},
    };
    const char* const malBoxen[3] = {"CBMultkzmalkz", "CBMultkzmalgz", "CBMultgzmalgz"};
    const char* const divBoxen[3] = {"CBDivkzdurchkz", "CBDivgzdurchkz", "CBDivgzdurchgz"};
    B("BMult11bis20").Click();
    B("Button1").Click();
    B("Button2").Click();
    for (int box = 0; box < 3; ++box) {
        for (int b = 0; b < 3; ++b) {
            CB(malBoxen[b]).SetChecked(b == box);
            CB(divBoxen[b]).SetChecked(b == box);
        }
        Form.GeneratorEinstellen();
        for (const Fall& f : faelle) {
            EXPECT_EQ(Form.Generator().MultTabelle[f.K][f.M], f.ZugelassenVon[box]) << f.K << "·" << f.M << " " << box;
            EXPECT_EQ(Form.Generator().DivTabelle[f.K][f.M], f.ZugelassenVon[box]) << f.K << ":" << f.M << " " << box;
        }
    }
}

TEST_F(TUebergabeTest, SpecialProductsInAFixedOrder)
{
    CB("CBZEmalZ").Click();
    Form.GeneratorEinstellen();
    ASSERT_EQ(Form.Generator().BesondereAnzahl, 2);
    EXPECT_EQ(Form.Generator().BesondereProdukte[1], (TTypPaar{TypZE, TypZ}));
    EXPECT_EQ(Form.Generator().BesondereProdukte[2], (TTypPaar{TypZ, TypZE}));

    CB("CBEmalZ").Click();
    RB("RBBesondereProdukte").Click();
    Form.GeneratorEinstellen();
    const TGSAufgabengenerator& g = Form.Generator();
    ASSERT_EQ(g.BesondereAnzahl, 4);
    EXPECT_EQ(g.BesondereProdukte[1], (TTypPaar{TypE, TypZ}));
    EXPECT_EQ(g.BesondereProdukte[2], (TTypPaar{TypZ, TypE}));
    EXPECT_EQ(g.BesondereProdukte[3], (TTypPaar{TypZE, TypZ}));
    EXPECT_EQ(g.BesondereProdukte[4], (TTypPaar{TypZ, TypZE}));
    EXPECT_EQ(g.MultArt, 3);

    CB("CBEmalZ").Click();
    CB("CBZEmalZ").Click();
    Form.GeneratorEinstellen();
    EXPECT_EQ(Form.Generator().BesondereAnzahl, 0);
}

TEST_F(TUebergabeTest, ADisabledCrossingGroupGivesModeOne)
{
    RB("RBImmerZU").Click();
    RB("RBOhneHU").Click();
    Form.GeneratorEinstellen();
    EXPECT_EQ(Form.Generator().ZUModus, 2);
    EXPECT_EQ(Form.Generator().HUModus, 0);

    RB("RBZRbis100").Click(); // hundreds carry no choice up to 100
    Form.GeneratorEinstellen();
    EXPECT_EQ(Form.Generator().ZUModus, 2);
    EXPECT_EQ(Form.Generator().HUModus, 1);

    RB("RBZRbis10").Click();
    Form.GeneratorEinstellen();
    EXPECT_EQ(Form.Generator().ZUModus, 1);
    EXPECT_EQ(Form.HUModus, 0); // the stored choice stays for later
    EXPECT_EQ(Form.ZUModus, 2);
}

TEST_F(TUebergabeTest, ADisabledGridBoxDoesNotCount)
{
    RB("RBNichtAlle").Click();
    CB("CBKombination[2][2]").Click();
    CB("CBKombination[1][1]").Click();
    RB("RBImmerZU").Click();
    Form.GeneratorEinstellen();
    EXPECT_TRUE(CB("CBKombination[2][2]").Checked());
    EXPECT_FALSE(Form.Generator().Kombination[2][2]);
    EXPECT_TRUE(Form.Generator().Kombination[1][1]);
    EXPECT_FALSE(Form.Generator().Kombination[3][1]);
    EXPECT_TRUE(Form.Generator().NurKombinationen);

    RB("RBMitZU").Click();
    Form.GeneratorEinstellen();
    EXPECT_TRUE(Form.Generator().Kombination[2][2]);
}

TEST_F(TUebergabeTest, ChoiceFieldsAndDigitPlacesReachTheGenerator)
{
    for (const char* name : {"RBRestJa", "RBPlusMinusNegativeImmer", "RBMalGeteiltNegativeja", "RBEplusZE",
                             "RBFaktorenInnerhalbVonIntervallen", "RBEinmaleinsdiv", "RBNichtAlle"})
        RB(name).Click();
    for (const char* name : {"CBNurFolgendeOperanden", "CBStelle[2][2][5]", "CBErgZehner", "CBErgHunderter",
                             "CBKeine10HochN", "CBMinimalWert", "CBPlatzhalterOp2", "CBPluskommtvor"})
        CB(name).Click();
    UD("UdIntFaktor2Bis").Pfeilklick(TUDBtnType::btNext);
    Form.GeneratorEinstellen();

    const TGSAufgabengenerator& g = Form.Generator();
    EXPECT_EQ(g.Restmodus, 1);
    EXPECT_EQ(g.NegativPM, 2);
    EXPECT_EQ(g.NegativMultDiv, 1);
    EXPECT_EQ(g.Operandenfolge, 1);
    EXPECT_EQ(g.MultArt, 2);
    EXPECT_EQ(g.DivArt, 0);
    EXPECT_TRUE(g.NurStellen);
    EXPECT_TRUE(g.Stellenmaske[2][2][5]);
    EXPECT_TRUE(g.Stellenmaske[2][1][5]);
    EXPECT_FALSE(g.Stellenmaske[1][1][5]);
    EXPECT_TRUE(g.ErgZehner);
    EXPECT_TRUE(g.ErgHunderter);
    EXPECT_TRUE(g.Keine10HochN);
    EXPECT_TRUE(g.MinimalwertAktiv);
    EXPECT_FALSE(g.PlatzhalterOp2);
    EXPECT_TRUE(g.PlusKommtVor);
    EXPECT_EQ(g.Faktor2Bis, 11);
    EXPECT_TRUE(CB("CBPositiveZahlenKlammernPM").Visible());
    EXPECT_TRUE(CB("CBPositiveZahlenKlammernMG").Visible());
}
