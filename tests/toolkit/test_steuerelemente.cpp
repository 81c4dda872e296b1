// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Formular.h"
#include "toolkit/Steuerelemente.h"
#include "toolkit/Waechter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A window with a group of three radio buttons, a check box, an edit field and an up-down,
// each handler counting its runs.
class Testformular final : public TFormular {
public:
    Testformular() : TFormular("Test")
    {
        Gruppe = &Erzeuge<TGroupBox>("GBGruppe");
        Innen = &Erzeuge<TGroupBox>("GBInnen", Gruppe);
        for (int i = 1; i <= 3; ++i) {
            auto& rb = Erzeuge<TRadioButton>(Indexname("RB", {i}), Gruppe);
            rb.OnClick = [this](TRadioButton& r) { Klicks.push_back(r.Name()); };
            Radios.push_back(&rb);
        }
        Box = &Erzeuge<TCheckBox>("CBBox", Innen);
        Box->OnClick = [this](TCheckBox& c) { Klicks.push_back(c.Name()); };
        Feld = &Erzeuge<TEdit>("EFeld");
        Feld->OnChange = [this](TEdit& e) { Klicks.push_back("change:" + e.Text()); };
        Pfeile = &Erzeuge<TUpDown>("UDPfeile");
        Pfeile->SetRange(1, 7);
        Pfeile->OnClick = [this](TUpDown& u, TUDBtnType) { Klicks.push_back("pfeil:" + std::to_string(u.Position())); };
    }

    TGroupBox* Gruppe;
    TGroupBox* Innen;
    std::vector<TRadioButton*> Radios;
    TCheckBox* Box;
    TEdit* Feld;
    TUpDown* Pfeile;
    std::vector<std::string> Klicks;
};

TEST(Steuerelemente, SettingThePresentValueRunsNothing)
{
    Testformular f;
    f.Box->SetChecked(false);
    f.Feld->SetText("");
    f.Radios[0]->SetChecked(false);
    EXPECT_TRUE(f.Klicks.empty());

    f.Box->SetChecked(true);
    f.Box->SetChecked(true);
    f.Feld->SetText("12");
    f.Feld->SetText("12");
    EXPECT_EQ(f.Klicks, (std::vector<std::string>{"CBBox", "change:12"}));
}

TEST(Steuerelemente, ACheckBoxRunsItsHandlerOnEveryChangeMadeByTheProgram)
{
    Testformular f;
    f.Box->SetChecked(true);
    f.Box->Click();
    EXPECT_FALSE(f.Box->Checked());
    EXPECT_EQ(f.Klicks, (std::vector<std::string>{"CBBox", "CBBox"}));
}

TEST(Steuerelemente, CheckingARadioButtonUnchecksItsSiblingsWithoutTheirHandlers)
{
    Testformular f;
    f.Radios[0]->SetChecked(true);
    f.Radios[2]->SetChecked(true);
    EXPECT_FALSE(f.Radios[0]->Checked());
    EXPECT_TRUE(f.Radios[2]->Checked());
    EXPECT_EQ(f.Klicks, (std::vector<std::string>{"RB[1]", "RB[3]"}));

    // Setting one false only unchecks it: no sibling is checked, no handler runs.
    f.Klicks.clear();
    f.Radios[2]->SetChecked(false);
    EXPECT_FALSE(f.Radios[0]->Checked() || f.Radios[1]->Checked() || f.Radios[2]->Checked());
    EXPECT_TRUE(f.Klicks.empty());
}

TEST(Steuerelemente, EnablingAGroupBoxSetsEveryControlInsideIt)
{
    Testformular f;
    f.Box->SetEnabled(true);
    f.Gruppe->SetEnabled(false);
    EXPECT_FALSE(f.Radios[1]->Enabled());
    EXPECT_FALSE(f.Innen->Enabled());
    EXPECT_FALSE(f.Box->Enabled());

    // Enabling it again enables even a control that was disabled on its own before.
    f.Box->SetEnabled(false);
    f.Gruppe->SetEnabled(true);
    EXPECT_TRUE(f.Box->Enabled());
}

TEST(Steuerelemente, AControlIsOperableOnlyWhenItAndItsContainersAreEnabledAndVisible)
{
    Testformular f;
    EXPECT_TRUE(f.Box->Bedienbar());
    f.Innen->TControl::SetEnabled(false); // the container alone, its controls untouched
    EXPECT_TRUE(f.Box->Enabled());
    EXPECT_FALSE(f.Box->Bedienbar());
    f.Innen->TControl::SetEnabled(true);
    f.Gruppe->SetVisible(false);
    EXPECT_FALSE(f.Box->Bedienbar());
}

TEST(Steuerelemente, AnUpDownClampsItsPositionAndOnlyArrowsRunItsHandler)
{
    Testformular f;
    EXPECT_EQ(f.Pfeile->Position(), 1); // the range moved the position into it
    f.Pfeile->SetPosition(9);
    EXPECT_EQ(f.Pfeile->Position(), 7);
    f.Pfeile->SetPosition(-40000);
    EXPECT_EQ(f.Pfeile->Position(), 1);
    EXPECT_TRUE(f.Klicks.empty());

    f.Pfeile->Pfeilklick(TUDBtnType::btNext);
    f.Pfeile->SetPosition(7);
    f.Pfeile->Pfeilklick(TUDBtnType::btNext); // at the bound: the handler still runs
    EXPECT_EQ(f.Klicks, (std::vector<std::string>{"pfeil:2", "pfeil:7"}));
}

TEST(Steuerelemente, AnAssociatedEditShowsThePositionAndRunsItsChangeHandler)
{
    Testformular f;
    f.Pfeile->Associate = f.Feld;
    f.Pfeile->SetPosition(4);
    EXPECT_EQ(f.Feld->Text(), "4");
    EXPECT_EQ(f.Klicks, (std::vector<std::string>{"change:4"}));
}

TEST(Steuerelemente, ARadioGroupClampsItsItemAndRunsItsHandlerOnChange)
{
    TFormular f("Test");
    auto& gruppe = f.Erzeuge<TRadioGroup>("RGArt");
    gruppe.SetItems({"eins", "zwei"});
    int klicks = 0;
    gruppe.OnClick = [&](TRadioGroup&) { ++klicks; };
    gruppe.SetItemIndex(5);
    EXPECT_EQ(gruppe.ItemIndex(), 1);
    gruppe.SetItemIndex(1);
    gruppe.SetItemIndex(-7);
    EXPECT_EQ(gruppe.ItemIndex(), -1);
    EXPECT_EQ(klicks, 2);
}

TEST(Formular, FindsControlsByNameWithIndices)
{
    Testformular f;
    EXPECT_EQ(f.Finde("RB[2]"), f.Radios[1]);
    EXPECT_EQ(f.Finde("RB [2]"), f.Radios[1]);
    EXPECT_EQ(f.Finde("CBBox"), f.Box);
    EXPECT_EQ(f.Finde("RB[4]"), nullptr);
    EXPECT_EQ(f.Finde("cbbox"), nullptr);
    EXPECT_EQ(TFormular::Indexname("CBStelle", {1, 2, 3}), "CBStelle[1][2][3]");
    EXPECT_EQ(f.Box->Parent(), f.Innen);
}

TEST(Steuerelemente, TheObserverSeesEveryStateChange)
{
    Testformular f;
    int meldungen = 0;
    f.Box->Beobachter = [&](const TControl&) { ++meldungen; };
    f.Box->SetChecked(true);
    f.Box->SetEnabled(false);
    f.Box->SetEnabled(false);
    f.Box->SetVisible(false);
    EXPECT_EQ(meldungen, 3);
}

// A view mirrors the controls through their observers alone, so every property it shows
// must report its change once, and a value set again must stay silent.
TEST(Steuerelemente, EveryPropertyAViewShowsReportsItsChangeOnce)
{
    TFormular f("Test");
    auto& knopf = f.Erzeuge<TButton>("BKnopf");
    auto& feld = f.Erzeuge<TEdit>("EFeld");
    auto& gruppe = f.Erzeuge<TRadioGroup>("RGArt");
    auto& liste = f.Erzeuge<TComboBox>("CBListe");
    auto& leiste = f.Erzeuge<TScrollBar>("SBLeiste");
    auto& reiter = f.Erzeuge<TPageControl>("PCReiter");
    auto& seite = f.Erzeuge<TTabSheet>("TSSeite");
    std::vector<std::string> gemeldet;
    for (const auto& control : f.Steuerelemente())
        control->Beobachter = [&](const TControl& c) { gemeldet.push_back(c.Name()); };

    struct Fall {
        const char* Was;
        std::function<void()> Aendern;
        const char* Name;
    };
    const Fall faelle[] = {
        {"bounds", [&] { knopf.SetBounds(1, 2, 3, 4); }, "BKnopf"},
        {"left", [&] { knopf.SetLeft(9); }, "BKnopf"},
        {"height", [&] { knopf.SetHeight(25); }, "BKnopf"},
        {"hint", [&] { knopf.SetHint("Tipp"); }, "BKnopf"},
        {"show hint", [&] { knopf.SetShowHint(true); }, "BKnopf"},
        {"cursor", [&] { knopf.SetCursor(TCursor::Hand); }, "BKnopf"},
        {"read-only", [&] { feld.SetReadOnly(true); }, "EFeld"},
        {"group items",
         [&] {
             gruppe.SetItems({"a", "b"});
         },
         "RGArt"},
        {"list items",
         [&] {
             liste.SetItems({"25%", "50%"});
         },
         "CBListe"},
        {"page size", [&] { leiste.SetPageSize(40); }, "SBLeiste"},
        {"large change", [&] { leiste.SetLargeChange(40); }, "SBLeiste"},
        {"small change", [&] { leiste.SetSmallChange(2); }, "SBLeiste"},
        {"kind", [&] { leiste.SetKind(TScrollBarKind::sbVertical); }, "SBLeiste"},
        {"pages", [&] { reiter.AddPage(seite); }, "PCReiter"},
    };
    for (const Fall& fall : faelle) {
        gemeldet.clear();
        fall.Aendern();
        EXPECT_EQ(gemeldet, std::vector<std::string>{fall.Name}) << fall.Was;
        if (std::string(fall.Was) == "pages")
            continue; // adding a page again is another page
        gemeldet.clear();
        fall.Aendern();
        EXPECT_TRUE(gemeldet.empty()) << fall.Was << " set again";
    }
    EXPECT_EQ(knopf.Left(), 9);
    EXPECT_EQ(knopf.Top(), 2);
    EXPECT_EQ(knopf.Width(), 3);
    EXPECT_EQ(knopf.Height(), 25);
    EXPECT_EQ(reiter.Pages(), std::vector<TTabSheet*>{&seite});
}

TEST(Steuerelemente, NewItemsDropASelectionTheyNoLongerHoldWithoutAClick)
{
    TFormular f("Test");
    auto& gruppe = f.Erzeuge<TRadioGroup>("RGArt");
    gruppe.SetItems({"eins", "zwei", "drei"});
    gruppe.SetItemIndex(2);
    int klicks = 0;
    gruppe.OnClick = [&](TRadioGroup&) { ++klicks; };
    gruppe.SetItems({"eins", "zwei", "drei", "vier"});
    EXPECT_EQ(gruppe.ItemIndex(), 2);
    gruppe.SetItems({"eins"});
    EXPECT_EQ(gruppe.ItemIndex(), -1);
    EXPECT_EQ(klicks, 0);
}

} // namespace

namespace {

TEST(Wertwaechter, PutsBackThePreviousValueAlsoWhenNested)
{
    bool flagge = true;
    {
        const TWertWaechter aussen(flagge, false);
        {
            const TWertWaechter innen(flagge, false);
            EXPECT_FALSE(flagge);
        }
        EXPECT_FALSE(flagge); // the inner guard restores what the outer one set
    }
    EXPECT_TRUE(flagge);

    int wert = 3;
    try {
        const TWertWaechter waechter(wert, 7);
        throw 1;
    } catch (int) {}
    EXPECT_EQ(wert, 3);
}

} // namespace
