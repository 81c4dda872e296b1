// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "fixtures/Programmstart.h"
#include "toolkit/Meldungen.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// The windows as the program starts them, with the first page drawn once (drawing places
// the tasks' frames, which the mouse finds).
struct Dialogfenster : TProgrammstart {
    Dialogfenster() : TProgrammstart(11) { Malen(); }

    // A task of the page set to a op b (result 0 until computed), opened in the edit dialog.
    TAufgabe& Oeffnen(std::int32_t a, std::uint8_t zeichen, std::int32_t b, std::int32_t platzhalter = 3)
    {
        TAufgabe& aufgabe = Seite().Aufgabe(0, 0);
        aufgabe.Daten = {};
        aufgabe.Daten.Operand1 = a;
        aufgabe.Daten.Rechenzeichen = zeichen;
        aufgabe.Daten.Operand2 = b;
        aufgabe.Daten.Platzhalter = platzhalter;
        Edit().SetzeAufgabe(&aufgabe);
        Edit().FormShow();
        return aufgabe;
    }
};

TEST(EditAufgabe, TypedTasksAreComputedAndTakenOver)
{
    Dialogfenster h;
    struct Fall {
        std::string Op1, Zeichen, Op2, Anzeige1, Ergebnis;
        std::int32_t Ergebniswert, Rest;
        std::uint8_t Code;
    };
    for (const Fall& f : {
             Fall{"17", "/", "5", "17", "3 R 2", 3, 2, 3},
             Fall{"15", "/", "5", "15", "3", 3, 0, 3},
             Fall{"-17", "/", "5", "-17", "-3 R -2", -3, -2, 3}, // toward zero, sign of the dividend
             Fall{"12a", "+", "3", "12", "15", 15, 0, 0},
             Fall{"99999999999", "·", "3", "40", "120", 120, 0, 2}, // too many digits: the task's operand
             Fall{"7", "-", "9", "7", "-2", -2, 0, 1},
         }) {
        TAufgabe& aufgabe = h.Oeffnen(40, 0, 2);
        h.Edit().EOp1->Eingeben(f.Op1);
        h.Edit().ComboBox1->SetText(f.Zeichen);
        h.Edit().EOp2->Eingeben(f.Op2);
        EXPECT_EQ(h.Edit().EOp1->Text(), f.Anzeige1) << f.Op1;
        EXPECT_EQ(h.Edit().EErg->Text(), f.Ergebnis) << f.Op1;

        h.Edit().BUebernehmen->Click();
        EXPECT_FALSE(h.Edit().Sichtbar);
        EXPECT_EQ(aufgabe.Daten.Operand1, std::stoi(f.Anzeige1));
        EXPECT_EQ(aufgabe.Daten.Rechenzeichen, f.Code);
        EXPECT_EQ(aufgabe.Daten.Ergebnis, f.Ergebniswert);
        EXPECT_EQ(aufgabe.Daten.Rest, f.Rest);
        EXPECT_EQ(aufgabe.Daten.Quersumme, Quersumme(f.Ergebniswert) + Quersumme(f.Rest));
    }
    EXPECT_TRUE(h.Meldungen.Gezeigt.empty());
}

TEST(EditAufgabe, FieldsFallBackToTheTaskKeepSignsAndSwap)
{
    Dialogfenster h;
    TAufgabe& aufgabe = h.Oeffnen(-5, 0, 8, 1);
    EXPECT_EQ(h.Edit().EOp1->Text(), "-5");
    EXPECT_EQ(h.Edit().EErg->Text(), "3");
    EXPECT_TRUE(h.Edit().RBPlatzhalterOp1->Checked());

    // A cleared field, left, shows the task's operand again.
    h.Edit().EOp2->Eingeben("20");
    h.Edit().EOp1->SetText("");
    h.Edit().EOp1->Exit();
    EXPECT_EQ(h.Edit().EOp1->Text(), "-5");
    EXPECT_EQ(h.Edit().EErg->Text(), "15");

    // The operator list cannot be typed into.
    h.Edit().ComboBox1->SetText("x");
    EXPECT_EQ(h.Edit().ComboBox1->Text(), "+");

    h.Edit().ComboBox1->SetText("-");
    h.Edit().Button1->Click();
    EXPECT_EQ(h.Edit().EOp1->Text(), "20");
    EXPECT_EQ(h.Edit().EOp2->Text(), "-5");
    EXPECT_EQ(h.Edit().EErg->Text(), "25");

    h.Edit().RBPlatzhalterOp2->Click();
    h.Edit().BUebernehmen->Click();
    EXPECT_EQ(aufgabe.Daten.Operand2, -5);
    EXPECT_EQ(aufgabe.Daten.Platzhalter, 2);
    EXPECT_EQ(aufgabe.Daten.Quersumme, 5);
}

TEST(EditAufgabe, ArithmeticErrorsAreReportedAndKeepTheDialogOpen)
{
    Dialogfenster h;
    struct Fall {
        std::string Op1;
        std::uint8_t Code;
        std::string Op2, Meldung;
    };
    for (const Fall& f :
         {Fall{"5", 3, "0", "Null"}, Fall{"46341", 2, "46341", "Überlauf"}, Fall{"2147483647", 0, "1", "Überlauf"},
          Fall{"-2147483648", 1, "1", "Überlauf"}, Fall{"-2147483648", 3, "-1", "Überlauf"}}) {
        TAufgabe& aufgabe = h.Oeffnen(40, f.Code, 2);
        const TGSAufgabe vorher = aufgabe.Daten;
        const std::string angezeigt = h.Edit().EErg->Text();
        h.Meldungen.Gezeigt.clear();
        h.Edit().EOp1->SetText(f.Op1);
        h.Edit().EOp2->Eingeben(f.Op2);
        ASSERT_EQ(h.Meldungen.Gezeigt.size(), 1u) << f.Op1 << f.Op2;
        EXPECT_NE(h.Meldungen.Gezeigt[0].Text.find(f.Meldung), std::string::npos) << h.Meldungen.Gezeigt[0].Text;
        EXPECT_EQ(h.Edit().EErg->Text(), angezeigt);

        h.Edit().BUebernehmen->Click();
        EXPECT_EQ(h.Meldungen.Gezeigt.size(), 2u);
        EXPECT_TRUE(h.Edit().Sichtbar);
        EXPECT_EQ(aufgabe.Daten, vorher);
    }
}

TEST(EditAufgabe, ARightClickEditsTheTaskAndLaysThePageOutAnew)
{
    Dialogfenster h;
    TSeite& seite = *h.Zeichnen().Seite();
    TAufgabe& aufgabe = seite.Aufgabe(0, 1);
    const TBlatt& blatt = h.Zeichnen().Blatt();
    const int x = blatt.XGeraet((aufgabe.Rahmen.Links + aufgabe.Rahmen.Rechts) / 2, true);
    const int y = blatt.YGeraet((aufgabe.Rahmen.Oben + aufgabe.Rahmen.Unten) / 2, true);

    // Cancelled: the task stays; the page is laid out all the same, so it takes the numbering
    // style set meanwhile.
    const TGSAufgabe vorher = aufgabe.Daten;
    h.Zeichnen().NummernMitZiffern = false;
    h.Bei = [&](TFormular& fenster) {
        ASSERT_EQ(&fenster, &h.Edit());
        TFEditAufgabe& dialog = h.Edit();
        EXPECT_EQ(dialog.EOp1->Text(), std::to_string(vorher.Operand1));
        dialog.EOp1->Eingeben("77");
        dialog.BAbbrechen->Click();
    };
    h.Zeichnen().PaintBoxMouseDown(TMaustaste::Rechts, x, y);
    EXPECT_EQ(aufgabe.Daten, vorher);
    EXPECT_FALSE(seite.NummernMitZiffern);

    // Confirmed: the page measures the new task.
    h.Bei = [&](TFormular& fenster) {
        ASSERT_EQ(&fenster, &h.Edit());
        TFEditAufgabe& dialog = h.Edit();
        dialog.EOp1->Eingeben("17");
        dialog.ComboBox1->SetText("/");
        dialog.EOp2->Eingeben("5");
        dialog.RBPlatzhalterOp1->Click();
        dialog.BUebernehmen->Click();
    };
    h.Zeichnen().PaintBoxMouseDown(TMaustaste::Rechts, x, y);
    EXPECT_EQ(aufgabe.Daten.Ergebnis, 3);
    EXPECT_EQ(aufgabe.Daten.Quersumme, 8);
    EXPECT_EQ(aufgabe.Text1, "17");
}

TEST(Nummerierung, TheDialogPreviewsAndSetsTheNumberingStyle)
{
    Dialogfenster h;
    EXPECT_EQ(h.Nummerierung().LVorschau1->Caption(), "1.   2.   3.   ");
    struct Fall {
        bool Ziffern;
        std::string Zeichen, Vorschau;
    };
    for (const Fall& f : {Fall{false, ")", "a)   b)   c)   "}, Fall{true, ".", "1.   2.   3.   "}}) {
        h.Bei = [&](TFormular& fenster) {
            ASSERT_EQ(&fenster, &h.Nummerierung());
            TFNummerierung& dialog = h.Nummerierung();
            (f.Ziffern ? dialog.RB123 : dialog.RBabc)->Click();
            dialog.EZeichennachderNummer->SetText(f.Zeichen);
            EXPECT_EQ(dialog.LVorschau1->Caption(), f.Vorschau);
            dialog.BOK->Click();
        };
        Steuerelement<TButton>(h.Zeichnen(), "BNummerierungsart").Click();
        EXPECT_EQ(h.Zeichnen().Seite()->NummernMitZiffern, f.Ziffern);
        EXPECT_EQ(h.Zeichnen().Seite()->ZeichenNachNummer, f.Zeichen);
    }

    // Opened again, the dialog starts from the main window's present choice.
    h.Zeichnen().ZeichenNachNummer = "-";
    h.Zeichnen().NummernMitZiffern = false;
    h.Bei = [&](TFormular& fenster) {
        ASSERT_EQ(&fenster, &h.Nummerierung());
        TFNummerierung& dialog = h.Nummerierung();
        EXPECT_EQ(dialog.LVorschau1->Caption(), "a-   b-   c-   ");
    };
    h.Zeichnen().BNummerierungsartClick();

    // The caption of the letters names the labels the sheet gives its tasks.
    std::string reihe;
    for (const int n : {1, 2, 3, 26, 27, 28})
        reihe += NummerText(n, false, "") + ", ";
    EXPECT_EQ(reihe, "a, b, c, z, a1, b1, ");
    EXPECT_EQ(h.Nummerierung().RBabc->Caption(), "a, b, c, ..., z, a1, b1, ...");
}

// A view shows and closes a small window from what its model reports alone: each window tells
// once when it opens and once when it closes, and nothing while it is worked in, a refused
// "Übernehmen" included.
TEST(Dialoge, EachWindowTellsItsViewWhenItOpensAndWhenItCloses)
{
    Dialogfenster h;
    THandzeitgeber zeitgeber;
    TFSplash splash(zeitgeber, h.Meldungen, {}, {});
    struct Fall {
        const char* Fenster;
        TSichtbarkeit& Sichtbar;
        std::function<void()> Oeffnen, Bedienen, Schliessen;
    };
    const Fall faelle[] = {
        {"edit, Übernehmen", h.Edit().Sichtbar, [&] { h.Oeffnen(17, 3, 5); },
         [&] {
             h.Edit().EOp2->Eingeben("0");
             h.Edit().BUebernehmen->Click();
         },
         [&] {
             h.Edit().EOp2->Eingeben("4");
             h.Edit().BUebernehmen->Click();
         }},
        {"edit, Abbrechen", h.Edit().Sichtbar, [&] { h.Oeffnen(17, 3, 5); }, [&] { h.Edit().Button1->Click(); },
         [&] { h.Edit().BAbbrechen->Click(); }},
        {"numbering", h.Nummerierung().Sichtbar, [&] { h.Nummerierung().FormShow(); },
         [&] {
             h.Nummerierung().RBabc->Click();
             h.Nummerierung().EZeichennachderNummer->Eingeben(")");
         },
         [&] { h.Nummerierung().BOK->Click(); }},
        {"heading", h.Ueberschrift().Sichtbar, [&] { h.Ueberschrift().FormShow(); },
         [&] {
             h.Ueberschrift().UeberschriftZeileAnfuegen("Plus");
             h.Ueberschrift().BSchrift->Click();
         },
         [&] { h.Ueberschrift().BOK->Click(); }},
        {"about", h.Info().Sichtbar, [&] { h.Info().FormShow(); }, [] {}, [&] { h.Info().BOK->Click(); }},
        {"splash", splash.Sichtbar, [&] { splash.FormShow(); }, [&] { zeitgeber.Ticken(); },
         [&] { zeitgeber.Ticken(); }},
    };
    for (const Fall& fall : faelle) {
        std::vector<bool> berichte;
        fall.Sichtbar.Geaendert = [&](bool sichtbar) { berichte.push_back(sichtbar); };
        fall.Oeffnen();
        fall.Oeffnen();
        EXPECT_EQ(berichte, std::vector<bool>{true}) << fall.Fenster;
        fall.Bedienen();
        EXPECT_EQ(berichte, std::vector<bool>{true}) << fall.Fenster;
        EXPECT_TRUE(fall.Sichtbar) << fall.Fenster;
        fall.Schliessen();
        EXPECT_EQ(berichte, (std::vector<bool>{true, false})) << fall.Fenster;
        EXPECT_FALSE(fall.Sichtbar) << fall.Fenster;
        fall.Sichtbar.Geaendert = nullptr;
    }
}

TEST(Ueberschrift, OkLaysThePageOutAnewBeforeTheDialogCloses)
{
    Dialogfenster h;
    h.Ueberschrift().FormShow();
    h.Zeichnen().NummernMitZiffern = false;
    bool seiteBeimSchliessen = true;
    h.Ueberschrift().Sichtbar.Geaendert = [&](bool) { seiteBeimSchliessen = h.Zeichnen().Seite()->NummernMitZiffern; };
    h.Ueberschrift().BOK->Click();
    EXPECT_FALSE(h.Ueberschrift().Sichtbar);
    EXPECT_FALSE(seiteBeimSchliessen);
}

// What the dialog takes, a file holds and opens again; a file with more lines is damaged, and
// the message names the block.
TEST(Ueberschrift, HeadingAndInstructionTakeAtMostTheLinesAFileOpens)
{
    const std::vector<std::string> tausend(TFUeberschrift::GroessteZeilenzahl, "Zeile");
    for (const bool anweisung : {false, true}) {
        const std::string block = anweisung ? "Arbeitsanweisung" : "Überschrift";
        SCOPED_TRACE(block);
        Dialogfenster h;
        TMemo& memo = anweisung ? *h.Ueberschrift().MArbeitsanweisung : *h.Ueberschrift().MUeberschrift;
        memo.SetLines(tausend);
        try {
            anweisung ? h.Ueberschrift().AnweisungZeileAnfuegen("zu viel")
                      : h.Ueberschrift().UeberschriftZeileAnfuegen("zu viel");
            ADD_FAILURE() << "no error raised";
        } catch (const ERangeError& fehler) {
            EXPECT_EQ(std::string(fehler.what()),
                      "Die " + block
                          + " kann höchstens 1000 Zeilen haben, nicht 1001; die Zeilen danach wurden entfernt.");
        }
        EXPECT_EQ(memo.Lines(), tausend);

        TLoadSave strom;
        strom.OpenWriteMemory();
        h.Ueberschrift().UeberschriftSchreiben(strom);
        const std::string gespeichert = strom.Bytes();
        h.Ueberschrift().MUeberschrift->Clear();
        h.Ueberschrift().MArbeitsanweisung->Clear();
        strom.OpenReadBytes(gespeichert);
        h.Ueberschrift().UeberschriftLesen(strom);
        EXPECT_EQ(memo.Lines(), tausend);

        // One line more, as a damaged file or another program may hold it.
        strom.OpenWriteMemory();
        strom.WriteInteger(anweisung ? 0 : 1001);
        for (int i = 0; i < 1001; ++i)
            strom.WriteText("Zeile");
        strom.WriteInteger(anweisung ? 1001 : 0);
        const std::string beschaedigt = strom.Bytes();
        strom.OpenReadBytes(beschaedigt);
        try {
            h.Ueberschrift().UeberschriftLesen(strom);
            ADD_FAILURE() << "no error raised";
        } catch (const ERangeError& fehler) {
            EXPECT_EQ(std::string(fehler.what()),
                      "Die Zeilenzahl 1001 der " + block + " ist ungültig (erlaubt sind 0 bis 1000).");
        }
    }
}

} // namespace
