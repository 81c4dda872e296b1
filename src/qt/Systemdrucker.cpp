#include "qt/Systemdrucker.h"

#include "qt/PdfDrucker.h"
#include "toolkit/Fehler.h"

#include <QList>
#include <QPageSize>
#include <QPrinterInfo>
#include <QString>

#include <algorithm>

namespace {

QPrinterInfo Druckerinfo(const std::string& name)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
    if (info.isNull())
        throw EZifferbogenFehler("Den Drucker „" + name + "“ gibt es auf diesem Rechner nicht (mehr).");
    return info;
}

} // namespace

TSystemdrucker::TSystemdrucker(const std::string& name) : TSystemdrucker(Druckerinfo(name))
{}

TSystemdrucker::TSystemdrucker(const QPrinterInfo& info)
    : Warteschlange(info.printerName().toStdString()), Drucker(info, QPrinter::HighResolution), Flaeche(Drucker)
{
    // Without a print system Qt quietly turns the printer into a PDF file writer.
    if (Drucker.outputFormat() != QPrinter::NativeFormat)
        throw EZifferbogenFehler("Der Drucker „" + Warteschlange + "“ ist über das Drucksystem nicht erreichbar.");
    // Qt starts every printer on its own default paper; a teacher expects the paper the
    // printer is set up with. A queue that names none keeps Qt's.
    if (const QPageSize papier = info.defaultPageSize(); papier.isValid())
        Drucker.setPageSize(papier);
    Drucker.setDocName(QStringLiteral("Zifferbogen"));
    Drucker.setCreator(QStringLiteral("Zifferbogen"));
    Drucker.setCopyCount(1);
}

TSystemdrucker::~TSystemdrucker()
{
    // The painter must let go of the printer before the printer goes; what was drawn is
    // what the job holds, as after a print run that failed part-way.
    if (Maler.isActive()) {
        Flaeche.Abhaengen();
        Maler.end();
    }
}

int TSystemdrucker::DpiX() const
{
    return Drucker.logicalDpiX();
}

int TSystemdrucker::DpiY() const
{
    return Drucker.logicalDpiY();
}

int TSystemdrucker::SeitePxBreite() const
{
    return Drucker.width();
}

int TSystemdrucker::SeitePxHoehe() const
{
    return Drucker.height();
}

void TSystemdrucker::BeginDoc()
{
    if (Maler.isActive())
        throw EZifferbogenFehler("Auf dem Drucker „" + Warteschlange
                                 + "“ läuft schon ein Druckauftrag; ein neuer kann erst nach dessen Ende beginnen.");
    // A queue removed since the list was made would swallow the job without a word.
    Druckerinfo(Warteschlange);
    if (!Maler.begin(&Drucker))
        throw EZifferbogenFehler("Der Drucker „" + Warteschlange + "“ nimmt den Druckauftrag nicht an.");
    Flaeche.MalerAnhaengen(Maler);
}

void TSystemdrucker::NewPage()
{
    if (!Maler.isActive())
        throw EZifferbogenFehler("Eine neue Seite gibt es auf dem Drucker „" + Warteschlange
                                 + "“ nur in einem begonnenen Druckauftrag.");
    if (!Drucker.newPage())
        throw EZifferbogenFehler("Der Drucker „" + Warteschlange + "“ kann keine neue Seite beginnen.");
}

void TSystemdrucker::EndDoc()
{
    if (!Maler.isActive())
        throw EZifferbogenFehler("Der Druckauftrag auf dem Drucker „" + Warteschlange
                                 + "“ kann nicht enden, weil er nicht begonnen ist.");
    Flaeche.Abhaengen();
    if (!Maler.end() || Drucker.printerState() == QPrinter::Error)
        throw EZifferbogenFehler("Der Drucker „" + Warteschlange + "“ konnte den Druckauftrag nicht abschließen.");
}

void TSystemdrucker::Einrichten(const std::function<void(QPrinter&)>& aendern)
{
    if (Maler.isActive())
        throw EZifferbogenFehler("Der Drucker „" + Warteschlange
                                 + "“ kann während eines Druckauftrags nicht eingerichtet werden.");
    aendern(Drucker);
    // Text measured at the old resolution would lay the page out wrongly.
    Flaeche.GeraetSetzen(Drucker);
}

std::vector<std::unique_ptr<TDrucker>> InstallierteDrucker()
{
    QList<QPrinterInfo> system = QPrinterInfo::availablePrinters();
    const QString standard = QPrinterInfo::defaultPrinterName();
    std::stable_partition(system.begin(), system.end(),
                          [&](const QPrinterInfo& info) { return info.printerName() == standard; });

    std::vector<std::unique_ptr<TDrucker>> drucker;
    for (const QPrinterInfo& info : system) {
        try {
            drucker.push_back(std::make_unique<TSystemdrucker>(info.printerName().toStdString()));
        } catch (const EZifferbogenFehler&) {
            // Removed between the listing and now: it cannot be chosen anyway.
        }
    }
    drucker.push_back(std::make_unique<TPdfDrucker>());
    return drucker;
}
