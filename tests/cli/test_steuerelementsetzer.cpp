// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Kommandozeile.h"
#include "cli/Steuerelementsetzer.h"
#include "toolkit/Formular.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Fenster final : public TFormular {
public:
    Fenster() : TFormular("Test")
    {
        Gruppe = &Erzeuge<TGroupBox>("GBGruppe");
        Box = &Erzeuge<TCheckBox>("CBBox", Gruppe);
        Box->OnClick = [this](TCheckBox&) { Protokoll.push_back("box"); };
        Eins = &Erzeuge<TRadioButton>("RBEins", Gruppe);
        Zwei = &Erzeuge<TRadioButton>("RBZwei", Gruppe);
        Eins->SetChecked(true);
        Feld = &Erzeuge<TEdit>("EFeld");
        Feld->OnChange = [this](TEdit& e) { Protokoll.push_back("change " + e.Text()); };
        Feld->OnKeyPress = [this](TEdit&, char& key) { Protokoll.push_back("key " + std::to_string(key)); };
        Pfeile = &Erzeuge<TUpDown>(Indexname("UDPfeile", {2}));
        Pfeile->SetRange(1, 7);
        Pfeile->OnClick = [this](TUpDown& u, TUDBtnType r) {
            Protokoll.push_back("pfeil " + std::to_string(u.Position())
                                + (r == TUDBtnType::btNext ? " hoch" : " runter"));
        };
        Gruppenwahl = &Erzeuge<TRadioGroup>("RGWahl");
        Gruppenwahl->SetItems({"a", "b"});
        Knopf = &Erzeuge<TButton>("BKnopf");
        Knopf->OnClick = [this](TButton&) { Protokoll.push_back("knopf"); };
    }

    TGroupBox* Gruppe;
    TCheckBox* Box;
    TRadioButton* Eins;
    TRadioButton* Zwei;
    TEdit* Feld;
    TUpDown* Pfeile;
    TRadioGroup* Gruppenwahl;
    TButton* Knopf;
    std::vector<std::string> Protokoll;
};

std::string Fehler(Fenster& f, const std::string& name, const std::string& wert)
{
    try {
        SteuerelementSetzen({&f}, name, wert);
    } catch (const TBedienfehler& fehler) {
        return fehler.what();
    }
    return {};
}

TEST(Steuerelementsetzer, SetsEachKindAsAUserWould)
{
    Fenster f;
    SteuerelementSetzen({&f}, "CBBox", "true");
    SteuerelementSetzen({&f}, "CBBox", "true"); // already so: no click
    SteuerelementSetzen({&f}, "RBZwei", "true");
    SteuerelementSetzen({&f}, "EFeld", "2 500");
    SteuerelementSetzen({&f}, "UDPfeile[2]", "5");
    SteuerelementSetzen({&f}, "UDPfeile[2]", "3");
    SteuerelementSetzen({&f}, "RGWahl", "1");
    SteuerelementSetzen({&f}, "BKnopf", "true");
    EXPECT_TRUE(f.Box->Checked());
    EXPECT_TRUE(f.Zwei->Checked());
    EXPECT_FALSE(f.Eins->Checked());
    EXPECT_EQ(f.Gruppenwahl->ItemIndex(), 1);
    EXPECT_EQ(f.Protokoll,
              (std::vector<std::string>{"box", "change 2 500", "key 13", "pfeil 5 hoch", "pfeil 3 runter", "knopf"}));
}

TEST(Steuerelementsetzer, RefusesWhatAUserCouldNotDoAndChangesNothing)
{
    Fenster f;
    EXPECT_NE(Fehler(f, "CBGibtsNicht", "true").find("Unbekanntes Bedienelement: CBGibtsNicht"), std::string::npos);
    EXPECT_NE(Fehler(f, "CBBox", "ja").find("CBBox"), std::string::npos);
    EXPECT_NE(Fehler(f, "RBEins", "false").find("RBEins"), std::string::npos);
    EXPECT_NE(Fehler(f, "UDPfeile[2]", "8").find("1 bis 7"), std::string::npos);
    EXPECT_NE(Fehler(f, "UDPfeile[2]", "3x").find("ganze Zahl"), std::string::npos);
    EXPECT_NE(Fehler(f, "UDPfeile[9]", "3").find("UDPfeile[9]"), std::string::npos);
    EXPECT_NE(Fehler(f, "RGWahl", "2").find("RGWahl"), std::string::npos);
    EXPECT_NE(Fehler(f, "BKnopf", "false").find("BKnopf"), std::string::npos);

    f.Gruppe->SetEnabled(false);
    EXPECT_NE(Fehler(f, "CBBox", "true").find("gesperrt"), std::string::npos);
    f.Gruppe->SetEnabled(true);
    f.Gruppe->SetVisible(false);
    EXPECT_NE(Fehler(f, "RBZwei", "true").find("gerade nicht bedienbar"), std::string::npos);

    EXPECT_FALSE(f.Box->Checked());
    EXPECT_TRUE(f.Eins->Checked());
    EXPECT_EQ(f.Pfeile->Position(), 1);
    EXPECT_TRUE(f.Protokoll.empty());
}

TEST(Steuerelementsetzer, SplitsNameAndValueAtTheFirstEqualsSign)
{
    EXPECT_EQ(SetzungTeilen("EZahlenraumbis=500"), (std::pair<std::string, std::string>{"EZahlenraumbis", "500"}));
    EXPECT_EQ(SetzungTeilen("EFeld=a=b"), (std::pair<std::string, std::string>{"EFeld", "a=b"}));
    EXPECT_EQ(SetzungTeilen("EFeld="), (std::pair<std::string, std::string>{"EFeld", ""}));
    EXPECT_THROW(SetzungTeilen("=true"), TBedienfehler);
    EXPECT_THROW(SetzungTeilen("CBBox"), TBedienfehler);
}

} // namespace
