// Time of one pool build (VorratErzeugen) for typical and for worst-case settings.

#include "generator/UGSAufgabe.h"
#include "toolkit/Zufall.h"

#include <benchmark/benchmark.h>

#include <functional>

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

BENCHMARK(BM_Standard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlusBis10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SchriftlichMal3x2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Unmoeglich)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DivisionMitRest)->Unit(benchmark::kMicrosecond);

} // namespace
