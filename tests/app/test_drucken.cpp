// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Aufgabenzeile.h"
#include "cli/Kommandozeile.h"
#include "doubles/Dialogskript.h"
#include "files/Fehler.h"
#include "fixtures/Kommandozeilenlauf.h"
#include "fixtures/Programmstart.h"
#include "fixtures/Testordner.h"
#include "toolkit/Ausgabegeraete.h"
#include "toolkit/Druckerdialog.h"
#include "toolkit/Druckfortschritt.h"
#include "toolkit/Fehler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The windows as the program starts them, the print dialog on the recording printer.
struct Druckfenster : TProgrammstart {
    Druckfenster() : TProgrammstart(11) {}

    // OK with the fields typed as given (Enter not pressed) and the boxes as given.
    void Drucke(const std::string& blaetter, const std::string& exemplare, bool loesungen, bool nummerieren)
    {
        Zeichnen().BDrucken->Click();
        Drucken().EVerschBlaetter->SetText(blaetter);
        Drucken().EExemplare->SetText(exemplare);
        Drucken().CBLoesungsblaetter->SetChecked(loesungen);
        Drucken().CBNummerieren->SetChecked(nummerieren);
        Drucken().BOK->Click();
    }
};

// The texts of a printed page, sorted, so that pages can be compared as sets.
std::vector<std::string> Texte(const std::vector<TZeichenbefehl>& seite)
{
    std::vector<std::string> texte;
    for (const auto& b : seite) {
        if (b.Art == TZeichenbefehl::TArt::Text)
            texte.push_back(b.Text);
    }
    std::sort(texte.begin(), texte.end());
    return texte;
}

// The sheet number a printed page carries at 0.4 cm from the top left corner, or "".
std::string Blattnummer(const std::vector<TZeichenbefehl>& seite, int dpi = 600)
{
    const int px = static_cast<int>(std::lround(0.4 * dpi / 2.54));
    for (const auto& b : seite) {
        if (b.Art == TZeichenbefehl::TArt::Text && b.X1 == px && b.Y1 == px)
            return b.Text;
    }
    return "";
}

// Whether every text of the worksheet appears on the solution sheet as well: the same tasks,
// with the solutions added.
bool GleicheAufgaben(const std::vector<TZeichenbefehl>& arbeitsblatt, const std::vector<TZeichenbefehl>& loesungen)
{
    const auto a = Texte(arbeitsblatt);
    const auto l = Texte(loesungen);
    return a.size() < l.size() && std::includes(l.begin(), l.end(), a.begin(), a.end());
}

TEST(Druckdialog, StartsWithOneSheetOneCopyAndNoOptions)
{
    Druckfenster f;
    EXPECT_EQ(f.Drucken().Caption.Wert(), "Drucken");
    EXPECT_EQ(f.Drucken().UDVerschBlaetter->Position(), 1);
    EXPECT_EQ(f.Drucken().EExemplare->Text(), "1");
    EXPECT_EQ(f.Drucken().UDExemplare->Max(), 10000);
    EXPECT_FALSE(f.Drucken().CBNummerieren->Checked());
    EXPECT_FALSE(f.Drucken().CBLoesungsblaetter->Checked());
    f.Zeichnen().BDrucken->Click();
    EXPECT_TRUE(f.Drucken().Sichtbar);
}

TEST(Druckdialog, EnterTakesOnlyTheDigitsWithinTheRange)
{
    struct Fall {
        std::string Getippt;
        int Position;
    };
    Druckfenster f;
    for (const Fall& fall : {Fall{"3a", 3}, Fall{"", 1}, Fall{"-5", 5}, Fall{"0", 1}, Fall{" 1 2 ", 12},
                             Fall{"12000", 10000}, Fall{"32767", 10000}, Fall{"99999999999", 1}}) {
        f.Drucken().EExemplare->Eingeben(fall.Getippt);
        EXPECT_EQ(f.Drucken().UDExemplare->Position(), fall.Position) << fall.Getippt;
        EXPECT_EQ(f.Drucken().EExemplare->Text(), std::to_string(fall.Position)) << fall.Getippt;
    }
    // Other keys are typed normally; Enter is swallowed.
    char taste = 'x';
    f.Drucken().EExemplareKeyPress(taste);
    EXPECT_EQ(taste, 'x');
    taste = 13;
    f.Drucken().EExemplareKeyPress(taste);
    EXPECT_EQ(taste, 0);
}

TEST(Druckdialog, PrintRunsGiveTheirPagesInOrder)
{
    struct Fall {
        std::string Blaetter, Exemplare;
        bool Loesungen;
        // Per printed page: "A" a copy, "L" a solution sheet, followed by the sheet (1, 2, ...).
        std::vector<std::string> Seiten;
    };
    for (const Fall& fall : {
             Fall{"1", "1", false, {"A1"}},
             Fall{"1", "2", true, {"A1", "L1", "A1"}},
             Fall{"3", "1", true, {"L1", "A1", "L2", "A2", "L3", "A3"}},
             Fall{"2a", "", false, {"A1", "A2"}},
         }) {
        Druckfenster f;
        // A task typed in by hand (here: the second one again) belongs to the sheet shown.
        f.Zeichnen().Seite()->Aufgabe(0, 0).Daten = f.Zeichnen().Seite()->Aufgabe(0, 1).Daten;
        const auto vorher = f.Aufgaben();
        f.Drucke(fall.Blaetter, fall.Exemplare, fall.Loesungen, false);
        const std::string name = fall.Blaetter + " x " + fall.Exemplare;
        EXPECT_FALSE(f.Drucken().Sichtbar);
        const auto& seiten = f.Drucker.Seiten;
        ASSERT_EQ(seiten.size(), fall.Seiten.size()) << name;
        EXPECT_EQ(f.Drucker.Protokoll.front(), "BeginDoc");
        EXPECT_EQ(f.Drucker.Protokoll.back(), "EndDoc");
        for (std::size_t k = 0; k < seiten.size(); ++k) {
            for (std::size_t m = 0; m < k; ++m) {
                const bool gleichesBlatt = fall.Seiten[k][1] == fall.Seiten[m][1];
                const bool gleicheArt = fall.Seiten[k][0] == fall.Seiten[m][0];
                if (gleichesBlatt && gleicheArt)
                    EXPECT_EQ(Texte(seiten[k]), Texte(seiten[m])) << name << ": copies " << m << ", " << k;
                else if (gleichesBlatt)
                    EXPECT_TRUE(fall.Seiten[k][0] == 'L' ? GleicheAufgaben(seiten[m], seiten[k])
                                                         : GleicheAufgaben(seiten[k], seiten[m]))
                        << name << ": worksheet and solutions " << m << ", " << k;
                else
                    EXPECT_NE(Texte(seiten[k]), Texte(seiten[m])) << name << ": sheets " << m << ", " << k;
            }
            EXPECT_EQ(Blattnummer(seiten[k]), "") << name;
        }
        // The first sheet printed is the one on screen, which the window shows again after
        // the run, however many other sheets it printed, with the task typed in by hand.
        EXPECT_EQ(f.Aufgaben(), vorher) << name;
        EXPECT_FALSE(f.Zeichnen().CBLoesungaufPlatzhalter->Checked()) << name;
        EXPECT_FALSE(f.Zeichnen().Seite()->LoesungaufPlatzhalter) << name;
    }
}

TEST(Druckdialog, NumberingMarksEveryPageOfASheet)
{
    struct Fall {
        bool Nummerieren, Loesungen;
        std::vector<std::string> Nummern;
    };
    for (const Fall& fall : {Fall{true, true, {"1", "1", "1", "2", "2", "2"}}, Fall{true, false, {"1", "1", "2", "2"}},
                             Fall{false, true, {"", "", "", "", "", ""}}}) {
        Druckfenster f;
        f.Drucke("2", "2", fall.Loesungen, fall.Nummerieren);
        std::vector<std::string> nummern;
        for (const auto& seite : f.Drucker.Seiten)
            nummern.push_back(Blattnummer(seite));
        EXPECT_EQ(nummern, fall.Nummern);
        EXPECT_EQ(f.Zeichnen().Seite()->Blattnummer, -1);
    }
}

// Text operations with their positions, in drawing order.
std::vector<std::string> Textbefehle(const std::vector<TZeichenbefehl>& seite)
{
    std::vector<std::string> texte;
    for (const auto& b : seite) {
        if (b.Art == TZeichenbefehl::TArt::Text)
            texte.push_back(b.Text + "@" + std::to_string(b.X1) + "," + std::to_string(b.Y1));
    }
    return texte;
}

TEST(Druckdialog, CopiesOfASheetAreAlike)
{
    // The copies around the solution sheet match to the pixel, also with the solution column
    // in mixed order; solutions on the blanks that were on stay on.
    for (const char* option : {"CBLoesungaufPlatzhalter", "CBLoesungenDurcheinander"}) {
        Druckfenster f;
        f.Zeichnen().CBLoesungen->SetChecked(true);
        Steuerelement<TCheckBox>(f.Zeichnen(), option).SetChecked(true);
        f.Drucke("1", "2", true, false);
        ASSERT_EQ(f.Drucker.Seiten.size(), 3u);
        EXPECT_EQ(Textbefehle(f.Drucker.Seiten[0]), Textbefehle(f.Drucker.Seiten[2])) << option;
        EXPECT_TRUE(Steuerelement<TCheckBox>(f.Zeichnen(), option).Checked()) << option;
    }
}

TEST(Druckdialog, ANumberTooLargeForTheUpDownPrintsNothing)
{
    Druckfenster f;
    f.Zeichnen().BDrucken->Click();
    f.Drucken().EVerschBlaetter->SetText("40000");
    EXPECT_THROW(f.Drucken().BOK->Click(), ERangeError);
    EXPECT_TRUE(f.Drucker.Protokoll.empty());
    EXPECT_TRUE(f.Drucken().Sichtbar);
}

TEST(Druckdialog, CancelTakesOverTheChosenPrinterAndPrintsNothing)
{
    class Wahl final : public TDruckerdialog {
    public:
        std::size_t Ausfuehren(const std::vector<TDrucker*>&, std::size_t) override { return 1; }
    };
    Druckfenster f;
    TAufzeichnungsdrucker klein(300, 1000, 1500);
    Wahl wahl;
    f.Drucken().SetzeDrucker({&f.Drucker, &klein});
    f.Drucken().SetzeDruckerdialog(&wahl);
    f.Zeichnen().BDrucken->Click();
    f.Drucken().BDruckereinstellungen->Click();
    f.Drucken().BAbbruch->Click();
    EXPECT_FALSE(f.Drucken().Sichtbar);
    EXPECT_EQ(f.Zeichnen().Blatt().Drucker(), &klein);
    EXPECT_NEAR(f.Zeichnen().Blatt().BlattBreite, 1000 / (300 / 2.54), 1e-9);
    EXPECT_TRUE(f.Drucker.Protokoll.empty());
    EXPECT_TRUE(klein.Protokoll.empty());
}

// Notes the progress of a run; stops it before the page HaltVor (counted from 0).
class Fortschrittsprotokoll final : public TDruckfortschritt {
public:
    explicit Fortschrittsprotokoll(std::int64_t haltVor = -1) : HaltVor(haltVor) {}
    void Anfang(std::int64_t seiten) override { Protokoll.push_back("Anfang " + std::to_string(seiten)); }
    bool Weiter(std::int64_t gedruckt) override
    {
        Protokoll.push_back(std::to_string(gedruckt));
        return gedruckt != HaltVor;
    }
    void Ende() noexcept override { Protokoll.push_back("Ende"); }

    std::int64_t HaltVor;
    std::vector<std::string> Protokoll;
};

// The pages of a run that got something drawn on them.
std::size_t Bedruckt(const TAufzeichnungsdrucker& drucker)
{
    return static_cast<std::size_t>(
        std::count_if(drucker.Seiten.begin(), drucker.Seiten.end(), [](const auto& seite) { return !seite.empty(); }));
}

std::string Inhalt(const std::filesystem::path& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    return datei ? std::string(std::istreambuf_iterator<char>(datei), {}) : std::string("(keine Datei)");
}

TEST(Druckdialog, ADocumentPrinterPrintsIntoTheFileNamedBeforeTheRun)
{
    const TTestordner ordner;
    const auto ziel = ordner / "blaetter.pdf";
    struct Fall {
        const char* Was;
        std::optional<std::string> Antwort;
        std::int64_t HaltVor;
        std::size_t Seiten;  // pages drawn
        const char* Datei;   // the target afterwards
        bool Offen;          // the dialog afterwards
        const char* Meldung; // of the error raised, or empty
    };
    const std::string fehlt = (ordner / "fehlt" / "b.pdf").string();
    for (const Fall& fall : {
             Fall{"gespeichert", ziel.string(), -1, 6, "6 Seiten", false, ""},
             Fall{"Abbrechen", std::nullopt, -1, 0, "alt", true, ""},
             Fall{"angehalten", ziel.string(), 2, 2, "alt", true, ""},
             Fall{"Ordner fehlt", fehlt, -1, 0, "alt", true, "kann nicht geschrieben werden"},
         }) {
        std::ofstream(ziel) << "alt";
        Druckfenster f;
        TDialogskript dialog(fall.Antwort);
        Fortschrittsprotokoll fortschritt(fall.HaltVor);
        f.Drucken().SetzeDateidialog(&dialog);
        f.Drucken().SetzeFortschritt(&fortschritt);
        std::string meldung;
        try {
            f.Drucke("2", "2", true, false);
        } catch (const EInOutError& fehler) {
            meldung = fehler.what();
        }
        EXPECT_EQ(dialog.Gestellt, 1) << fall.Was;
        EXPECT_EQ(dialog.Gefragt, "PDF-Datei (*.pdf) pdf") << fall.Was;
        EXPECT_EQ(Bedruckt(f.Drucker), fall.Seiten) << fall.Was;
        EXPECT_EQ(Inhalt(ziel), fall.Datei) << fall.Was;
        EXPECT_EQ(f.Drucken().Sichtbar, fall.Offen) << fall.Was;
        EXPECT_NE(meldung.find(fall.Meldung), std::string::npos) << fall.Was << ": " << meldung;
        if (*fall.Meldung != '\0') {
            EXPECT_NE(meldung.find(fehlt), std::string::npos) << meldung;
        }
        // Nothing but the target is left in the folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.Pfad), {}), 1) << fall.Was;
    }

    // A printer that prints on paper asks for no file.
    Druckfenster f;
    TPapierdrucker papier;
    TDialogskript dialog(ziel.string());
    f.Drucken().SetzeDrucker({&papier});
    f.Drucken().SetzeDateidialog(&dialog);
    f.Drucke("1", "1", false, false);
    EXPECT_EQ(dialog.Gestellt, 0);
    EXPECT_EQ(Bedruckt(papier.Innen), 1u);
    EXPECT_FALSE(f.Drucken().Sichtbar);
}

TEST(Druckdialog, TheProgressHearsOfEveryPageAndMayStopTheRun)
{
    struct Fall {
        const char* Was;
        std::string Blaetter, Exemplare;
        bool Loesungen;
        std::int64_t HaltVor;
        bool Verweigert;
        std::vector<std::string> Protokoll;
        std::size_t Seiten;
        bool Offen; // the dialog afterwards
    };
    for (const Fall& fall : {
             Fall{"durch", "2", "2", true, -1, false, {"Anfang 6", "0", "1", "2", "3", "4", "5", "Ende"}, 6, false},
             Fall{"vor dem Lösungsblatt", "1", "2", true, 1, false, {"Anfang 3", "0", "1", "Ende"}, 1, true},
             Fall{"vor der ersten Seite", "3", "1", false, 0, false, {"Anfang 3", "0", "Ende"}, 0, true},
             Fall{"verweigert", "1", "1", false, -1, true, {"Anfang 1", "Ende"}, 0, true},
         }) {
        Druckfenster f;
        TPapierdrucker papier;
        papier.Verweigert = fall.Verweigert;
        Fortschrittsprotokoll fortschritt(fall.HaltVor);
        f.Drucken().SetzeDrucker({&papier});
        f.Drucken().SetzeFortschritt(&fortschritt);
        const auto vorher = f.Aufgaben();
        try {
            f.Drucke(fall.Blaetter, fall.Exemplare, fall.Loesungen, true);
            EXPECT_FALSE(fall.Verweigert) << fall.Was;
        } catch (const EZifferbogenFehler&) {
            EXPECT_TRUE(fall.Verweigert) << fall.Was;
        }
        EXPECT_EQ(fortschritt.Protokoll, fall.Protokoll) << fall.Was;
        EXPECT_EQ(Bedruckt(papier.Innen), fall.Seiten) << fall.Was;
        // The pages printed before the stop go to the printer as a complete job.
        EXPECT_EQ(papier.Innen.Offen, false) << fall.Was;
        EXPECT_EQ(f.Drucken().Sichtbar, fall.Offen) << fall.Was;
        EXPECT_FALSE(f.Zeichnen().CBLoesungaufPlatzhalter->Checked()) << fall.Was;
        EXPECT_EQ(f.Zeichnen().Seite()->Blattnummer, -1) << fall.Was;
        // Finished or stopped, the window shows the sheet it showed before the run.
        EXPECT_EQ(f.Aufgaben(), vorher) << fall.Was;
    }
}

TEST(Druckdialog, NamesThePrinterInUse)
{
    class Wahl final : public TDruckerdialog {
    public:
        std::size_t Ausfuehren(const std::vector<TDrucker*>&, std::size_t) override { return 1; }
    };
    Druckfenster f;
    EXPECT_EQ(f.Drucken().LDrucker->Caption(), "Drucker: Aufzeichnung");
    TPapierdrucker papier;
    Wahl wahl;
    f.Drucken().SetzeDrucker({&f.Drucker, &papier});
    f.Drucken().SetzeDruckerdialog(&wahl);
    f.Drucken().BDruckereinstellungen->Click();
    EXPECT_EQ(f.Drucken().LDrucker->Caption(), "Drucker: Klasse 3b");
    f.Drucken().SetzeDrucker({});
    EXPECT_EQ(f.Drucken().LDrucker->Caption(), "Drucker: keiner eingerichtet");
}

TEST(KommandozeileDruck, PrintRunIntoOneDocument)
{
    const TTestordner ordner;
    const auto pdf = (ordner / "blaetter.pdf").string();
    struct Fall {
        std::vector<std::string> Argumente;
        int Status;
        std::string Dokument; // the recording printer's stand-in: its page count
    };
    for (const Fall& fall : {
             Fall{{"--sheets", "2", "--copies", "2", "--solutions", "--pdf", pdf}, StatusFertig, "6 Seiten"},
             Fall{{"--set", "UDVerschBlaetter=3", "--number", "--pdf", pdf}, StatusFertig, "3 Seiten"},
             Fall{{"--sheets", "2x", "--copies", "", "--pdf", pdf}, StatusFertig, "2 Seiten"},
             Fall{{"--sheets", "40000", "--pdf", pdf}, StatusDateifehler, ""},
         }) {
        std::filesystem::remove(pdf);
        const TLauf lauf = AufgezeichnetAusfuehren(fall.Argumente);
        EXPECT_EQ(lauf.Status, fall.Status) << lauf.Fehler;
        std::ifstream dokument(pdf);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(dokument), {}), fall.Dokument);
    }
    EXPECT_THROW(KommandozeileLesen({"--sheets", "2", "--page"}), TBedienfehler);
}

} // namespace
