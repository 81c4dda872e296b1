// SPDX-License-Identifier: GPL-3.0-or-later
// Solution sheets that look like solution sheets: "Lösungen" at their top right unless the
// print dialog says otherwise, and all of them after all worksheets when the teacher wants
// the key apart.

#include "fixtures/Programmstart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

struct Druck : TProgrammstart {
    Druck() : TProgrammstart(13) {}
};

// The texts of a page without the label at its top right (and the sheet number at its top
// left), sorted: what a worksheet and its solution sheet share.
std::vector<std::string> Aufgabentexte(const std::vector<TZeichenbefehl>& seite)
{
    const int rand = static_cast<int>(std::lround(0.4 * 600 / 2.54));
    std::vector<std::string> texte;
    for (const auto& b : seite) {
        if (b.Art == TZeichenbefehl::TArt::Text && b.Y1 != rand)
            texte.push_back(b.Text);
    }
    std::sort(texte.begin(), texte.end());
    return texte;
}

// The label at the top right of a page, or "".
std::string Kennzeichen(const std::vector<TZeichenbefehl>& seite)
{
    const int rand = static_cast<int>(std::lround(0.4 * 600 / 2.54));
    for (const auto& b : seite) {
        if (b.Art == TZeichenbefehl::TArt::Text && b.Y1 == rand && b.X1 > 2000)
            return b.Text;
    }
    return "";
}

TEST(Loesungsblaetter, AreMarkedAndPrintedBeforeTheLastCopyOrAllAtTheEnd)
{
    struct Fall {
        const char* Was;
        const char* Blaetter;
        const char* Exemplare;
        bool Kennzeichnen, AmEnde, Nummerieren;
        // Per page: "A" a copy, "L" a solution sheet, then its sheet; and the label it carries.
        std::vector<std::pair<std::string, std::string>> Seiten;
    };
    for (const Fall& fall : {
             Fall{"vor der letzten Kopie", "2", "2", true, false, false,
                  {{"A1", ""}, {"L1", "Lösungen"}, {"A1", ""}, {"A2", ""}, {"L2", "Lösungen"}, {"A2", ""}}},
             Fall{"am Ende, nummeriert", "3", "1", true, true, true,
                  {{"A1", ""}, {"A2", ""}, {"A3", ""}, {"L1", "Lösungen 1"}, {"L2", "Lösungen 2"}, {"L3", "Lösungen 3"}}},
             Fall{"ohne Kennzeichen am Ende", "2", "2", false, true, false,
                  {{"A1", ""}, {"A1", ""}, {"A2", ""}, {"A2", ""}, {"L1", ""}, {"L2", ""}}},
             Fall{"ein Blatt am Ende", "1", "2", true, true, false, {{"A1", ""}, {"A1", ""}, {"L1", "Lösungen"}}},
         }) {
        Druck d;
        TFDrucken& drucken = d.Programm.Drucken();
        d.Programm.Zeichnen().Drucken1Click();
        drucken.EVerschBlaetter->SetText(fall.Blaetter);
        drucken.EExemplare->SetText(fall.Exemplare);
        drucken.CBLoesungsblaetter->SetChecked(true);
        drucken.CBNummerieren->SetChecked(fall.Nummerieren);
        EXPECT_TRUE(drucken.CBLoesungenKennzeichnen->Checked()) << "vorgegeben";
        drucken.CBLoesungenKennzeichnen->SetChecked(fall.Kennzeichnen);
        drucken.CBLoesungenAmEnde->SetChecked(fall.AmEnde);
        drucken.BOK->Click();

        const auto& seiten = d.Drucker.Seiten;
        ASSERT_EQ(seiten.size(), fall.Seiten.size()) << fall.Was;
        for (std::size_t k = 0; k < seiten.size(); ++k) {
            EXPECT_EQ(Kennzeichen(seiten[k]), fall.Seiten[k].second) << fall.Was << ", Seite " << k + 1;
            // A solution sheet holds its worksheet's tasks, and more (the solutions).
            for (std::size_t m = 0; m < seiten.size(); ++m) {
                if (fall.Seiten[m].first != "A" + fall.Seiten[k].first.substr(1) || fall.Seiten[k].first[0] != 'L')
                    continue;
                const auto a = Aufgabentexte(seiten[m]);
                const auto l = Aufgabentexte(seiten[k]);
                EXPECT_TRUE(a.size() < l.size() && std::includes(l.begin(), l.end(), a.begin(), a.end()))
                    << fall.Was << ": Lösungen auf Seite " << k + 1 << " zu Seite " << m + 1;
            }
        }
        // Different sheets have different tasks.
        for (std::size_t k = 0; k < seiten.size(); ++k) {
            if (fall.Seiten[k].first == "A2") {
                EXPECT_NE(Aufgabentexte(seiten.front()), Aufgabentexte(seiten[k])) << fall.Was;
            }
        }
    }
}

} // namespace
