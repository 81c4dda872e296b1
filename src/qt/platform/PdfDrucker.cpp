// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/PdfDrucker.h"

#include "toolkit/Fehler.h"

#include <QIODevice>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>

#include <exception>
#include <string_view>
#include <utility>

namespace {

// The device Qt's PDF writer writes into: it hands every piece on to the job's output as it
// comes, or keeps it when there is none. An output's error must not pass through Qt's
// writer, so it is kept for the printer to raise, and the device refuses all that follows,
// since a document with a gap in it is no document.
class TAusgabegeraet final : public QIODevice {
public:
    explicit TAusgabegeraet(TDokumentausgabe ausgabe) : Ausgabe(std::move(ausgabe)) {}

    std::exception_ptr Fehler;
    bool Verworfen = false; // the job was given up: nothing more goes out
    std::string Gesammelt;  // the document, when there is no output

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 laenge) override
    {
        if (Fehler || Verworfen)
            return -1;
        try {
            const std::string_view stueck(daten, static_cast<std::size_t>(laenge));
            if (Ausgabe)
                Ausgabe(stueck);
            else
                Gesammelt.append(stueck);
        } catch (...) {
            Fehler = std::current_exception();
            return -1;
        }
        return laenge;
    }

private:
    TDokumentausgabe Ausgabe;
};

QPageSize::PageSizeId Seitengroesse(TPapierformat format)
{
    switch (format) {
    case TPapierformat::A4:
        return QPageSize::A4;
    case TPapierformat::A5:
        return QPageSize::A5;
    case TPapierformat::Letter:
        return QPageSize::Letter;
    }
    return QPageSize::A4;
}

} // namespace

// A device and its writer exist before the job, so the canvas can measure at the printer's
// resolution; each job writes into a fresh one, since a writer's document ends with its
// painter.
struct TPdfDrucker::TAuftrag {
    TAusgabegeraet Geraet;
    QPdfWriter Schreiber;

    TAuftrag(const QPageLayout& seite, TPapier papier, int dpi, TDokumentausgabe ausgabe)
        : Geraet(std::move(ausgabe)), Schreiber(&Geraet)
    {
        if (seite.isValid()) {
            Schreiber.setPageLayout(seite);
        } else {
            // Qt's own margins for its PDF writer, as "PDF (A4)" has always had them.
            Schreiber.setPageSize(QPageSize(Seitengroesse(papier.Format)));
            Schreiber.setPageOrientation(papier.Querformat ? QPageLayout::Landscape : QPageLayout::Portrait);
        }
        if (dpi > 0)
            Schreiber.setResolution(dpi);
        Schreiber.setTitle(QStringLiteral("Zifferbogen"));
        Schreiber.setCreator(QStringLiteral("Zifferbogen"));
    }
};

TPdfDrucker::TPdfDrucker(TPapier papier)
    : NameFeld(Pdfdruckername(papier)), PapierFeld(papier),
      Auftrag(std::make_unique<TAuftrag>(QPageLayout(), papier, 0, nullptr)), Flaeche(Auftrag->Schreiber)
{}

TPdfDrucker::TPdfDrucker(std::string name, const QPageLayout& seite, int dpi)
    : NameFeld(std::move(name)), Seite(seite), Dpi(dpi),
      Auftrag(std::make_unique<TAuftrag>(Seite, TPapier{}, Dpi, nullptr)), Flaeche(Auftrag->Schreiber)
{}

TPdfDrucker::~TPdfDrucker()
{
    Abbrechen();
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

void TPdfDrucker::NeuerAuftrag()
{
    auto neu = std::make_unique<TAuftrag>(Seite, PapierFeld.value_or(TPapier{}), Dpi, Ausgabe);
    Flaeche.GeraetSetzen(neu->Schreiber);
    Auftrag = std::move(neu);
}

void TPdfDrucker::AusgabeSetzen(TDokumentausgabe ausgabe)
{
    Ausgabe = std::move(ausgabe);
}

void TPdfDrucker::Einrichten(const QPageLayout& seite, int dpi)
{
    if (Maler.isActive())
        throw EZifferbogenFehler("Der Drucker „" + NameFeld
                                 + "“ kann während eines Druckauftrags nicht eingerichtet werden.");
    Seite = seite;
    Dpi = dpi;
    PapierFeld.reset();
    NeuerAuftrag();
}

void TPdfDrucker::PapierSetzen(TPapier papier)
{
    if (Maler.isActive())
        throw EZifferbogenFehler("Der Drucker „" + NameFeld
                                 + "“ kann während eines Druckauftrags nicht eingerichtet werden.");
    Seite = QPageLayout();
    Dpi = 0;
    PapierFeld = papier;
    NameFeld = Pdfdruckername(papier);
    NeuerAuftrag();
}

void TPdfDrucker::BeginDoc()
{
    if (Maler.isActive())
        throw EZifferbogenFehler(
            "Der PDF-Druck ist schon begonnen; ein neuer Auftrag kann erst nach dem Ende des laufenden beginnen.");
    // Every job gets a fresh writer on its own output; one that was used belongs to an
    // earlier job, successful or not.
    NeuerAuftrag();
    DokumentBytes.clear();
    // The writer writes into a device it is given only when that is open already.
    if (!Auftrag->Geraet.open(QIODevice::WriteOnly) || !Maler.begin(&Auftrag->Schreiber))
        throw EZifferbogenFehler("Der PDF-Druck kann nicht beginnen: Qt nimmt das Dokument nicht an.");
    Flaeche.MalerAnhaengen(Maler);
    AusgabefehlerWerfen();
}

void TPdfDrucker::NewPage()
{
    if (!Maler.isActive())
        throw EZifferbogenFehler("Eine neue PDF-Seite gibt es nur in einem begonnenen Druckauftrag.");
    // The finished page goes into the output here.
    const bool neu = Auftrag->Schreiber.newPage();
    AusgabefehlerWerfen();
    if (!neu)
        throw EZifferbogenFehler("Der PDF-Druck kann keine neue Seite beginnen.");
}

void TPdfDrucker::EndDoc()
{
    // A print run ends its job also after a page failed; the job's error is the one to tell.
    if (!Maler.isActive() && Auftrag->Geraet.Fehler)
        std::rethrow_exception(Auftrag->Geraet.Fehler);
    if (!Maler.isActive())
        throw EZifferbogenFehler("Der PDF-Druck kann nicht enden, weil er nicht begonnen ist.");
    Flaeche.Abhaengen();
    const bool beendet = Maler.end();
    AusgabefehlerWerfen();
    if (!beendet)
        throw EZifferbogenFehler("Der PDF-Druck konnte das Dokument nicht abschließen.");
    DokumentBytes = std::move(Auftrag->Geraet.Gesammelt);
    Auftrag->Geraet.Gesammelt.clear();
}

void TPdfDrucker::Abbrechen() noexcept
{
    // The painter must let go of the writer before the writer goes. The rest of the document
    // it writes then is not wanted: the output may belong to a job its owner has given up.
    if (Maler.isActive()) {
        Auftrag->Geraet.Verworfen = true;
        Flaeche.Abhaengen();
        Maler.end();
    }
}

void TPdfDrucker::AusgabefehlerWerfen()
{
    if (!Auftrag->Geraet.Fehler)
        return;
    Abbrechen();
    std::rethrow_exception(Auftrag->Geraet.Fehler);
}
