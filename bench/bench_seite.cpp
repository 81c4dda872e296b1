// SPDX-License-Identifier: GPL-3.0-or-later
// The page of the default settings on Qt's PDF printer: one layout pass plus the drawing of
// the page (what a click on an option costs besides the pool build), the whole page as a
// PDF document, a teacher's print run of many different sheets into one PDF, and what undo
// costs a change.

#include "app/UZeichnen.h"
#include "files/LadenSpeichern.h"
#include "qt/platform/Kopflos.h"
#include "qt/platform/PdfDrucker.h"
#include "settings/Main.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Zufall.h"

#include <benchmark/benchmark.h>

#include <string>

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

// What undo adds to every change: a click on a layout value's arrow (layout pass plus the
// snapshot of the page as a worksheet file in memory), and one step back and forward again
// (reading the snapshot). Arg(0) rows of ten tasks, exactly as chosen.
void Programm300(Programm& p, int zeilen)
{
    p.Zeichnen.UDSpalten->SetPosition(10);
    p.Zeichnen.ESpalten->SetText("10");
    p.Zeichnen.UDZeilen->SetPosition(zeilen);
    p.Zeichnen.EZeilen->SetText(std::to_string(zeilen));
    p.Zeichnen.RBGenauFestlegen->SetChecked(true);
    p.Zeichnen.BNeueAufgabeClick();
}

void PfeilklickMitSchnappschuss(benchmark::State& state)
{
    Programm p;
    Programm300(p, static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state)
        p.Zeichnen.RandUDCLick(8, (i++ / 20) % 2 == 0);
    state.counters["Aufgaben"] = p.Zeichnen.Seite()->ZeilenZahl * p.Zeichnen.Seite()->SpaltenZahl;
}
BENCHMARK(PfeilklickMitSchnappschuss)->Arg(30)->Unit(benchmark::kMillisecond);

void RueckgaengigUndWiederherstellen(benchmark::State& state)
{
    Programm p;
    Programm300(p, static_cast<int>(state.range(0)));
    p.Zeichnen.RandUDCLick(8, true);
    for (auto _ : state) {
        p.Zeichnen.Rueckgaengig();
        p.Zeichnen.Wiederherstellen();
    }
    TLoadSave strom;
    strom.OpenWriteMemory();
    p.Zeichnen.Speichern(strom);
    state.counters["Bytes"] = static_cast<double>(strom.Bytes().size());
}
BENCHMARK(RueckgaengigUndWiederherstellen)->Arg(30)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    const auto anwendung = KopflosStarten(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
