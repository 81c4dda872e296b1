// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Desktop.h"

#include "app/Hilfe.h"
#include "app/Standarddatei.h"
#include "app/UDrucken.h"
#include "app/UVorschau.h"
#include "qt/platform/Dateitypanmeldung.h"
#include "qt/platform/Desktopdateien.h"
#include "qt/views/Druckdialog.h"
#include "qt/platform/Druckerdialog.h"
#include "qt/views/Einstellungsfenster.h"
#include "qt/views/Fensterort.h"
#include "qt/binding/Fehlerbehandlung.h"
#include "qt/views/Hauptfenster.h"
#include "qt/views/Hilfefenster.h"
#include "qt/views/Nebenfenster.h"
#include "qt/views/Vorschaufenster.h"
#include "qt/platform/PdfDrucker.h"
#include "qt/platform/QtAblage.h"
#include "qt/platform/QtDateidialog.h"
#include "qt/platform/QtMeldungen.h"
#include "qt/platform/QtZeitgeber.h"
#include "qt/platform/Schriftdialog.h"
#include "qt/platform/SvgBild.h"
#include "qt/platform/Systemdrucker.h"
#include "sheet/UBlatt.h"
#include "toolkit/Zufall.h"

#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

#include <exception>
#include <utility>

namespace {

const std::string Hauptfensterort = "Hauptfenster/Ort";
const std::string Einstellungsort = "Einstellungsfenster/Ort";

// Fusion with narrower tabs: the main window's ten tab pages fit its designed width.
class TStil final : public QProxyStyle {
public:
    TStil() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int pixelMetric(PixelMetric metrik, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metrik == PM_TabBarTabHSpace)
            return 12;
        return QProxyStyle::pixelMetric(metrik, option, widget);
    }
};

} // namespace

TAnwendung::TAnwendung(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zifferbogen"));
    // Lets the desktop match the windows to the program's desktop entry (its icon, its name).
    setDesktopFileName(QStringLiteral("de.zifferbogen.Zifferbogen"));
    // The window icon is the one the desktop entry names.
    QPixmap symbol;
    if (symbol.loadFromData(reinterpret_cast<const uchar*>(Programmsymbol.data()),
                            static_cast<uint>(Programmsymbol.size()), "SVG"))
        setWindowIcon(QIcon(symbol));
    setStyle(new TStil);
    // Arial's metrics (Liberation Sans) at 8 points: the controls the windows place at given
    // pixels hold their captions whatever the desktop's font is.
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPointSize(8);
    setFont(schrift);
    auto* deutsch = new QTranslator(this);
    if (deutsch->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(deutsch);
}

bool TAnwendung::notify(QObject* empfaenger, QEvent* ereignis)
{
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (...) {
        if (Fehler != nullptr)
            Fehler->Zeigen(std::current_exception());
        return false;
    }
}

TDesktop::TDesktop(TMeldungen& meldungen, std::optional<std::uint32_t> startwert, std::vector<std::string> argumente,
                   std::filesystem::path standarddatei, TDateitypanmeldung* anmeldung,
                   const std::filesystem::path& programm, std::vector<std::unique_ptr<TDrucker>> drucker,
                   TAblage* ablage)
    : Meldungen(meldungen), Ablage(ablage), FehlerFeld(std::make_unique<TFehlerbehandlung>(meldungen)),
      Zufall(startwert ? std::make_unique<TMersenneZufall>(*startwert) : std::make_unique<TMersenneZufall>()),
      Drucker(std::move(drucker)), Zwischenablage(std::make_unique<TQtZwischenablage>()),
      SplashZeitgeber(std::make_unique<TQtZeitgeber>()),
      ProgrammFeld(std::make_unique<TProgramm>(*Zufall, meldungen, *SplashZeitgeber, std::move(argumente),
                                               std::move(standarddatei), anmeldung, programm)),
      HauptfensterFeld(std::make_unique<THauptfenster>(ProgrammFeld->Zeichnen(), *FehlerFeld)),
      EinstellungsfensterFeld(std::make_unique<TEinstellungsfenster>(ProgrammFeld->Einstellungen(), *FehlerFeld)),
      DruckdialogFeld(std::make_unique<TDruckdialog>(ProgrammFeld->Drucken(), *FehlerFeld, HauptfensterFeld.get())),
      VorschaufensterFeld(
          std::make_unique<TVorschaufenster>(ProgrammFeld->Vorschau(), *FehlerFeld, DruckdialogFeld.get())),
      Schriftdialog(std::make_unique<TQtSchriftdialog>(HauptfensterFeld.get())),
      Dateidialog(std::make_unique<TQtDateidialog>(HauptfensterFeld.get())),
      Druckerdialog(std::make_unique<TQtDruckerdialog>(DruckdialogFeld.get())),
      Pdfdialog(std::make_unique<TQtDateidialog>(DruckdialogFeld.get()))
{
    if (Drucker.empty())
        Drucker.push_back(std::make_unique<TPdfDrucker>());
    std::vector<TDrucker*> auswahl;
    for (const auto& d : Drucker)
        auswahl.push_back(d.get());
    // The sheet measures on the printer in use, so the page on screen is laid out exactly as
    // it prints.
    TZeichnen& zeichnen = ProgrammFeld->Zeichnen();
    TFDrucken& drucken = ProgrammFeld->Drucken();
    zeichnen.Blatt().SetzeDrucker(auswahl.front());
    drucken.SetzeDrucker(std::move(auswahl));
    drucken.SetzeDruckerdialog(Druckerdialog.get());
    drucken.SetzeDateidialog(Pdfdialog.get());
    zeichnen.Blatt().SetzeZwischenablage(Zwischenablage.get());

    // The views of the windows the models open.
    Ansichten.Eintragen(zeichnen, [this] {
        HauptfensterFeld->show();
        HauptfensterFeld->raise();
        HauptfensterFeld->activateWindow();
    });
    Ansichten.Eintragen(ProgrammFeld->Einstellungen(), [this] {
        TEinstellungsfenster& fenster = *EinstellungsfensterFeld;
        if (!fenster.isVisible() && !EinstellungsortFest)
            fenster.move(HauptfensterFeld->geometry().center() - fenster.rect().center());
        EinstellungsortFest = Ablage != nullptr;
        fenster.show();
        fenster.raise();
        fenster.activateWindow();
    });
    Ansichten.Eintragen(*DruckdialogFeld);
    Ansichten.Eintragen(*VorschaufensterFeld);
    NebenfensterFeld = std::make_unique<TNebenfenster>(*ProgrammFeld, *HauptfensterFeld, *FehlerFeld, Ansichten);
    // Each command's changes of the page are one undo step; whatever it changed (the task
    // settings too) shows in the title bar at once.
    FehlerFeld->Vorher = [&zeichnen] { zeichnen.BefehlAnfang(); };
    FehlerFeld->Nachher = [&zeichnen] { zeichnen.BefehlEnde(); };
    // The manual of the program that runs: in a build tree the build's, installed the package's.
    HilfefensterFeld = std::make_unique<THilfefenster>(Handbuchdatei(TStandarddatei::Programmverzeichnis()));
    HilfefensterFeld->Anmelden(*HauptfensterFeld, [] { return std::string(HilfeStart); });
    HilfefensterFeld->Anmelden(*EinstellungsfensterFeld, [this] { return Hilfeanker(ProgrammFeld->Einstellungen()); });
    HauptfensterFeld->HilfeZeigen = [this] { HilfefensterFeld->Zeigen(HilfeStart); };
    ProgrammFeld->Oberflaeche() = {.Anzeige = &Ansichten,
                                   .Schriftdialog = Schriftdialog.get(),
                                   .Dateidialog = Dateidialog.get()};

    if (Ablage != nullptr) {
        zeichnen.Orte.Verbinden(Ablage);
        zeichnen.Orte.ZoomHerstellen(*zeichnen.ZoomBox);
        FensterortHerstellen(*HauptfensterFeld, *Ablage, Hauptfensterort);
        EinstellungsortFest = FensterortHerstellen(*EinstellungsfensterFeld, *Ablage, Einstellungsort);
    }
}

TDesktop::~TDesktop()
{
    // The models outlive nothing of the views: the platform goes before the windows do.
    ProgrammFeld->Oberflaeche() = {};
    FehlerFeld->Vorher = nullptr;
    FehlerFeld->Nachher = nullptr;
    TZeichnen& zeichnen = ProgrammFeld->Zeichnen();
    TFDrucken& drucken = ProgrammFeld->Drucken();
    if (Ablage != nullptr) {
        FensterortMerken(*HauptfensterFeld, *Ablage, Hauptfensterort);
        if (EinstellungsortFest)
            FensterortMerken(*EinstellungsfensterFeld, *Ablage, Einstellungsort);
        zeichnen.Orte.ZoomMerken(*zeichnen.ZoomBox);
        zeichnen.Orte.Verbinden(nullptr);
    }
    zeichnen.Blatt().SetzeZwischenablage(nullptr);
    drucken.SetzeDruckerdialog(nullptr);
    drucken.SetzeDateidialog(nullptr);
    HilfefensterFeld.reset();
    Pdfdialog.reset();
    Druckerdialog.reset();
    VorschaufensterFeld.reset();
    DruckdialogFeld.reset();
    NebenfensterFeld.reset();
    EinstellungsfensterFeld.reset();
    HauptfensterFeld.reset();
}

void TDesktop::Starten()
{
    FehlerFeld->Ausfuehren([this] { ProgrammFeld->Zeichnen().Zeigen(); });
}

int DesktopStarten(int argc, char* argv[], const std::vector<std::string>& argumente)
{
    TAnwendung anwendung(argc, argv);
    TQtMeldungen meldungen;
    // Every start registers the worksheet type for the program started last.
    TXdgDateitypanmeldung anmeldung;
    TQtAblage ablage;
    TDesktop desktop(meldungen, std::nullopt, argumente, TStandarddatei::Lesepfad(), &anmeldung,
                     TAnwendung::applicationFilePath().toStdString(), InstallierteDrucker(), &ablage);
    anwendung.SetzeFehlerbehandlung(&desktop.Fehler());
    desktop.Starten();
    const int status = TAnwendung::exec();
    anwendung.SetzeFehlerbehandlung(nullptr);
    return status;
}
