// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one pool build (VorratErzeugen) for typical and for worst-case settings.

#include "cli/Steuerelementsetzer.h"
#include "doubles/ZeichnenPlatzhalter.h"
#include "generator/UGSAufgabe.h"
#include "settings/Main.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Zufall.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// The settings window's defaults: times tables 1..10 with both factors 1..10.
void Standard(TGSAufgabengenerator& g)
{
    g.MalKommtVor = true;
    g.MultArt = 0;
    for (int k = 1; k <= 10; ++k)
        for (int m = 1; m <= 10; ++m)
            g.MultTabelle[k][m] = true;
    g.Zahlenraum = 1000;
    g.ZUModus = 1;
    g.HUModus = 1;
    g.DivArt = 1;
    g.StellenGrenzen = {0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0};
    g.Operandenfolge = 2;
    g.PlatzhalterOp1 = g.PlatzhalterOp2 = g.PlatzhalterErg = true;
    g.QuadratBis = 10;
    g.Faktor1Von = g.Faktor2Von = 1;
    g.Faktor1Bis = g.Faktor2Bis = 10;
}

void Messen(benchmark::State& state, const std::function<void(TGSAufgabengenerator&)>& setzen)
{
    TMersenneZufall zufall(20061216);
    TGSAufgabengenerator g(zufall);
    Standard(g);
    setzen(g);
    for (auto _ : state) {
        g.VorratErzeugen();
        benchmark::DoNotOptimize(g.VorratAnzahl());
    }
    state.counters["Vorrat"] = g.VorratAnzahl();
}

void BM_Standard(benchmark::State& state)
{
    Messen(state, [](TGSAufgabengenerator&) {});
}

void BM_PlusBis10(benchmark::State& state)
{
    Messen(state, [](TGSAufgabengenerator& g) {
        g.MalKommtVor = false;
        g.PlusKommtVor = true;
        g.Zahlenraum = 10;
    });
}

void BM_SchriftlichMal3x2(benchmark::State& state)
{
    Messen(state, [](TGSAufgabengenerator& g) {
        g.MultArt = 1;
        g.StellenGrenzen[1] = g.StellenGrenzen[2] = 3;
        g.StellenGrenzen[5] = g.StellenGrenzen[6] = 2;
    });
}

// Never a task: HZE + HZE does not fit range 10, and every error task is trivial, so each of
// the 1000 attempts makes 31 candidates.
void BM_Unmoeglich(benchmark::State& state)
{
    Messen(state, [](TGSAufgabengenerator& g) {
        g.MalKommtVor = false;
        g.PlusKommtVor = true;
        g.Zahlenraum = 10;
        g.NurKombinationen = true;
        g.Kombination[7][7] = true;
        g.Keine10HochN = true;
    });
}

void BM_DivisionMitRest(benchmark::State& state)
{
    Messen(state, [](TGSAufgabengenerator& g) {
        g.MalKommtVor = false;
        g.GeteiltKommtVor = true;
        g.DivArt = 0;
        g.Restmodus = 2;
        for (int k = 1; k <= 10; ++k)
            for (int m = 1; m <= 10; ++m)
                g.DivTabelle[k][m] = true;
    });
}

class TStilleMeldungen final : public TMeldungen {
public:
    void Zeige(const std::string&, const std::string&, TMeldungsart) override {}
};

// Settings made through the settings window by control names, as the command line's --set
// makes them, so a scenario is exactly the command line that found it.
void MessenMitFenster(benchmark::State& state, const std::vector<std::pair<std::string, std::string>>& setzungen)
{
    TMersenneZufall zufall(20061216);
    TStilleMeldungen meldungen;
    TZeichnenPlatzhalter hauptfenster;
    TMainForm fenster(zufall, meldungen, &hauptfenster);
    for (const auto& [name, wert] : setzungen)
        SteuerelementSetzen({&fenster}, name, wert);
    fenster.GeneratorEinstellen();
    TGSAufgabengenerator& g = fenster.Generator();
    for (auto _ : state) {
        g.VorratErzeugen();
        benchmark::DoNotOptimize(g.VorratAnzahl());
    }
    state.counters["Vorrat"] = g.VorratAnzahl();
    state.counters["Arbeit"] = static_cast<double>(g.Arbeit());
}

void BM_FensterStandard(benchmark::State& state)
{
    MessenMitFenster(state, {});
}

// No written division of one digit by one digit has a quotient of at least 10, and every
// error task is trivial without numbers k·10^n: each attempt would retry 31 × 99 calls.
void BM_GeteiltMindestens10OhneZehnerpotenzen(benchmark::State& state)
{
    MessenMitFenster(state,
                     {{"CBMalkommtvor", "false"},
                      {"CBGeteiltkommtvor", "true"},
                      {"UDMinErgDivision", "10"},
                      {"CBKeine10HochN", "true"}});
}

// Addition from digit places: the first operand has only a thousands digit, the second a
// tens digit. A pair within the range needs the first operand 0, and such a task is as
// trivial without numbers k·10^n as every error task: no candidate is ever accepted.
void BM_PlusStellenTausenderOhneZehnerpotenzen(benchmark::State& state)
{
    MessenMitFenster(state,
                     {{"CBPluskommtvor", "true"},
                      {"CBMalkommtvor", "false"},
                      {"CBNurFolgendeOperanden", "true"},
                      {"CBStelle[1][1][4]", "true"},
                      {"CBStelle[2][2][2]", "true"},
                      {"CBKeine10HochN", "true"}});
}

BENCHMARK(BM_Standard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlusBis10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SchriftlichMal3x2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Unmoeglich)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DivisionMitRest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FensterStandard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GeteiltMindestens10OhneZehnerpotenzen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlusStellenTausenderOhneZehnerpotenzen)->Unit(benchmark::kMillisecond);

} // namespace
