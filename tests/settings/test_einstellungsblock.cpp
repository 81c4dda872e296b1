// SPDX-License-Identifier: GPL-3.0-or-later
// The settings block of worksheet files: the bytes written, the round trip of every option,
// the defaults of older file versions, the handlers that run while reading, and a read that
// fails part-way, which must leave the window as it was.

#include "Einstellungsfenster.h"

#include "files/Dateikopf.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"

#include <gmock/gmock.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

const std::string LE = "\r\n";

// " true " / " false " for each t or f; blanks in the pattern only group it for the reader.
std::string Wahr(std::string_view muster)
{
    std::string s;
    for (const char c : muster) {
        if (c != ' ')
            s += c == 't' ? " true " : " false ";
    }
    return s;
}

std::string Zahlen(std::initializer_list<int> werte)
{
    std::string s;
    for (const int w : werte)
        s += " " + std::to_string(w) + " ";
    return s;
}

std::string Block(const TMainForm& f)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    f.EinstellungenSchreiben(strom);
    return strom.Bytes();
}

void Lesen(TMainForm& f, std::string bytes, int version)
{
    TLoadSave strom;
    strom.OpenReadBytes(std::move(bytes));
    f.EinstellungenLesen(strom, version);
}

// The values of a block, each as written ("true", "17", "[text]").
std::vector<std::string> Werte(const std::string& block)
{
    std::vector<std::string> werte;
    std::size_t i = 0;
    while (i < block.size()) {
        const char c = block[i];
        if (c == ' ' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        std::size_t ende = i + 1;
        if (c == '[') {
            while (block[ende] != ']')
                ende += block[ende] == '\\' ? 2 : 1;
            ++ende;
        } else {
            ende = block.find(' ', i);
        }
        werte.push_back(block.substr(i, ende - i));
        i = ende;
    }
    return werte;
}

// A block of the first n values, one blank apart (the reader skips whatever stands between).
std::string Verbinde(const std::vector<std::string>& werte, std::size_t n)
{
    std::string s;
    for (std::size_t k = 0; k < n && k < werte.size(); ++k)
        s += werte[k] + " ";
    return s;
}

// Everything the window shows or keeps: each control's value, enabled and visible state, the
// stored values and the combination table.
std::vector<std::string> Abbild(const TMainForm& f)
{
    std::vector<std::string> zeilen;
    for (const auto& c : f.Steuerelemente()) {
        std::string wert;
        switch (c->Art()) {
        case TSteuerelementArt::CheckBox:
            wert = static_cast<const TCheckBox&>(*c).Checked() ? "an" : "aus";
            break;
        case TSteuerelementArt::RadioButton:
            wert = static_cast<const TRadioButton&>(*c).Checked() ? "an" : "aus";
            break;
        case TSteuerelementArt::RadioGroup:
            wert = std::to_string(static_cast<const TRadioGroup&>(*c).ItemIndex());
            break;
        case TSteuerelementArt::Edit:
            wert = "\"" + static_cast<const TEdit&>(*c).Text() + "\"";
            break;
        case TSteuerelementArt::UpDown:
            wert = std::to_string(static_cast<const TUpDown&>(*c).Position());
            break;
        case TSteuerelementArt::Memo:
            wert = std::to_string(static_cast<const TMemo&>(*c).Lines().size()) + " Zeilen";
            break;
        default:
            break;
        }
        zeilen.push_back(c->Name() + " " + wert + (c->Enabled() ? "" : " gesperrt")
                         + (c->Visible() ? "" : " verborgen"));
    }
    zeilen.push_back("Zahlenraum " + std::to_string(f.Zahlenraum));
    zeilen.push_back("ZUModus " + std::to_string(f.ZUModus));
    zeilen.push_back("HUModus " + std::to_string(f.HUModus));
    zeilen.push_back("QuadratBis " + std::to_string(f.QuadratBis));
    zeilen.push_back("Minimalwert " + std::to_string(f.Minimalwert));
    std::string tabelle = "KombinationMoeglich ";
    for (int a = 1; a <= 7; ++a) {
        for (int b = 1; b <= 7; ++b)
            tabelle += f.KombinationMoeglich[a][b] ? '1' : '0';
    }
    zeilen.push_back(tabelle);
    return zeilen;
}

void Klick(const TMainForm& f, const std::string& name)
{
    if (auto* box = dynamic_cast<TCheckBox*>(f.Finde(name)))
        box->Click();
    else
        Steuerelement<TRadioButton>(f, name).Click();
}

void Eingabe(const TMainForm& f, const std::string& feld, const std::string& text)
{
    auto& e = Steuerelement<TEdit>(f, feld);
    e.SetText(text);
    char taste = 13;
    e.KeyPress(taste);
}

// Moves many options of all four pages away from their defaults, as a user would.
void VieleAenderungen(const TMainForm& f)
{
    for (const char* name : {"CBPluskommtvor",
                             "CBGeteiltkv",
                             "CBMalkommtvor",
                             "RBManuelleEingabe",
                             "RBImmerZU",
                             "RBOhneHU",
                             "RBNichtAlle",
                             "CBKombination[3][1]",
                             "CBKombination[5][5]",
                             "CBKombination[7][3]",
                             "RBEplusZE",
                             "CBNullKommtVor",
                             "CBPlatzhalteraufgaben",
                             "RBPlusMinusmitNegative",
                             "CBPositiveZahlenKlammernPM",
                             "CBErgZehner",
                             "CBErgHunderter",
                             "CBNurFolgendeOperanden",
                             "CBStelle[1][2][3]",
                             "CBStelle[2][1][6]",
                             "CBMultReihe[2]",
                             "CBMultReihe[13]",
                             "CBDivReihe[7]",
                             "CBDivReihe[20]",
                             "CBMalUA",
                             "CBMultgzmalgz",
                             "CBSchwereEinmaleinshaeufiger",
                             "CBEmalZ",
                             "CBZEmalZ",
                             "CBQuadrataufgaben",
                             "CBGeteiltUA",
                             "CBDivgzdurchkz",
                             "CBDivSchwerehaeufiger",
                             "RBEinmaleinsdiv",
                             "RBRestimmer",
                             "RBMalGeteiltNegativeImmer",
                             "CBNullkommtvorMultDiv",
                             "CBPlatzhalterMultDiv",
                             "CBPlatzhalterOp2",
                             "CBMinimalWert",
                             "CBKeine10HochN",
                             "RBFaktorenInnerhalbVonIntervallen"})
        Klick(f, name);
    Eingabe(f, "EZahlenraumbis", "500");
    Eingabe(f, "EQuadrataufgabenBis", "15");
    Eingabe(f, "EMinimalwert", "7");
    Steuerelement<TEdit>(f, "EMinErgDivision").SetText("4");
    Steuerelement<TUpDown>(f, "UDStellen[1]").Pfeilklick(TUDBtnType::btNext);
    Steuerelement<TUpDown>(f, "UDStellen[2]").Pfeilklick(TUDBtnType::btNext);
    Steuerelement<TUpDown>(f, "UDStellen[2]").Pfeilklick(TUDBtnType::btNext);
    Steuerelement<TUpDown>(f, "UDStellen[10]").Pfeilklick(TUDBtnType::btNext);
    Steuerelement<TUpDown>(f, "UDStellen[16]").Pfeilklick(TUDBtnType::btNext);
    Steuerelement<TUpDown>(f, "UDIntFaktor1Von").SetPosition(3);
    Steuerelement<TUpDown>(f, "UdIntFaktor2Bis").SetPosition(55);
    Steuerelement<TUpDown>(f, "UDIntFaktor1Bis").Pfeilklick(TUDBtnType::btNext);
    Steuerelement<TRadioGroup>(f, "RGPlatzhalterart").SetItemIndex(1);
}

// A second window beside the fixture's, to write blocks from or read them into.
struct TFenster {
    TMersenneZufall Zufall{1};
    TMeldungsrekorder Meldungen;
    TZeichnenPlatzhalter Haupt;
    TMainForm Form{Zufall, Meldungen, &Haupt};
};

// Number of values a block of each file version 0..11 holds.
constexpr std::size_t WerteJeVersion[12] = {144, 173, 176, 177, 177, 178, 180, 183, 185, 185, 185, 190};

} // namespace

using TEinstellungsblockTest = TEinstellungenTest;

TEST_F(TEinstellungsblockTest, TheDefaultsWriteTheirBlockByteForByte)
{
    std::string grid;
    for (int i = 1; i <= 7; ++i)
        grid += Wahr(std::string(static_cast<std::size_t>(i), 'f')) + LE;
    std::string stellen;
    for (int z = 1; z <= 4; ++z)
        stellen += Wahr("fffffff") + LE;

    const std::string erwartet =
        // operations and general boxes, the quick twins (Geteilt before Mal), the size boxes
        Wahr("fftf f ff ff ff ff ttt ff ffft tff tff")
        // range, tens, all/some, hundreds, methods, remainder, negative numbers
        + Wahr("ffftfff f ftf tf ftf tff ft tff tff tff") + Zahlen({1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0})
        + Wahr("tttttttttt ffffffffff") + LE + Wahr("ffffffffff ffffffffff") + LE + grid + "[][0]" + LE + LE + Wahr("f")
        + LE + stellen + Wahr("fft") + Wahr("f") + Zahlen({0}) + Wahr("f") + Zahlen({10}) + Wahr("f") + Zahlen({0})
        + Wahr("f") + Wahr("ff") + Wahr("f") + Zahlen({1, 10, 1, 10});

    EXPECT_EQ(Block(Form), erwartet);
    EXPECT_EQ(Werte(erwartet).size(), WerteJeVersion[11]);
}

TEST_F(TEinstellungsblockTest, SavingAndReadingRestoresEveryControl)
{
    TFenster quelle;
    VieleAenderungen(quelle.Form);
    TFenster unveraendert;
    const std::vector<std::string> vorgabe = Abbild(unveraendert.Form);
    const std::vector<std::string> soll = Abbild(quelle.Form);
    ASSERT_EQ(soll.size(), vorgabe.size());
    int geaendert = 0;
    for (std::size_t k = 0; k < soll.size(); ++k)
        geaendert += soll[k] != vorgabe[k] ? 1 : 0;
    ASSERT_GE(geaendert, 60) << "the source window should differ widely from the defaults";

    Lesen(Form, Block(quelle.Form), AktuelleDateiversion);

    const std::vector<std::string> ist = Abbild(Form);
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t k = 0; k < soll.size(); ++k)
        EXPECT_EQ(ist[k], soll[k]);
    EXPECT_TRUE(Form.RegelnAktiv);
    EXPECT_EQ(Form.Zahlenraum, 500);
    EXPECT_EQ(Form.ZUModus, 2);
    EXPECT_EQ(Form.HUModus, 0);
    EXPECT_EQ(Form.QuadratBis, 15);
    EXPECT_EQ(Form.Minimalwert, 7);
    EXPECT_EQ(Haupt.PlatzhalterartFeld, 1);
    EXPECT_EQ(Block(Form), Block(quelle.Form));
}

TEST_F(TEinstellungsblockTest, ANumberRangeTypedByHandComesBackWithItsFreeField)
{
    TFenster quelle;
    Klick(quelle.Form, "RBManuelleEingabe");
    Eingabe(quelle.Form, "EZahlenraumbis", "500");

    Lesen(Form, Block(quelle.Form), AktuelleDateiversion);

    EXPECT_TRUE(RB("RBManuelleEingabe").Checked());
    EXPECT_FALSE(RB("RBZRbis1000").Checked());
    EXPECT_TRUE(E("EZahlenraumbis").Enabled());
    EXPECT_EQ(E("EZahlenraumbis").Text(), "500");
    EXPECT_EQ(Form.Zahlenraum, 500);
}

// Each version reads exactly its own values: the text placed after them is the next value.
TEST_F(TEinstellungsblockTest, EveryVersionReadsExactlyItsValues)
{
    const std::vector<std::string> werte = Werte(Block(Form));
    for (int version = 0; version <= 11; ++version) {
        TLoadSave strom;
        strom.OpenReadBytes(Verbinde(werte, WerteJeVersion[version]) + "[Ende]");
        Form.EinstellungenLesen(strom, version);
        EXPECT_EQ(strom.ReadText(), "Ende") << "Version " << version;
    }
}

TEST_F(TEinstellungsblockTest, Version0ResetsNewerOptionsAndLeavesOthers)
{
    Klick(Form, "CBNurFolgendeOperanden");
    Klick(Form, "CBStelle[1][1][2]");
    Klick(Form, "RBZEplusE");
    Klick(Form, "RBPlusMinusmitNegative");
    Klick(Form, "CBPositiveZahlenKlammernPM");
    Steuerelement<TRadioGroup>(Form, "RGPlatzhalterart").SetItemIndex(1);
    Klick(Form, "CBQuadrataufgaben");
    Eingabe(Form, "EQuadrataufgabenBis", "25");
    Klick(Form, "CBMinimalWert");
    Eingabe(Form, "EMinimalwert", "9");
    Klick(Form, "CBKeine10HochN");
    Klick(Form, "CBErgZehner");
    Klick(Form, "CBErgHunderter");
    UD("UDIntFaktor1Von").SetPosition(4);
    UD("UdIntFaktor2Bis").SetPosition(44);

    TFenster quelle;
    Lesen(Form, Verbinde(Werte(Block(quelle.Form)), WerteJeVersion[0]), 0);

    EXPECT_FALSE(CB("CBNurFolgendeOperanden").Checked());
    EXPECT_EQ(Steuerelement<TRadioGroup>(Form, "RGPlatzhalterart").ItemIndex(), 0);
    EXPECT_FALSE(CB("CBQuadrataufgaben").Checked());
    EXPECT_EQ(Form.QuadratBis, 10);
    EXPECT_EQ(E("EQuadrataufgabenBis").Text(), "10");
    EXPECT_FALSE(CB("CBMinimalWert").Checked());
    EXPECT_EQ(Form.Minimalwert, 0);
    EXPECT_EQ(E("EMinimalwert").Text(), "0");
    EXPECT_FALSE(CB("CBKeine10HochN").Checked());
    for (const char* name :
         {"CBErgZehner", "CBErgHunderter", "CBPositiveZahlenKlammernPM", "CBPositiveZahlenKlammernMG"})
        EXPECT_FALSE(CB(name).Checked()) << name;

    EXPECT_TRUE(RB("RBZEplusE").Checked());
    EXPECT_FALSE(RB("RBPlusArtenbeide").Checked());
    EXPECT_TRUE(CB("CBStelle[1][1][2]").Checked());
    EXPECT_EQ(UD("UDIntFaktor1Von").Position(), 4);
    EXPECT_EQ(UD("UdIntFaktor2Bis").Position(), 44);
    EXPECT_EQ(E("EIntFaktor2Bis").Text(), "44");
}

TEST_F(TEinstellungsblockTest, Version6WithSquareLimit15ReachesTheGenerator)
{
    TFenster quelle;
    Eingabe(quelle.Form, "EQuadrataufgabenBis", "15");
    std::vector<std::string> werte = Werte(Block(quelle.Form));
    ASSERT_EQ(werte[179], "15");

    Lesen(Form, Verbinde(werte, WerteJeVersion[6]), 6);

    EXPECT_EQ(Form.QuadratBis, 15);
    EXPECT_EQ(E("EQuadrataufgabenBis").Text(), "15");
    B("BitBtn1").Click();
    EXPECT_EQ(Form.Generator().QuadratBis, 15);
}

// Pairs the rules keep equal are stored twice; when a file disagrees, the later value wins.
TEST_F(TEinstellungsblockTest, TwinsThatDisagreeTakeTheLaterValue)
{
    struct Fall {
        std::size_t Frueher, Spaeter; // item numbers from 1
        bool Wert;                    // the later item's value
        std::vector<const char*> Boxen;
    };
    const Fall faelle[] = {
        {1, 19, false, {"CBPluskommtvor", "CBPluskv"}},
        {3, 22, true, {"CBMalkommtvor", "CBMalkv"}},
        {4, 21, true, {"CBGeteiltkommtvor", "CBGeteiltkv"}},
        {11, 18, false, {"CBPlatzhalterkommenvormultdiv", "CBPlatzhalterMultDiv"}},
        {11, 18, true, {"CBPlatzhalterkommenvormultdiv", "CBPlatzhalterMultDiv"}},
        {17, 17, true, {"CBPlatzhaleraddsub", "CBPlatzhalteraufgaben"}},
    };
    const std::vector<std::string> vorgabe = Werte(Block(Form));
    for (const Fall& f : faelle) {
        TFenster ziel;
        std::vector<std::string> werte = vorgabe;
        werte[f.Frueher - 1] = f.Wert ? "false" : "true";
        werte[f.Spaeter - 1] = f.Wert ? "true" : "false";
        Lesen(ziel.Form, Verbinde(werte, werte.size()), AktuelleDateiversion);
        for (const char* name : f.Boxen)
            EXPECT_EQ(Steuerelement<TCheckBox>(ziel.Form, name).Checked(), f.Wert)
                << f.Frueher << "/" << f.Spaeter << " " << name;
    }
}

TEST_F(TEinstellungsblockTest, TheKindOfBlankIsLimitedToTheItems)
{
    const std::pair<const char*, int> faelle[] = {{"-5", -1}, {"-1", -1}, {"0", 0}, {"1", 1}, {"7", 1}};
    const std::vector<std::string> vorgabe = Werte(Block(Form));
    for (const auto& [wert, eintrag] : faelle) {
        TFenster ziel;
        std::vector<std::string> werte = vorgabe;
        werte[177] = wert;
        Lesen(ziel.Form, Verbinde(werte, werte.size()), AktuelleDateiversion);
        EXPECT_EQ(Steuerelement<TRadioGroup>(ziel.Form, "RGPlatzhalterart").ItemIndex(), eintrag) << wert;
        EXPECT_EQ(ziel.Haupt.PlatzhalterartFeld, eintrag) << wert;
    }
}

// A failed read leaves every control, enabled state and stored value as it was.
TEST_F(TEinstellungsblockTest, ACutBlockLeavesTheWindowAsBefore)
{
    VieleAenderungen(Form);
    // Out of range: the text stays, the up-down keeps 4.
    E("EMinErgDivision").SetText("15");
    ASSERT_EQ(UD("UDMinErgDivision").Position(), 4);
    // Typed without Enter: the fields differ from the stored values behind them.
    E("EZahlenraumbis").SetText("750");
    E("EQuadrataufgabenBis").SetText("33");
    ASSERT_EQ(Form.Zahlenraum, 500);
    const std::vector<std::string> vorher = Abbild(Form);
    TFenster quelle;
    const std::string block = Block(quelle.Form);

    ASSERT_GT(block.size(), 1000U);
    for (std::size_t schnitt = 0; schnitt + 3 < block.size(); schnitt += 37) {
        EXPECT_THROW(Lesen(Form, block.substr(0, schnitt), AktuelleDateiversion), EZifferbogenFehler)
            << "Schnitt bei " << schnitt;
        ASSERT_EQ(Abbild(Form), vorher) << "Schnitt bei " << schnitt;
        ASSERT_TRUE(Form.RegelnAktiv) << "Schnitt bei " << schnitt;
    }

    // The rules are in force again: a range click still sets the carry groups.
    Klick(Form, "RBZRbis10");
    EXPECT_EQ(Form.Zahlenraum, 10);
    EXPECT_FALSE(RB("RBOhneZU").Enabled());
}

TEST_F(TEinstellungsblockTest, PositionsBeyond16BitsAreAReadError)
{
    struct Fall {
        std::size_t Wert; // index of the value, from 0
        const char* Text;
        bool Fehler;
        const char* Name;
    };
    const Fall faelle[] = {
        {58, "40000", true, "UDStellen[1]"},     {73, "-32769", true, "UDStellen[16]"},
        {186, "40000", true, "UDIntFaktor1Von"}, {189, "-40000", true, "UdIntFaktor2Bis"},
        {58, "32767", false, "UDStellen[1]"},    {189, "-32768", false, "UdIntFaktor2Bis"},
    };
    Klick(Form, "RBZRbis100");
    Klick(Form, "CBGeteiltkv");
    const std::vector<std::string> vorher = Abbild(Form);
    const std::vector<std::string> vorgabe = Werte(Block(TFenster{}.Form));
    for (const Fall& f : faelle) {
        std::vector<std::string> werte = vorgabe;
        werte[f.Wert] = f.Text;
        if (!f.Fehler) {
            TFenster ziel;
            EXPECT_NO_THROW(Lesen(ziel.Form, Verbinde(werte, werte.size()), AktuelleDateiversion)) << f.Text;
            continue;
        }
        try {
            Lesen(Form, Verbinde(werte, werte.size()), AktuelleDateiversion);
            ADD_FAILURE() << f.Text << " was read";
        } catch (const ERangeError& e) {
            EXPECT_THAT(e.what(), ::testing::HasSubstr(f.Text));
            EXPECT_THAT(e.what(), ::testing::HasSubstr(f.Name));
        }
        EXPECT_EQ(Abbild(Form), vorher) << f.Text;
        EXPECT_TRUE(Form.RegelnAktiv);
    }
}

TEST_F(TEinstellungsblockTest, TheLayoutWarningOnReadingButNotOnUndoing)
{
    struct Fall {
        const char* Name;
        bool MalVorher;     // CBMalkommtvor before the read
        bool MalImBlock;    // CBMalkommtvor in the block read
        bool Abgeschnitten; // the read fails after the first values
        std::size_t Warnungen;
    };
    const Fall faelle[] = {
        {"Lesen schaltet Mal ein", false, true, false, 1},
        {"Lesen schaltet Mal ein und scheitert", false, true, true, 1},
        {"Zuruecknehmen schaltet Mal wieder ein", true, false, true, 0},
        {"Mal bleibt an", true, true, false, 0},
    };
    for (const Fall& f : faelle) {
        TFenster ziel;
        if (!f.MalVorher)
            Klick(ziel.Form, "CBMalkommtvor");
        ziel.Haupt.Schriftlich = true;
        TFenster quelle;
        if (!f.MalImBlock)
            Klick(quelle.Form, "CBMalkommtvor");
        std::string block = Block(quelle.Form);
        if (f.Abgeschnitten)
            block.resize(block.size() / 2);

        if (f.Abgeschnitten) {
            EXPECT_THROW(Lesen(ziel.Form, block, AktuelleDateiversion), EConvertError) << f.Name;
        } else {
            Lesen(ziel.Form, block, AktuelleDateiversion);
        }

        ASSERT_EQ(ziel.Meldungen.Gezeigt.size(), f.Warnungen) << f.Name;
        if (f.Warnungen > 0) {
            EXPECT_EQ(ziel.Meldungen.Gezeigt[0].Titel, "Warnung:");
        }
        const bool malNachher = f.Abgeschnitten ? f.MalVorher : f.MalImBlock;
        EXPECT_EQ(Steuerelement<TCheckBox>(ziel.Form, "CBMalkommtvor").Checked(), malNachher) << f.Name;
        EXPECT_EQ(Steuerelement<TCheckBox>(ziel.Form, "CBMalkv").Checked(), malNachher) << f.Name;
    }
}

// With the main window on screen, one read gives one new page, however many handlers ran.
TEST_F(TEinstellungsblockTest, AReadRebuildsThePageAtMostOnce)
{
    Haupt.SichtbarFeld = true;
    TFenster quelle;
    VieleAenderungen(quelle.Form);
    const std::string block = Block(quelle.Form);

    Lesen(Form, block, AktuelleDateiversion);
    EXPECT_EQ(Neuaufbauten(), 1);
    EXPECT_EQ(Haupt.Generator, &Form.Generator());
    EXPECT_EQ(Form.Generator().Zahlenraum, 500);
    EXPECT_TRUE(Form.Generator().GeteiltKommtVor);

    // After a failed read the generator holds the settings as they were, not the file's.
    TFenster leer;
    const int vorher = Neuaufbauten();
    EXPECT_THROW(Lesen(Form, Block(leer.Form).substr(0, 900), AktuelleDateiversion), EConvertError);
    EXPECT_LE(Neuaufbauten() - vorher, 1);
    EXPECT_EQ(Form.Generator().Zahlenraum, 500);
    EXPECT_TRUE(Form.Generator().GeteiltKommtVor);
}
