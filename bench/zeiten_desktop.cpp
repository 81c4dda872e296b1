// SPDX-License-Identifier: GPL-3.0-or-later
// Times of the desktop program, as a user feels them: from a click on an option to the
// repainted page (an option of the settings window, which builds a new page, and one of the
// main window, which lays the page out anew), and from the start of the program to the first
// painted page. Prints the median of several runs in milliseconds. The start is timed in
// fresh processes (this program started again with --start), each from main() on.

#include "app/UZeichnen.h"
#include "qt/binding/Bindung.h"
#include "qt/views/Desktop.h"
#include "qt/views/Einstellungsfenster.h"
#include "qt/views/Hauptfenster.h"
#include "qt/binding/Malflaeche.h"
#include "toolkit/Meldungen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const auto Programmstart = std::chrono::steady_clock::now();

class TStumm final : public TMeldungen {
public:
    void Zeige(const std::string&, const std::string&, TMeldungsart) override {}
};

double Median(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

// Waits until the paint box has painted once more than gemalt says.
void WartenAufMalen(const int& gemalt, int vorher)
{
    while (gemalt == vorher)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double Klickzeit(QCheckBox& box, const int& gemalt)
{
    const int vorher = gemalt;
    QElapsedTimer uhr;
    uhr.start();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(7, box.height() / 2));
    WartenAufMalen(gemalt, vorher);
    return static_cast<double>(uhr.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    setenv("XDG_CONFIG_HOME", "/nonexistent-zifferbogen-zeiten", 1);
    const bool nurStart = argc > 1 && std::strcmp(argv[1], "--start") == 0;
    TAnwendung anwendung(argc, argv);
    TStumm meldungen;
    TDesktop desktop(meldungen, 1);
    int gemalt = 0;
    desktop.Hauptfenster().Malflaeche().Gemalt = [&] { ++gemalt; };
    desktop.Starten();
    WartenAufMalen(gemalt, 0);
    if (nurStart) {
        const std::chrono::duration<double, std::milli> dauer = std::chrono::steady_clock::now() - Programmstart;
        std::printf("%.3f\n", dauer.count());
        return 0;
    }

    constexpr int Laeufe = 21;
    std::vector<double> start;
    for (int i = 0; i < 7; ++i) {
        QProcess prozess;
        prozess.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start")});
        prozess.waitForFinished(60000);
        start.push_back(QString::fromUtf8(prozess.readAllStandardOutput()).trimmed().toDouble());
    }

    desktop.Modelle().Zeichnen().BHauptformular->Click();
    auto* einstellung = desktop.Einstellungsfenster().Bindung().Als<QCheckBox>("CBNullkommtvorMultDiv");
    std::vector<double> einstellungen;
    for (int i = 0; i < Laeufe; ++i)
        einstellungen.push_back(Klickzeit(*einstellung, gemalt));

    desktop.Modelle().Zeichnen().PCEigenschaften->SetActivePage(desktop.Modelle().Zeichnen().PCEigenschaften->Pages()[0]);
    auto* option = desktop.Hauptfenster().Bindung().Als<QCheckBox>("CBTrennlinien");
    std::vector<double> optionen;
    for (int i = 0; i < Laeufe; ++i)
        optionen.push_back(Klickzeit(*option, gemalt));

    std::printf("Start bis zur ersten gemalten Seite: Median %.1f ms (%zu Prozesse)\n", Median(start), start.size());
    std::printf("Klick im Einstellungsfenster bis zur neuen Seite: Median %.2f ms (%d Klicks)\n", Median(einstellungen),
                Laeufe);
    std::printf("Klick auf eine Option des Hauptfensters bis zur Seite: Median %.2f ms (%d Klicks)\n", Median(optionen),
                Laeufe);
    return 0;
}
