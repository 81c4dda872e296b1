#include "qt/PdfDrucker.h"

#include "toolkit/Fehler.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>

// A device and its writer exist before the job, so the canvas can measure at the printer's
// resolution; each job writes into a fresh one, since a writer's document ends with its
// painter.
struct TPdfDrucker::TAuftrag {
    QBuffer Puffer;
    QPdfWriter Schreiber;

    TAuftrag() : Schreiber(&Puffer)
    {
        Schreiber.setPageSize(QPageSize(QPageSize::A4));
        Schreiber.setPageOrientation(QPageLayout::Portrait);
        Schreiber.setTitle(QStringLiteral("Zifferbogen"));
        Schreiber.setCreator(QStringLiteral("Zifferbogen"));
    }
};

TPdfDrucker::TPdfDrucker() : Auftrag(std::make_unique<TAuftrag>()), Flaeche(Auftrag->Schreiber)
{}

TPdfDrucker::~TPdfDrucker()
{
    // The painter must let go of the writer before the writer goes.
    if (Maler.isActive()) {
        Flaeche.Abhaengen();
        Maler.end();
    }
}

std::string TPdfDrucker::Name() const
{
    return "PDF (A4)";
}

int TPdfDrucker::DpiX() const
{
    return Auftrag->Schreiber.logicalDpiX();
}

int TPdfDrucker::DpiY() const
{
    return Auftrag->Schreiber.logicalDpiY();
}

int TPdfDrucker::SeitePxBreite() const
{
    return Auftrag->Schreiber.width();
}

int TPdfDrucker::SeitePxHoehe() const
{
    return Auftrag->Schreiber.height();
}

void TPdfDrucker::BeginDoc()
{
    if (Maler.isActive())
        throw EZifferbogenFehler(
            "Der PDF-Druck ist schon begonnen; ein neuer Auftrag kann erst nach dem Ende des laufenden beginnen.");
    // A buffer that was opened belongs to an earlier job, successful or not.
    if (Auftrag->Puffer.isOpen() || Auftrag->Puffer.size() > 0) {
        auto neu = std::make_unique<TAuftrag>();
        Flaeche.GeraetSetzen(neu->Schreiber);
        Auftrag = std::move(neu);
    }
    DokumentBytes.clear();
    // The writer writes into a device it is given only when that is open already.
    if (!Auftrag->Puffer.open(QIODevice::WriteOnly) || !Maler.begin(&Auftrag->Schreiber))
        throw EZifferbogenFehler("Der PDF-Druck kann nicht beginnen: Qt nimmt das Dokument nicht an.");
    Flaeche.MalerAnhaengen(Maler);
}

void TPdfDrucker::NewPage()
{
    if (!Maler.isActive())
        throw EZifferbogenFehler("Eine neue PDF-Seite gibt es nur in einem begonnenen Druckauftrag.");
    if (!Auftrag->Schreiber.newPage())
        throw EZifferbogenFehler("Der PDF-Druck kann keine neue Seite beginnen.");
}

void TPdfDrucker::EndDoc()
{
    if (!Maler.isActive())
        throw EZifferbogenFehler("Der PDF-Druck kann nicht enden, weil er nicht begonnen ist.");
    Flaeche.Abhaengen();
    if (!Maler.end())
        throw EZifferbogenFehler("Der PDF-Druck konnte das Dokument nicht abschließen.");
    const QByteArray& daten = Auftrag->Puffer.data();
    DokumentBytes.assign(daten.constData(), static_cast<std::size_t>(daten.size()));
}
