// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/Systemdrucker.h"

#include "toolkit/Fehler.h"

#include <QDir>
#include <QList>
#include <QPageSize>
#include <QPrinterInfo>
#include <QString>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <utility>

namespace {

std::string GibtEsNicht(const std::string& name)
{
    return "Den Drucker „" + name + "“ gibt es auf diesem Rechner nicht (mehr).";
}

QPrinterInfo Druckerinfo(const std::string& name)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
    if (info.isNull())
        throw EZifferbogenFehler(GibtEsNicht(name));
    return info;
}

// What the print system says about a queue now.
struct TLage {
    enum { Bereit, Weg, Abweisend, Unerreichbar } Art;
    std::string Grund; // CUPS's words for it, if it gives any
};

// CUPS's words without the full stop, which the message puts after the bracket.
std::string Text(const char* text)
{
    std::string ohne = text != nullptr ? text : "";
    while (!ohne.empty() && (ohne.back() == '.' || ohne.back() == ' '))
        ohne.pop_back();
    return ohne;
}

// The queue of a printer's name: an instance of it ("Klasse/doppelseitig") is a set of options
// on the queue, and CUPS takes requests and jobs only for the queue itself.
std::string Warteschlangenname(const std::string& name)
{
    return name.substr(0, name.find('/'));
}

TLage Erfragen(const std::string& name)
{
    const std::string warteschlange = Warteschlangenname(name);
    std::array<char, HTTP_MAX_URI> adresse{};
    httpAssembleURIf(HTTP_URI_CODING_ALL, adresse.data(), static_cast<int>(adresse.size()), "ipp", nullptr, "localhost",
                     ippPort(), "/printers/%s", warteschlange.c_str());
    ipp_t* anfrage = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, adresse.data());
    static const char* const gefragt[] = {"printer-is-accepting-jobs", "printer-state-message"};
    ippAddStrings(anfrage, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, gefragt);
    // No answer at all: the server cannot be reached.
    const std::unique_ptr<ipp_t, decltype(&ippDelete)> antwort(cupsDoRequest(CUPS_HTTP_DEFAULT, anfrage, "/"),
                                                               &ippDelete);
    if (!antwort)
        return {TLage::Unerreichbar, Text(cupsLastErrorString())};
    if (ippGetStatusCode(antwort.get()) == IPP_STATUS_ERROR_NOT_FOUND)
        return {TLage::Weg, Text(cupsLastErrorString())};
    // Any other refusal to answer is left to the job, which CUPS then answers itself.
    ipp_attribute_t* annehmend = ippFindAttribute(antwort.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (annehmend == nullptr || ippGetBoolean(annehmend, 0) != 0)
        return {TLage::Bereit, {}};
    ipp_attribute_t* grund = ippFindAttribute(antwort.get(), "printer-state-message", IPP_TAG_TEXT);
    return {TLage::Abweisend, Text(grund != nullptr ? ippGetString(grund, 0, nullptr) : nullptr)};
}

std::string Meldung(const std::string& name, const TLage& lage)
{
    std::string meldung;
    switch (lage.Art) {
    case TLage::Abweisend:
        meldung = "Der Drucker „" + name + "“ nimmt zurzeit keine Druckaufträge an";
        break;
    case TLage::Weg:
        meldung = "Den Drucker „" + name + "“ gibt es auf diesem Rechner nicht mehr";
        break;
    case TLage::Unerreichbar:
        meldung =
            "Das Drucksystem (CUPS) ist nicht erreichbar; der Drucker „" + name + "“ bekommt den Druckauftrag nicht";
        break;
    case TLage::Bereit:
        meldung = "Der Drucker „" + name + "“ hat den Druckauftrag nicht angenommen";
        break;
    }
    if (!lage.Grund.empty())
        meldung += " (CUPS: " + lage.Grund + ")";
    return meldung + ". Es wurde nichts gedruckt.";
}

// The message of a job CUPS did not take, from its answer to the last request, which the
// next request overwrites. libcups gives one and the same answer for a queue that was removed
// and a server that stopped, so the queue's state is asked for then, and CUPS's words for it
// are kept where they say more.
EZifferbogenFehler Abgelehnt(const std::string& name)
{
    const ipp_status_t status = cupsLastError();
    const std::string grund = Text(cupsLastErrorString());
    if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
        return EZifferbogenFehler(Meldung(name, {TLage::Abweisend, grund}));
    TLage lage = Erfragen(name);
    if (lage.Art == TLage::Bereit || lage.Grund.empty())
        lage.Grund = grund;
    return EZifferbogenFehler(Meldung(name, lage));
}

// Asks CUPS whether the queue is there and takes jobs, so that a run that cannot print is
// refused before it runs, not after.
void Pruefen(const std::string& name)
{
    const TLage lage = Erfragen(name);
    if (lage.Art == TLage::Weg)
        throw EZifferbogenFehler(GibtEsNicht(name));
    if (lage.Art != TLage::Bereit)
        throw EZifferbogenFehler(Meldung(name, lage));
}

// The options of a job for the queue: the paper and orientation the pages were drawn on,
// as Qt's print engine gives them.
class TAuftragsoptionen final {
public:
    explicit TAuftragsoptionen(const QPageLayout& seite)
    {
        Anzahl = cupsAddOption("media", seite.pageSize().key().toUtf8().constData(), Anzahl, &Optionen);
        if (seite.orientation() == QPageLayout::Landscape)
            Anzahl = cupsAddOption("landscape", "", Anzahl, &Optionen);
    }
    ~TAuftragsoptionen() { cupsFreeOptions(Anzahl, Optionen); }
    TAuftragsoptionen(const TAuftragsoptionen&) = delete;
    TAuftragsoptionen& operator=(const TAuftragsoptionen&) = delete;

    int Anzahl = 0;
    cups_option_t* Optionen = nullptr;
};

} // namespace

TSystemdrucker::TSystemdrucker(const std::string& name) : TSystemdrucker(Druckerinfo(name))
{}

TSystemdrucker::TSystemdrucker(const QPrinterInfo& info)
    : Warteschlange(info.printerName().toStdString()), Drucker(info, QPrinter::HighResolution),
      Pdf(Warteschlange, QPageLayout(), 0)
{
    // Without a print system Qt quietly turns the printer into a PDF file writer.
    if (Drucker.outputFormat() != QPrinter::NativeFormat)
        throw EZifferbogenFehler("Der Drucker „" + Warteschlange + "“ ist über das Drucksystem nicht erreichbar.");
    // Qt starts every printer on its own default paper; a teacher expects the paper the
    // printer is set up with. A queue that names none keeps Qt's.
    if (const QPageSize papier = info.defaultPageSize(); papier.isValid())
        Drucker.setPageSize(papier);
    Drucker.setCopyCount(1);
    Pdf.Einrichten(Drucker.pageLayout(), Drucker.resolution());
}

// The temporary file goes with the job; what was drawn of an unfinished job is not printed.
TSystemdrucker::~TSystemdrucker() = default;

void TSystemdrucker::BeginDoc()
{
    if (Auftragsdatei)
        throw EZifferbogenFehler("Auf dem Drucker „" + Warteschlange
                                 + "“ läuft schon ein Druckauftrag; ein neuer kann erst nach dessen Ende beginnen.");
    Pruefen(Warteschlange);
    auto datei = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/zifferbogen-XXXXXX.pdf"));
    if (!datei->open())
        throw EZifferbogenFehler("Der Druckauftrag für den Drucker „" + Warteschlange
                                 + "“ kann nicht zwischengespeichert werden (" + datei->errorString().toStdString()
                                 + ").");
    QTemporaryFile* ziel = datei.get();
    Pdf.AusgabeSetzen([this, ziel](std::string_view bytes) {
        if (ziel->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            throw EZifferbogenFehler("Der Druckauftrag für den Drucker „" + Warteschlange
                                     + "“ kann nicht zwischengespeichert werden (" + ziel->errorString().toStdString()
                                     + "). Es wurde nichts gedruckt.");
    });
    Pdf.BeginDoc();
    Auftragsdatei = std::move(datei);
    Abbruch = nullptr;
}

void TSystemdrucker::NewPage()
{
    if (!Auftragsdatei)
        throw EZifferbogenFehler("Eine neue Seite gibt es auf dem Drucker „" + Warteschlange
                                 + "“ nur in einem begonnenen Druckauftrag.");
    try {
        Pdf.NewPage();
    } catch (...) {
        // The run ends its job after this; it ends with the same error.
        Abbruch = std::current_exception();
        throw;
    }
}

void TSystemdrucker::EndDoc()
{
    if (!Auftragsdatei)
        throw EZifferbogenFehler("Der Druckauftrag auf dem Drucker „" + Warteschlange
                                 + "“ kann nicht enden, weil er nicht begonnen ist.");
    const std::unique_ptr<QTemporaryFile> datei = std::move(Auftragsdatei);
    if (Abbruch) {
        Pdf.Abbrechen();
        std::rethrow_exception(std::exchange(Abbruch, nullptr));
    }
    Pdf.EndDoc();
    Uebergeben(*datei);
}

void TSystemdrucker::Uebergeben(QTemporaryFile& datei)
{
    if (!datei.flush() || !datei.seek(0))
        throw EZifferbogenFehler("Der Druckauftrag für den Drucker „" + Warteschlange
                                 + "“ kann nicht zwischengespeichert werden (" + datei.errorString().toStdString()
                                 + "). Es wurde nichts gedruckt.");
    const std::string warteschlange = Warteschlangenname(Warteschlange);
    const char* name = warteschlange.c_str();
    const TAuftragsoptionen optionen(Drucker.pageLayout());
    const int auftrag = cupsCreateJob(CUPS_HTTP_DEFAULT, name, "Zifferbogen", optionen.Anzahl, optionen.Optionen);
    if (auftrag == 0)
        throw Abgelehnt(Warteschlange);
    // A job CUPS has begun but not received whole is taken back, so that no half of it prints.
    const auto zuruecknehmen = [&] {
        EZifferbogenFehler fehler = Abgelehnt(Warteschlange);
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name, auftrag, 0);
        return fehler;
    };
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, name, auftrag, "Zifferbogen", CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE)
        throw zuruecknehmen();
    std::array<char, 64 * 1024> puffer{};
    qint64 gelesen = 0;
    while ((gelesen = datei.read(puffer.data(), puffer.size())) > 0) {
        // A refusal here shows in the answer to the finished document.
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, puffer.data(), static_cast<std::size_t>(gelesen))
            != HTTP_STATUS_CONTINUE)
            break;
    }
    if (gelesen < 0) {
        // Half a document must not print: the job goes before CUPS finishes it.
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name, auftrag, 0);
        throw EZifferbogenFehler("Der Druckauftrag für den Drucker „" + Warteschlange + "“ kann nicht gelesen werden ("
                                 + datei.errorString().toStdString() + "). Es wurde nichts gedruckt.");
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, name) > IPP_STATUS_OK_EVENTS_COMPLETE)
        throw zuruecknehmen();
}

void TSystemdrucker::Einrichten(const std::function<void(QPrinter&)>& aendern)
{
    if (Auftragsdatei)
        throw EZifferbogenFehler("Der Drucker „" + Warteschlange
                                 + "“ kann während eines Druckauftrags nicht eingerichtet werden.");
    aendern(Drucker);
    // Text measured at the old resolution would lay the page out wrongly.
    Pdf.Einrichten(Drucker.pageLayout(), Drucker.resolution());
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
