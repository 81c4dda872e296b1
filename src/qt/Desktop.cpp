#include "qt/Desktop.h"

#include "app/Standarddatei.h"
#include "files/Dateizugriff.h"
#include "qt/Einstellungsfenster.h"
#include "qt/Fehlerbehandlung.h"
#include "qt/Hauptfenster.h"
#include "qt/PdfDrucker.h"
#include "qt/QtMeldungen.h"
#include "qt/Schriftdialog.h"
#include "sheet/UBlatt.h"
#include "toolkit/Zufall.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

#include <cerrno>
#include <exception>

namespace {

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

TFenstermodelle::TFenstermodelle(TZufall& zufall, TMeldungen& meldungen, TDrucker& drucker)
    : Zeichnen(zufall, meldungen), Einstellungen(zufall, meldungen, &Zeichnen), Drucken(Zeichnen),
      Ueberschrift(Zeichnen), EditAufgabe(meldungen)
{
    Zeichnen.Blatt().SetzeDrucker(&drucker);
    Zeichnen.Verbinden(&Einstellungen, &Ueberschrift);
    Drucken.SetzeDrucker({&drucker});
    Zeichnen.VerbindenDrucken(&Drucken);
    Zeichnen.VerbindeDialoge(&EditAufgabe, &Nummerierung);
    // The windows of these commands are not part of the desktop program yet; until they
    // are, the commands are not offered rather than doing nothing.
    for (TButton* befehl : {Zeichnen.BOeffnen, Zeichnen.BSpeichern, Zeichnen.BDrucken, Zeichnen.BKopieren})
        befehl->SetEnabled(false);
}

void ErsteDateiOeffnen(TZeichnen& zeichnen, const std::string& datei, TFehlerbehandlung& fehler, TMeldungen& meldungen)
{
    const std::string pfad = datei.empty() ? TStandarddatei::Lesepfad().string() : datei;
    if (pfad.empty())
        return;
    fehler.Ausfuehren([&] {
        const int grund = zeichnen.OpenFile(pfad);
        if (grund == 0 || (datei.empty() && grund == ENOENT))
            return;
        meldungen.Zeige("Fehler",
                        "Die Datei „" + pfad + "“ konnte nicht geöffnet werden (" + Fehlerursache(grund) + ").",
                        TMeldungsart::Fehler);
    });
}

TDesktop::TDesktop(TMeldungen& meldungen, std::optional<std::uint32_t> startwert)
    : Meldungen(meldungen), FehlerFeld(std::make_unique<TFehlerbehandlung>(meldungen)),
      Zufall(startwert ? std::make_unique<TMersenneZufall>(*startwert) : std::make_unique<TMersenneZufall>()),
      Drucker(std::make_unique<TPdfDrucker>()),
      ModelleFeld(std::make_unique<TFenstermodelle>(*Zufall, meldungen, *Drucker)),
      HauptfensterFeld(std::make_unique<THauptfenster>(ModelleFeld->Zeichnen, *FehlerFeld)),
      EinstellungsfensterFeld(std::make_unique<TEinstellungsfenster>(ModelleFeld->Einstellungen, *FehlerFeld)),
      Schriftdialog(std::make_unique<TQtSchriftdialog>(HauptfensterFeld.get()))
{
    TZeichnen& zeichnen = ModelleFeld->Zeichnen;
    zeichnen.SetzeSchriftdialog(Schriftdialog.get());
    zeichnen.FensterZeigen = [this] {
        HauptfensterFeld->show();
        HauptfensterFeld->raise();
        HauptfensterFeld->activateWindow();
    };
    zeichnen.EinstellungenZeigen = [this] {
        TEinstellungsfenster& fenster = *EinstellungsfensterFeld;
        if (!fenster.isVisible())
            fenster.move(HauptfensterFeld->geometry().center() - fenster.rect().center());
        fenster.show();
        fenster.raise();
        fenster.activateWindow();
    };
}

TDesktop::~TDesktop()
{
    // The models outlive nothing of the views: the hooks go before the windows do.
    TZeichnen& zeichnen = ModelleFeld->Zeichnen;
    zeichnen.FensterZeigen = nullptr;
    zeichnen.EinstellungenZeigen = nullptr;
    zeichnen.SetzeSchriftdialog(nullptr);
    EinstellungsfensterFeld.reset();
    HauptfensterFeld.reset();
}

void TDesktop::Starten(const std::string& datei)
{
    FehlerFeld->Ausfuehren([this] { ModelleFeld->Zeichnen.Zeigen(); });
    ErsteDateiOeffnen(ModelleFeld->Zeichnen, datei, *FehlerFeld, Meldungen);
}

int DesktopStarten(int argc, char* argv[], const std::string& datei)
{
    TAnwendung anwendung(argc, argv);
    TQtMeldungen meldungen;
    TDesktop desktop(meldungen);
    anwendung.SetzeFehlerbehandlung(&desktop.Fehler());
    desktop.Starten(datei);
    const int status = TAnwendung::exec();
    anwendung.SetzeFehlerbehandlung(nullptr);
    return status;
}
