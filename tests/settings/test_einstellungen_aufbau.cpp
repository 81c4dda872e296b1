// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window right after creation: defaults, enabled states, run-time layouts,
// containers of the radio buttons, and what a first hand-over gives the generator.

#include "Einstellungsfenster.h"

#include <algorithm>

using TAufbauTest = TEinstellungenTest;

TEST_F(TAufbauTest, AfterCreationTheDependentOptionsAreDisabled)
{
    EXPECT_EQ(Form.Caption.Wert(), "Aufgaben auswählen");
    for (const char* name : {"EZahlenraumbis", "EQuadrataufgabenBis", "LBis", "EMinimalwert", "RBZEplusE", "RBEplusZE",
                             "RBPlusArtenbeide"})
        EXPECT_FALSE(Form.Finde(name)->Enabled()) << name;
    for (int o = 1; o <= 2; ++o)
        for (int r = 1; r <= 2; ++r)
            for (int s = 1; s <= 7; ++s)
                EXPECT_FALSE(CB(Idx("CBStelle", {o, r, s})).Enabled());
    for (int i = 1; i <= 7; ++i) {
        EXPECT_FALSE(B(Idx("BSpaltenkopf", {i})).Enabled());
        EXPECT_FALSE(B(Idx("BZeilenkopf", {i})).Enabled());
        for (int j = 1; j <= i; ++j)
            EXPECT_FALSE(CB(Idx("CBKombination", {i, j})).Enabled());
    }
    EXPECT_FALSE(CB("CBPositiveZahlenKlammernPM").Visible());
    EXPECT_FALSE(CB("CBPositiveZahlenKlammernMG").Visible());

    // The defaults that stay operable: range 1000 leaves both carry choices open, times
    // tables for ·, written division for :.
    EXPECT_TRUE(RB("RBOhneZU").Enabled());
    EXPECT_TRUE(RB("RBOhneHU").Enabled());
    EXPECT_TRUE(CB(Idx("CBMultReihe", {1})).Enabled());
    EXPECT_FALSE(CB(Idx("CBDivReihe", {1})).Enabled());
    EXPECT_TRUE(E(Idx("EStellen", {9})).Enabled());
    EXPECT_FALSE(E(Idx("EStellen", {1})).Enabled());
    EXPECT_EQ(Form.PageControl1->ActivePage(), Form.GSMalGeteilt);
    EXPECT_TRUE(CB("CBMalkv").Checked());
    EXPECT_TRUE(CB("CBMalkommtvor").Checked());
}

TEST_F(TAufbauTest, GridBoxesShowExamplesAsHints)
{
    EXPECT_EQ(CB("CBKombination[7][7]").Hint(), "z.B. 365 + 365");
    EXPECT_EQ(CB("CBKombination[1][1]").Hint(), "z.B. 3 + 3");
    EXPECT_EQ(CB("CBKombination[3][1]").Hint(), "z.B. 23 + 3");
    EXPECT_EQ(CB("CBKombination[6][4]").Hint(), "z.B. 340 + 300");
    EXPECT_TRUE(CB("CBKombination[6][4]").ShowHint());
    EXPECT_EQ(Form.Finde("CBKombination[3][4]"), nullptr); // only j <= i exists
    EXPECT_EQ(B("BZeilenkopf[5]").Caption(), "HE");
    EXPECT_EQ(B("BZeilenkopf[5]").Tag, 105);
    EXPECT_EQ(B("BSpaltenkopf[5]").Tag, 5);
}

// Every control a user operates explains itself in a tip, more than its caption says; the
// window's own example tips stay as they are.
TEST_F(TAufbauTest, EveryControlAUserOperatesShowsATip)
{
    int geprueft = 0;
    for (const auto& c : Form.Steuerelemente()) {
        switch (c->Art()) {
        case TSteuerelementArt::CheckBox:
        case TSteuerelementArt::RadioButton:
        case TSteuerelementArt::RadioGroup:
        case TSteuerelementArt::Edit:
        case TSteuerelementArt::UpDown:
        case TSteuerelementArt::Button:
            ++geprueft;
            EXPECT_TRUE(c->ShowHint()) << c->Name();
            EXPECT_GT(c->Hint().size(), c->Caption().size()) << c->Name() << ": " << c->Hint();
            break;
        default:
            break;
        }
    }
    EXPECT_GT(geprueft, 200); // the run-time boxes, fields and arrows included
    EXPECT_EQ(CB("CBMalUA").Hint(), "Tauschaufgaben zulassen, z.B. 5*4=20 beim 5'er Einmaleins");
    EXPECT_EQ(CB("CBKombination[3][1]").Hint(), "z.B. 23 + 3");
    EXPECT_EQ(CB("CBEmalZ").Hint(), "z.B. 5 · 20");
}

TEST_F(TAufbauTest, ControlsMadeAtRunTimeStandAtTheirPositions)
{
    struct Fall {
        const char* Name;
        int Left, Top, Width, Height;
    };
    const Fall faelle[] = {
        {"CBMultReihe[9]", 128, 40, 25, 17},    {"CBMultReihe[10]", 168, 40, 35, 17},
        {"CBDivReihe[11]", 8, 64, 35, 17},      {"BSpaltenkopf[3]", 64, 32, 26, 17},
        {"BZeilenkopf[3]", 204, 87, 26, 17},    {"CBKombination[3][2]", 71, 68, 17, 17},
        {"CBStelle[2][2][7]", 104, 48, 17, 17}, {"CBStelle[1][1][1]", 248, 32, 17, 17},
        {"EStellen[16]", 136, 40, 21, 21},      {"UDStellen[14]", 158, 12, 16, 25},
    };
    for (const Fall& f : faelle) {
        const TControl* c = Form.Finde(f.Name);
        ASSERT_NE(c, nullptr) << f.Name;
        EXPECT_EQ(c->Left(), f.Left) << f.Name;
        EXPECT_EQ(c->Top(), f.Top) << f.Name;
        EXPECT_EQ(c->Width(), f.Width) << f.Name;
        EXPECT_EQ(c->Height(), f.Height) << f.Name;
    }
    EXPECT_EQ(Form.Finde("CBMultReihe[10]")->Parent(), Form.GBMultWelcheEinmalEins);
    EXPECT_EQ(Form.Finde("EStellen[10]")->Parent(), Form.GBDividendZahlenraum);
    EXPECT_EQ(Form.Finde("CBStelle[2][1][1]")->Parent(), Form.GBOp2);
    EXPECT_EQ(UD("UDStellen[7]").Tag, 7);
    EXPECT_EQ(UD("UDStellen[7]").Max(), 6);
    EXPECT_EQ(UD("UDStellen[6]").Min(), 1);
}

TEST_F(TAufbauTest, TheGridIsCreatedColumnByColumn)
{
    std::vector<std::string> erzeugt;
    for (const auto& c : Form.Steuerelemente()) {
        if (c->Name().starts_with("BSpaltenkopf") || c->Name().starts_with("BZeilenkopf")
            || c->Name().starts_with("CBKombination"))
            erzeugt.push_back(c->Name());
    }
    ASSERT_EQ(erzeugt.size(), 42u);
    EXPECT_EQ(std::vector<std::string>(erzeugt.begin(), erzeugt.begin() + 7),
              (std::vector<std::string>{"BSpaltenkopf[1]", "BZeilenkopf[1]", "CBKombination[1][1]", "BSpaltenkopf[2]",
                                        "BZeilenkopf[2]", "CBKombination[2][1]", "CBKombination[2][2]"}));
}

// Radio buttons exclude exactly the others of their own group box.
TEST_F(TAufbauTest, RadioButtonsExcludeOnlyTheirGroup)
{
    struct Fall {
        const char* Geklickt;
        const char* Abgewaehlt;
        const char* Unberuehrt;
    };
    const Fall faelle[] = {
        {"RBManuelleEingabe", "RBZRbis1000", "RBMitZU"},
        {"RBImmerZU", "RBMitZU", "RBMitHU"},
        {"RBOhneHU", "RBMitHU", "RBImmerZU"},
        {"RBNichtAlle", "RBAlleRechenarten", "RBPlusArtenbeide"},
        {"RBZEplusE", "RBPlusArtenbeide", "RBNichtAlle"},
        {"RBPlusMinusmitNegative", "RBPlusMinusohneNegative", "RBMalGeteiltNegativeNie"},
        {"RBSchriftlich", "RBEinmaleins", "RBSchriftlichdiv"},
        {"RBEinmaleinsdiv", "RBSchriftlichdiv", "RBSchriftlich"},
        {"RBRestimmer", "RBRestnie", "RBMalGeteiltNegativeNie"},
        {"RBMalGeteiltNegativeImmer", "RBMalGeteiltNegativeNie", "RBRestimmer"},
    };
    for (const Fall& f : faelle) {
        RB(f.Geklickt).Click();
        EXPECT_TRUE(RB(f.Geklickt).Checked()) << f.Geklickt;
        EXPECT_FALSE(RB(f.Abgewaehlt).Checked()) << f.Geklickt;
        EXPECT_TRUE(RB(f.Unberuehrt).Checked()) << f.Geklickt;
    }
}

TEST_F(TAufbauTest, TheFirstHandOverGivesTheDefaults)
{
    Form.GeneratorEinstellen();
    const TGSAufgabengenerator& g = Form.Generator();

    EXPECT_FALSE(g.PlusKommtVor);
    EXPECT_FALSE(g.MinusKommtVor);
    EXPECT_TRUE(g.MalKommtVor);
    EXPECT_FALSE(g.GeteiltKommtVor);
    for (int k = 0; k <= 20; ++k) {
        for (int m = 0; m <= 20; ++m) {
            const bool erwartet = k >= 1 && k <= 10 && m >= 1 && m <= 10;
            EXPECT_EQ(g.MultTabelle[k][m], erwartet) << k << " " << m;
            EXPECT_FALSE(g.DivTabelle[k][m]) << k << " " << m;
        }
    }
    EXPECT_EQ(g.MultArt, 0);
    EXPECT_EQ(g.DivArt, 1);
    for (int gruppe = 0; gruppe < 4; ++gruppe) {
        EXPECT_EQ(g.StellenGrenzen[4 * gruppe + 1], 1);
        EXPECT_EQ(g.StellenGrenzen[4 * gruppe + 2], 1);
        EXPECT_EQ(g.StellenGrenzen[4 * gruppe + 3], 0);
        EXPECT_EQ(g.StellenGrenzen[4 * gruppe + 4], 0);
    }
    EXPECT_TRUE(g.PlatzhalterOp1);
    EXPECT_TRUE(g.PlatzhalterOp2);
    EXPECT_TRUE(g.PlatzhalterErg);
    EXPECT_EQ(g.Operandenfolge, 2);
    EXPECT_EQ(g.Zahlenraum, 1000);
    EXPECT_EQ(g.ZUModus, 1);
    EXPECT_EQ(g.HUModus, 1);
    EXPECT_EQ(g.QuadratBis, 10);
    EXPECT_FALSE(g.Quadrataufgaben);
    EXPECT_EQ(g.Faktor1Von, 1);
    EXPECT_EQ(g.Faktor1Bis, 10);
    EXPECT_EQ(g.Faktor2Von, 1);
    EXPECT_EQ(g.Faktor2Bis, 10);
    EXPECT_EQ(g.BesondereAnzahl, 0);
    EXPECT_EQ(g.Restmodus, 0);
    EXPECT_EQ(g.NegativPM, 0);
    EXPECT_EQ(g.NegativMultDiv, 0);
    EXPECT_EQ(g.MinErgebnisDiv, 0);
    EXPECT_FALSE(g.NurKombinationen);
    EXPECT_FALSE(g.NurStellen);
}

TEST(TAufbauOhneHauptfenster, RulesAndHandOverRunWithoutAMainWindow)
{
    TMersenneZufall zufall(1);
    TMeldungsrekorder meldungen;
    TMainForm form(zufall, meldungen, nullptr);

    Steuerelement<TCheckBox>(form, "CBMalkv").Click();
    Steuerelement<TCheckBox>(form, "CBPositiveZahlenKlammernPM").Click();
    Steuerelement<TRadioGroup>(form, "RGPlatzhalterart").SetItemIndex(1);
    Steuerelement<TButton>(form, "BitBtn1").Click();

    EXPECT_FALSE(form.Generator().MalKommtVor);
    EXPECT_TRUE(form.CBPositiveZahlenKlammernMG->Checked());
    EXPECT_TRUE(meldungen.Gezeigt.empty());
}
