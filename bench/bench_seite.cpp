// SPDX-License-Identifier: GPL-3.0-or-later
// The page of the default settings on Qt's PDF printer: one layout pass plus the drawing of
// the page (what a click on an option costs besides the pool build), the whole page as a
// PDF document, and a teacher's print run of many different sheets into one PDF.

#include "app/UZeichnen.h"
#include "qt/platform/Kopflos.h"
#include "qt/platform/PdfDrucker.h"
#include "settings/Main.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Zufall.h"

#include <benchmark/benchmark.h>

namespace {

class StilleMeldungen final : public TMeldungen {
public:
    void Zeige(const std::string&, const std::string&, TMeldungsart) override {}
};

// The windows as the program starts them, on the PDF printer, with the first page built.
struct Programm {
    Programm()
    {
        Zeichnen.Blatt().SetzeDrucker(&Drucker);
        Zeichnen.Verbinden({.Einstellungen = &Einstellungen});
        Zeichnen.Zeigen();
        Zeichnen.FormResize(762, 504);
    }
    TMersenneZufall Zufall{20061216};
    StilleMeldungen Meldungen;
    TPdfDrucker Drucker;
    TZeichnen Zeichnen{Zufall, Meldungen};
    TMainForm Einstellungen{Zufall, Meldungen, &Zeichnen};
};

void LayoutUndZeichnen(benchmark::State& state)
{
    Programm p;
    TSeite& seite = *p.Zeichnen.Seite();
    TBlatt& blatt = p.Zeichnen.Blatt();
    p.Drucker.BeginDoc();
    blatt.Geraetemodus = true;
    for (auto _ : state) {
        seite.Aufbauen(false);
        seite.Zeichnen();
        state.PauseTiming();
        p.Drucker.NewPage(); // keeps the document from growing into one huge page
        state.ResumeTiming();
    }
    blatt.Geraetemodus = false;
    p.Drucker.EndDoc();
    state.counters["Aufgaben"] = seite.ZeilenZahl * seite.SpaltenZahl;
}
BENCHMARK(LayoutUndZeichnen)->Unit(benchmark::kMillisecond);

void SeiteAlsPdf(benchmark::State& state)
{
    Programm p;
    TBlatt& blatt = p.Zeichnen.Blatt();
    for (auto _ : state) {
        blatt.DruckBeginnen();
        blatt.SeiteDrucken();
        blatt.DruckBeenden();
        benchmark::DoNotOptimize(p.Drucker.Dokument().size());
    }
    state.counters["Bytes"] = static_cast<double>(p.Drucker.Dokument().size());
}
BENCHMARK(SeiteAlsPdf)->Unit(benchmark::kMillisecond);

// The print dialog's run: Arg(0) different sheets, each with its solution sheet, new tasks
// between them, into one PDF in memory.
void DrucklaufMitLoesungen(benchmark::State& state)
{
    Programm p;
    const auto blaetter = static_cast<int>(state.range(0));
    for (auto _ : state) {
        p.Zeichnen.Print({.Blaetter = blaetter, .Loesungsblaetter = true});
        benchmark::DoNotOptimize(p.Drucker.Dokument().size());
    }
    state.counters["Seiten"] = 2.0 * blaetter;
    state.counters["Bytes"] = static_cast<double>(p.Drucker.Dokument().size());
}
BENCHMARK(DrucklaufMitLoesungen)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    const auto anwendung = KopflosStarten(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
