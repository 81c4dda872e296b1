// SPDX-License-Identifier: GPL-3.0-or-later
// Searches for settings under which one pool build (VorratErzeugen) is slow.
//
// Each sample starts from the settings window's defaults and changes a random sequence of
// its controls by name, exactly as the command line's --set does (disabled or hidden
// controls cannot be changed, so only reachable settings arise). Then it hands the settings
// to the generator and times one build. Half of the samples start from the slowest settings
// found so far and change a few more controls, so the search climbs towards slow corners.
//
// Output: the slowest settings as command lines that reproduce them, with the build time,
// the counted work and the pool size; also the largest time per unit of work seen, which is
// what the generator's work budget must be measured against.
//
// Aufruf: suche_langsame_einstellungen [--anzahl N] [--sekunden S] [--seed N] [--top K] [--budget B]
//         [--klettern 0|1] [--zeige-ab W]
//         suche_langsame_einstellungen [--budget B] --seed N --set NAME=WERT ...   (times only these)
// --budget 0 lifts the work budget, to measure how much work settings need without it;
// --klettern 0 takes only fresh random settings, for the spread of work over them;
// --zeige-ab W prints every fresh setting whose build needs at least W units of work.

#include "cli/Kommandozeile.h"
#include "cli/Steuerelementsetzer.h"
#include "doubles/ZeichnenPlatzhalter.h"
#include "generator/UGSAufgabe.h"
#include "settings/Main.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Steuerelemente.h"
#include "toolkit/Zufall.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

class TStilleMeldungen final : public TMeldungen {
public:
    void Zeige(const std::string&, const std::string&, TMeldungsart) override {}
};

using TSetzungen = std::vector<std::pair<std::string, std::string>>;

struct TErgebnis {
    TSetzungen Setzungen;
    std::uint32_t Startwert = 0;
    double Millisekunden = 0;
    std::int64_t Arbeit = 0;
    std::int32_t Vorrat = 0;
    bool Gekuerzt = false;
};

// Numbers that sit on the edges of the rules: small ranges, powers of ten and their
// neighbours, the 32-bit limit.
const std::vector<std::string> Randzahlen{
    "0",   "1",   "2",   "3",   "5",    "9",    "10",   "11", "12",  "19",    "20",    "50",      "99",        "100",
    "101", "200", "500", "999", "1000", "1001", "5000", "-1", "-10", "10000", "99999", "1000000", "2147483647"};

class TSuche {
public:
    explicit TSuche(std::uint32_t startwert) : Zufall(startwert) {}

    // A value for the control, as --set would write it; empty when it has none to set.
    std::string WertWaehlen(const TControl& control)
    {
        switch (control.Art()) {
        case TSteuerelementArt::CheckBox:
            return Zahl(2) == 0 ? "true" : "false";
        case TSteuerelementArt::RadioButton:
            return "true";
        case TSteuerelementArt::RadioGroup: {
            const auto& gruppe = static_cast<const TRadioGroup&>(control);
            return gruppe.Items().empty() ? std::string()
                                          : std::to_string(Zahl(static_cast<int>(gruppe.Items().size())));
        }
        case TSteuerelementArt::UpDown: {
            const auto& pfeile = static_cast<const TUpDown&>(control);
            const int breite = pfeile.Max() - pfeile.Min();
            // Edges and small offsets from them are where tasks become rare.
            switch (Zahl(4)) {
            case 0:
                return std::to_string(pfeile.Min() + std::min(breite, Zahl(3)));
            case 1:
                return std::to_string(pfeile.Max() - std::min(breite, Zahl(3)));
            default:
                return std::to_string(pfeile.Min() + Zahl(breite + 1));
            }
        }
        case TSteuerelementArt::Edit: {
            const auto& feld = static_cast<const TEdit&>(control);
            if (feld.ReadOnly())
                return {};
            return Zahl(4) == 0 ? std::to_string(Zahl(2001))
                                : Randzahlen[static_cast<std::size_t>(Zahl(static_cast<int>(Randzahlen.size())))];
        }
        case TSteuerelementArt::ComboBox: {
            const auto& liste = static_cast<const TComboBox&>(control);
            return liste.Items().empty()
                ? std::string()
                : liste.Items()[static_cast<std::size_t>(Zahl(static_cast<int>(liste.Items().size())))];
        }
        default:
            // Buttons open dialogs, save files or show the main window: not a setting.
            return {};
        }
    }

    // Tries up to `anzahl` random changes on the window; returns those that took effect.
    TSetzungen Aendern(TMainForm& fenster, int anzahl)
    {
        TSetzungen gemacht;
        const auto& alle = fenster.Steuerelemente();
        for (int n = 0; n < anzahl; ++n) {
            const TControl& control = *alle[static_cast<std::size_t>(Zahl(static_cast<int>(alle.size())))];
            if (!control.Bedienbar())
                continue;
            const std::string wert = WertWaehlen(control);
            if (wert.empty())
                continue;
            try {
                SteuerelementSetzen({&fenster}, control.Name(), wert);
                gemacht.emplace_back(control.Name(), wert);
            } catch (const TBedienfehler&) {
                // A value the control refuses, as it would refuse the user's.
            }
        }
        return gemacht;
    }

    // Applies recorded changes to a fresh window; drops those that no longer take effect.
    static TSetzungen Nachspielen(TMainForm& fenster, const TSetzungen& setzungen)
    {
        TSetzungen gemacht;
        for (const auto& [name, wert] : setzungen) {
            try {
                SteuerelementSetzen({&fenster}, name, wert);
                gemacht.emplace_back(name, wert);
            } catch (const TBedienfehler&) {}
        }
        return gemacht;
    }

    int Zahl(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(Zufall); }

private:
    std::mt19937 Zufall;
};

// Builds the pool of the window's settings with the given seed, as the command line's
// --seed N ... --pool does, and times that build.
std::int64_t Budget = TGSAufgabengenerator::Arbeitsbudget;

TErgebnis Messen(const TSetzungen& setzungen, std::uint32_t startwert, TSuche* suche, int weitere)
{
    TMersenneZufall zufall(startwert);
    TStilleMeldungen meldungen;
    TZeichnenPlatzhalter hauptfenster;
    TMainForm fenster(zufall, meldungen, &hauptfenster);

    TErgebnis ergebnis;
    ergebnis.Startwert = startwert;
    ergebnis.Setzungen = TSuche::Nachspielen(fenster, setzungen);
    if (suche != nullptr && weitere > 0) {
        const TSetzungen neu = suche->Aendern(fenster, weitere);
        ergebnis.Setzungen.insert(ergebnis.Setzungen.end(), neu.begin(), neu.end());
    }

    fenster.GeneratorEinstellen();
    TGSAufgabengenerator& generator = fenster.Generator();
    generator.Arbeitsgrenze = Budget;
    const auto start = std::chrono::steady_clock::now();
    generator.VorratErzeugen();
    const auto ende = std::chrono::steady_clock::now();
    ergebnis.Millisekunden = std::chrono::duration<double, std::milli>(ende - start).count();
    ergebnis.Arbeit = generator.Arbeit();
    ergebnis.Vorrat = generator.VorratAnzahl();
    ergebnis.Gekuerzt = generator.VorratGekuerzt();
    return ergebnis;
}

std::string Befehlszeile(const TErgebnis& e)
{
    std::string zeile = "--seed " + std::to_string(e.Startwert);
    for (const auto& [name, wert] : e.Setzungen)
        zeile += " --set '" + name + "=" + wert + "'";
    return zeile + " --pool";
}

long ZahlArgument(const char* text)
{
    char* ende = nullptr;
    const long wert = std::strtol(text, &ende, 10);
    if (ende == text || *ende != '\0' || wert < 0) {
        std::fprintf(stderr, "Ungültige Zahl: %s\n", text);
        std::exit(2);
    }
    return wert;
}

} // namespace

int main(int argc, char** argv)
{
    long anzahl = -1;
    double sekunden = 60;
    std::uint32_t startwert = 1;
    std::size_t top = 5;
    TSetzungen vorgegeben;
    bool klettern = true;
    std::int64_t zeigeAb = -1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--anzahl")
            anzahl = ZahlArgument(argv[i + 1]);
        else if (option == "--sekunden")
            sekunden = static_cast<double>(ZahlArgument(argv[i + 1]));
        else if (option == "--seed")
            startwert = static_cast<std::uint32_t>(ZahlArgument(argv[i + 1]));
        else if (option == "--top")
            top = static_cast<std::size_t>(ZahlArgument(argv[i + 1]));
        else if (option == "--budget") {
            Budget = ZahlArgument(argv[i + 1]);
            if (Budget == 0)
                Budget = std::numeric_limits<std::int64_t>::max();
        } else if (option == "--zeige-ab") {
            zeigeAb = ZahlArgument(argv[i + 1]);
        } else if (option == "--klettern") {
            klettern = ZahlArgument(argv[i + 1]) != 0;
        } else if (option == "--set")
            vorgegeben.push_back(SetzungTeilen(argv[i + 1]));
        else {
            std::fprintf(stderr,
                         "Aufruf: %s [--anzahl N] [--sekunden S] [--seed N] [--top K] [--budget B] [--klettern 0|1] "
                         "[--zeige-ab W] [--set NAME=WERT]...\n",
                         argv[0]);
            return 2;
        }
    }
    if (argc % 2 == 0) {
        std::fprintf(stderr,
                     "Aufruf: %s [--anzahl N] [--sekunden S] [--seed N] [--top K] [--budget B] [--klettern 0|1] "
                     "[--zeige-ab W] [--set NAME=WERT]...\n",
                     argv[0]);
        return 2;
    }

    if (!vorgegeben.empty()) {
        std::vector<double> zeiten;
        TErgebnis e;
        for (int n = 0; n < 5; ++n) {
            e = Messen(vorgegeben, startwert, nullptr, 0);
            zeiten.push_back(e.Millisekunden);
        }
        std::sort(zeiten.begin(), zeiten.end());
        std::printf("%.3f ms (Median von 5)  Arbeit %lld  Vorrat %d%s\n  %s\n", zeiten[2],
                    static_cast<long long>(e.Arbeit), e.Vorrat, e.Gekuerzt ? "  gekürzt" : "", Befehlszeile(e).c_str());
        return e.Setzungen.size() == vorgegeben.size() ? 0 : 1;
    }

    TSuche suche(startwert);
    // The slowest settings so far, slowest first; the search climbs from them.
    std::vector<TErgebnis> langsamste;
    const std::size_t gemerkt = std::max<std::size_t>(top, 20);
    double groessteZeitJeArbeit = 0;
    std::string beiGroessterZeitJeArbeit;
    long gekuerzt = 0;
    long proben = 0;
    // Work of the fresh samples (not those climbing from slow ones): how random settings
    // spread, which is what the budget must leave alone.
    const std::vector<std::int64_t> stufen{10'000, 100'000, 300'000, 1'000'000, 2'000'000, 5'000'000, 20'000'000};
    std::vector<long> verteilung(stufen.size() + 1, 0);
    std::vector<double> zeitJeStufe(stufen.size() + 1, 0);
    const auto beginn = std::chrono::steady_clock::now();
    const auto vergangen = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
    };

    while ((anzahl < 0 || proben < anzahl) && (anzahl >= 0 || vergangen() < sekunden)) {
        ++proben;
        TSetzungen basis;
        int weitere = 1 + suche.Zahl(25);
        bool frisch = true;
        if (klettern && !langsamste.empty() && suche.Zahl(2) == 0) {
            basis = langsamste[static_cast<std::size_t>(suche.Zahl(static_cast<int>(langsamste.size())))].Setzungen;
            // Now and then one change less, so needless ones drop out of the list.
            if (!basis.empty() && suche.Zahl(3) == 0)
                basis.erase(basis.begin() + suche.Zahl(static_cast<int>(basis.size())));
            weitere = suche.Zahl(4);
            frisch = false;
        }
        const auto seed = static_cast<std::uint32_t>(suche.Zahl(1'000'000));
        TErgebnis e = Messen(basis, seed, &suche, weitere);
        gekuerzt += e.Gekuerzt ? 1 : 0;
        const auto stufe =
            static_cast<std::size_t>(std::upper_bound(stufen.begin(), stufen.end(), e.Arbeit) - stufen.begin());
        const bool neueGroessteZeitJeArbeit =
            e.Arbeit >= 20'000 && e.Millisekunden * 1e6 / static_cast<double>(e.Arbeit) > groessteZeitJeArbeit;
        // A new record is timed twice more and the best time kept: another process taking the
        // processor for a moment must not count as a slow build.
        if ((frisch && e.Millisekunden > zeitJeStufe[stufe]) || neueGroessteZeitJeArbeit) {
            for (int n = 0; n < 2; ++n)
                e.Millisekunden = std::min(e.Millisekunden, Messen(e.Setzungen, e.Startwert, nullptr, 0).Millisekunden);
        }
        if (frisch && zeigeAb >= 0 && e.Arbeit >= zeigeAb)
            std::printf("Arbeit %9lld  %7.2f ms  Vorrat %3d  %s\n", static_cast<long long>(e.Arbeit), e.Millisekunden,
                        e.Vorrat, Befehlszeile(e).c_str());
        if (frisch) {
            ++verteilung[stufe];
            zeitJeStufe[stufe] = std::max(zeitJeStufe[stufe], e.Millisekunden);
        }
        // Only builds with enough work to time reliably.
        if (e.Arbeit >= 20'000 && e.Millisekunden * 1e6 / static_cast<double>(e.Arbeit) > groessteZeitJeArbeit) {
            groessteZeitJeArbeit = e.Millisekunden * 1e6 / static_cast<double>(e.Arbeit);
            beiGroessterZeitJeArbeit = Befehlszeile(e);
        }
        const bool schonDa = std::any_of(langsamste.begin(), langsamste.end(),
                                         [&](const TErgebnis& l) { return l.Setzungen == e.Setzungen; });
        if (!schonDa && (langsamste.size() < gemerkt || e.Millisekunden > langsamste.back().Millisekunden)) {
            langsamste.push_back(std::move(e));
            std::sort(langsamste.begin(), langsamste.end(),
                      [](const TErgebnis& a, const TErgebnis& b) { return a.Millisekunden > b.Millisekunden; });
            if (langsamste.size() > gemerkt)
                langsamste.pop_back();
        }
    }

    // Timed once more, as the slowest of one sample may have met a busy moment.
    for (auto& e : langsamste) {
        double beste = 1e300;
        for (int n = 0; n < 3; ++n)
            beste = std::min(beste, Messen(e.Setzungen, e.Startwert, nullptr, 0).Millisekunden);
        e.Millisekunden = beste;
    }
    std::sort(langsamste.begin(), langsamste.end(),
              [](const TErgebnis& a, const TErgebnis& b) { return a.Millisekunden > b.Millisekunden; });

    std::printf("%ld Einstellungen in %.0f s, %ld davon mit gekürztem Aufbau (Budget %lld)\n", proben, vergangen(),
                gekuerzt, static_cast<long long>(Budget));
    std::printf("Arbeit der frischen Stichproben (Anzahl, längste Zeit):\n");
    for (std::size_t i = 0; i < verteilung.size(); ++i) {
        std::printf("  %s %9lld: %6ld  %8.2f ms\n", i < stufen.size() ? "unter" : "ab   ",
                    static_cast<long long>(i < stufen.size() ? stufen[i] : stufen.back()), verteilung[i],
                    zeitJeStufe[i]);
    }
    std::printf("größte Zeit je Arbeitseinheit: %.1f ns bei\n  %s\n", groessteZeitJeArbeit,
                beiGroessterZeitJeArbeit.c_str());
    std::printf("Die langsamsten (bestes von 3 Messungen):\n");
    for (std::size_t i = 0; i < std::min(top, langsamste.size()); ++i) {
        const TErgebnis& e = langsamste[i];
        std::printf("%8.2f ms  Arbeit %9lld  Vorrat %3d%s\n  %s\n", e.Millisekunden, static_cast<long long>(e.Arbeit),
                    e.Vorrat, e.Gekuerzt ? "  gekürzt" : "", Befehlszeile(e).c_str());
    }
    return 0;
}
