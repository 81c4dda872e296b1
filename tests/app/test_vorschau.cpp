// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Druckauftrag.h"
#include "app/UVorschau.h"
#include "cli/Aufgabenzeile.h"
#include "doubles/Dialogskript.h"
#include "fixtures/Programmstart.h"
#include "toolkit/Druckfortschritt.h"
#include "toolkit/Fehler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

// The print dialog as the user fills it in; both runs of a case start from the same seed, so
// a print and a preview make the same sheets.
struct Vorschaufenster : TProgrammstart {
    struct TLauf {
        const char* Was;
        std::string Blaetter, Exemplare;
        bool Loesungen = false, Nummerieren = false, AmEnde = false;
    };

    Vorschaufenster() : TProgrammstart(11) {}

    TFVorschau& Vorschau() { return Programm.Vorschau(); }

    void Ausfuellen(const TLauf& lauf)
    {
        Zeichnen().BDrucken->Click();
        Drucken().EVerschBlaetter->SetText(lauf.Blaetter);
        Drucken().EExemplare->SetText(lauf.Exemplare);
        Drucken().CBLoesungsblaetter->SetChecked(lauf.Loesungen);
        Drucken().CBNummerieren->SetChecked(lauf.Nummerieren);
        Drucken().CBLoesungenAmEnde->SetChecked(lauf.AmEnde);
    }


    // The page the preview shows, as drawn on its paint box.
    std::vector<TZeichenbefehl> Gezeigt()
    {
        TAufzeichnungsleinwand leinwand(96.0 / 72.0);
        Vorschau().PaintBox->Paint(leinwand);
        return leinwand.Befehle;
    }
};

// The texts of a page in drawing order.
std::vector<std::string> Texte(const std::vector<TZeichenbefehl>& seite)
{
    std::vector<std::string> texte;
    for (const auto& b : seite) {
        if (b.Art == TZeichenbefehl::TArt::Text)
            texte.push_back(b.Text);
    }
    return texte;
}

std::vector<std::vector<std::string>> Texte(const std::vector<std::vector<TZeichenbefehl>>& seiten)
{
    std::vector<std::vector<std::string>> texte;
    for (const auto& seite : seiten)
        texte.push_back(Texte(seite));
    return texte;
}

TEST(Vorschau, ShowsThePagesARunPrintsAndPrintsExactlyThose)
{
    using TLauf = Vorschaufenster::TLauf;
    for (const TLauf& lauf : {
             TLauf{"ein Blatt", "1", "1"},
             TLauf{"Kopien mit Lösungsblatt", "1", "3", true, true},
             TLauf{"drei Blätter", "3", "2", true, false},
             TLauf{"Lösungen am Ende", "3", "1", true, true, true},
         }) {
        // The pages the print dialog's OK prints.
        Vorschaufenster gedruckt;
        gedruckt.Ausfuellen(lauf);
        gedruckt.Drucken().BOK->Click();
        const auto erwartet = Texte(gedruckt.Drucker.Seiten);

        Vorschaufenster f;
        const auto vorher = f.Aufgaben();
        f.Ausfuellen(lauf);
        f.Drucken().BVorschau->Click();
        ASSERT_TRUE(f.Vorschau().Sichtbar) << lauf.Was;
        EXPECT_EQ(f.Geoeffnet.back(), "Vorschau") << lauf.Was;
        EXPECT_TRUE(f.Drucken().Sichtbar) << lauf.Was;
        EXPECT_TRUE(f.Drucker.Protokoll.empty()) << lauf.Was;
        EXPECT_EQ(f.Aufgaben(), vorher) << lauf.Was;

        // Page by page, forwards, and back again from the last: the same pages every time.
        ASSERT_EQ(f.Vorschau().Seitenzahl(), static_cast<std::int64_t>(erwartet.size())) << lauf.Was;
        std::vector<std::vector<std::string>> vorwaerts;
        for (;;) {
            EXPECT_EQ(f.Vorschau().LSeite->Caption(),
                      "Seite " + std::to_string(f.Vorschau().Seite()) + " von " + std::to_string(erwartet.size()));
            vorwaerts.push_back(Texte(f.Gezeigt()));
            if (!f.Vorschau().BWeiter->Enabled())
                break;
            f.Vorschau().BWeiter->Click();
        }
        EXPECT_EQ(vorwaerts, erwartet) << lauf.Was;
        f.Vorschau().BErste->Click();
        EXPECT_EQ(Texte(f.Gezeigt()), erwartet.front()) << lauf.Was;
        EXPECT_FALSE(f.Vorschau().BZurueck->Enabled()) << lauf.Was;
        f.Vorschau().BLetzte->Click();
        EXPECT_EQ(Texte(f.Gezeigt()), erwartet.back()) << lauf.Was;
        EXPECT_EQ(f.Aufgaben(), vorher) << lauf.Was;

        // "Drucken" prints those pages, to the pixel as OK prints them, and closes both windows.
        f.Vorschau().BDrucken->Click();
        EXPECT_EQ(Texte(f.Drucker.Seiten), erwartet) << lauf.Was;
        ASSERT_EQ(f.Drucker.Seiten.size(), gedruckt.Drucker.Seiten.size()) << lauf.Was;
        for (std::size_t k = 0; k < f.Drucker.Seiten.size(); ++k) {
            EXPECT_EQ(f.Drucker.Seiten[k].size(), gedruckt.Drucker.Seiten[k].size()) << lauf.Was << " " << k;
            for (std::size_t m = 0; m < f.Drucker.Seiten[k].size() && m < gedruckt.Drucker.Seiten[k].size(); ++m) {
                const TZeichenbefehl& a = f.Drucker.Seiten[k][m];
                const TZeichenbefehl& b = gedruckt.Drucker.Seiten[k][m];
                ASSERT_TRUE(a.Text == b.Text && a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Y2 == b.Y2)
                    << lauf.Was << ": page " << k << ", operation " << m;
            }
        }
        EXPECT_FALSE(f.Vorschau().Sichtbar) << lauf.Was;
        EXPECT_EQ(f.Vorschau().Auftrag(), nullptr) << lauf.Was;
        EXPECT_FALSE(f.Drucken().Sichtbar) << lauf.Was;
        EXPECT_EQ(f.Aufgaben(), vorher) << lauf.Was;
        EXPECT_FALSE(f.Zeichnen().CBLoesungaufPlatzhalter->Checked()) << lauf.Was;
        EXPECT_EQ(f.Seite().Blattnummer, -1) << lauf.Was;
        EXPECT_TRUE(f.Seite().Kennzeichen.empty()) << lauf.Was;
    }
}

// Stops a run before page Vor (counted from 0).
class Anhalten final : public TDruckfortschritt {
public:
    explicit Anhalten(std::int64_t vor) : Vor(vor) {}
    void Anfang(std::int64_t) override {}
    bool Weiter(std::int64_t gedruckt) override { return gedruckt != Vor; }
    void Ende() noexcept override {}

    std::int64_t Vor;
};

TEST(Vorschau, ClosingStoppingOrARefusedPrintLeaveThePrintDialogOpen)
{
    struct Fall {
        const char* Was;
        std::optional<std::string> Datei; // the PDF file asked for at "Drucken"
        bool Drucken;                     // else "Schließen"
        bool VorschauOffen;
    };
    for (const Fall& fall : {
             Fall{"Schließen", "blatt.pdf", false, false},
             Fall{"keine Datei gewählt", std::nullopt, true, true},
         }) {
        Vorschaufenster f;
        TDialogskript dialog(fall.Datei);
        f.Drucken().SetzeDateidialog(&dialog);
        const auto vorher = f.Aufgaben();
        f.Ausfuellen({fall.Was, "2", "2", true});
        f.Drucken().BVorschau->Click();
        // The file is asked for when the pages are printed, not when they are shown.
        EXPECT_EQ(dialog.Gestellt, 0) << fall.Was;
        (fall.Drucken ? f.Vorschau().BDrucken : f.Vorschau().BSchliessen)->Click();
        EXPECT_EQ(dialog.Gestellt, fall.Drucken ? 1 : 0) << fall.Was;
        EXPECT_TRUE(f.Drucker.Protokoll.empty()) << fall.Was;
        EXPECT_EQ(f.Vorschau().Sichtbar, fall.VorschauOffen) << fall.Was;
        EXPECT_TRUE(f.Drucken().Sichtbar) << fall.Was;
        EXPECT_EQ(f.Aufgaben(), vorher) << fall.Was;
    }

    // Stopped while its pages are made, the preview does not open.
    {
        Vorschaufenster f;
        Anhalten anhalten(0);
        f.Drucken().SetzeVorbereitung(&anhalten);
        const auto vorher = f.Aufgaben();
        f.Ausfuellen({"angehalten", "3", "1"});
        f.Drucken().BVorschau->Click();
        EXPECT_FALSE(f.Vorschau().Sichtbar);
        EXPECT_TRUE(f.Drucken().Sichtbar);
        EXPECT_EQ(f.Aufgaben(), vorher);
    }

    // A print from the preview that is stopped, or that the printer refuses, leaves both
    // windows open with the same pages, the window on its sheet; the printer has what it got.
    for (const bool verweigert : {false, true}) {
        Vorschaufenster f;
        TPapierdrucker papier;
        papier.Verweigert = verweigert;
        Anhalten anhalten(2);
        f.Drucken().SetzeDrucker({&papier});
        f.Drucken().SetzeFortschritt(&anhalten);
        const auto vorher = f.Aufgaben();
        f.Ausfuellen({"gestört", "2", "2"});
        f.Drucken().BVorschau->Click();
        if (verweigert)
            EXPECT_THROW(f.Vorschau().BDrucken->Click(), EZifferbogenFehler);
        else
            f.Vorschau().BDrucken->Click();
        EXPECT_EQ(papier.Innen.Seiten.size(), verweigert ? 0U : 2U);
        EXPECT_FALSE(papier.Innen.Offen);
        EXPECT_TRUE(f.Vorschau().Sichtbar);
        EXPECT_EQ(f.Vorschau().Seitenzahl(), 4);
        EXPECT_TRUE(f.Drucken().Sichtbar);
        EXPECT_EQ(f.Aufgaben(), vorher);
    }
}

TEST(Vorschau, TheZoomSizesThePage)
{
    Vorschaufenster f;
    f.Ausfuellen({"zoom", "1", "1"});
    f.Drucken().BVorschau->Click();
    const TBlatt& blatt = f.Zeichnen().Blatt();
    const auto flaeche = [&] { return static_cast<TFVorschau::TFlaeche>(f.Vorschau().Flaeche); };
    const int rand = 2 * TFVorschau::Rand;
    f.Vorschau().ZoomBox->SetText("100%");
    EXPECT_NEAR(flaeche().Breite - rand, blatt.BlattBreite * 96 / 2.54, 1);
    EXPECT_NEAR(flaeche().Hoehe - rand, blatt.BlattHoehe * 96 / 2.54, 1);
    // The page number in the corner moves with the zoom.
    f.Ausfuellen({"zoom", "1", "1", false, true});
    f.Drucken().BVorschau->Click();
    const auto ecke = [&](const std::vector<TZeichenbefehl>& seite) {
        for (const auto& b : seite) {
            if (b.Art == TZeichenbefehl::TArt::Text && b.Text == "1" && b.X1 == b.Y1)
                return b.X1;
        }
        return -1;
    };
    f.Vorschau().ZoomBox->SetText("200%");
    EXPECT_NEAR(flaeche().Breite - rand, blatt.BlattBreite * 2 * 96 / 2.54, 1);
    EXPECT_NEAR(ecke(f.Gezeigt()), TFVorschau::Rand + 0.4 * 2 * 96 / 2.54, 1);
    // A whole page fits the area the view gives it.
    f.Vorschau().ZoomBox->SetText("Ganze Seite");
    f.Vorschau().Bereich(500, 600);
    EXPECT_LE(flaeche().Breite, 500);
    EXPECT_NEAR(flaeche().Hoehe, 600, 1);
}

} // namespace
