// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/platform/PdfDrucker.h"
#include "toolkit/Drucker.h"

#include <QPageLayout>
#include <QPrinter>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPrinterInfo;
class QTemporaryFile;

// A printer of the system, reached through CUPS: one queue by its name, on the queue's
// default paper with the printable area the queue gives, at Qt's high resolution. A job is
// drawn into a PDF in a temporary file and goes to the queue as one document when it ends;
// the print run makes its copies itself, so the queue is asked for one copy. The job counts
// as printed only when CUPS has taken it: every request's answer is checked, since Qt's own
// print engine drops CUPS's refusal without a word.
class TSystemdrucker final : public TDrucker {
public:
    // The queue of this name. Raises EZifferbogenFehler when the system has no such printer.
    explicit TSystemdrucker(const std::string& name);
    ~TSystemdrucker() override;
    TSystemdrucker(const TSystemdrucker&) = delete;
    TSystemdrucker& operator=(const TSystemdrucker&) = delete;

    std::string Name() const override { return Warteschlange; }
    int DpiX() const override { return Pdf.DpiX(); }
    int DpiY() const override { return Pdf.DpiY(); }
    // The printable area of the queue's paper, without the margins the printer cannot reach.
    int SeitePxBreite() const override { return Pdf.SeitePxBreite(); }
    int SeitePxHoehe() const override { return Pdf.SeitePxHoehe(); }
    TLeinwand& Leinwand() override { return Pdf.Leinwand(); }

    // BeginDoc raises EZifferbogenFehler naming the printer when the queue is gone, refuses
    // jobs, CUPS cannot be reached or the job cannot be kept until it ends; NewPage when the
    // job cannot go on. EndDoc hands the job to the queue and raises EZifferbogenFehler naming
    // the printer and CUPS's reason when it is not taken: nothing is printed then.
    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;

    // Lets the printer-setup dialog change the Qt printer (paper, orientation, resolution);
    // the canvas measures on the changed printer afterwards. Raises EZifferbogenFehler while
    // a job is open, since a printer cannot change in the middle of one.
    void Einrichten(const std::function<void(QPrinter&)>& aendern);
    // The paper, orientation and margins the printer is set up with.
    QPageLayout Seitenlayout() const { return Drucker.pageLayout(); }

private:
    explicit TSystemdrucker(const QPrinterInfo& info);
    // Sends the completed PDF to the queue as one job.
    void Uebergeben(QTemporaryFile& datei);

    std::string Warteschlange;
    QPrinter Drucker; // the queue's paper, margins and resolution, as the setup dialog leaves them
    TPdfDrucker Pdf;
    std::unique_ptr<QTemporaryFile> Auftragsdatei; // the open job's document
    std::exception_ptr Abbruch;                    // why the open job cannot be completed
};

// The printers a user can choose from: the system's printers, its default printer first,
// and at the end the printer "PDF (A4)", which is always there, so that a machine without
// printers still prints. A printer that vanishes while the list is made is left out.
std::vector<std::unique_ptr<TDrucker>> InstallierteDrucker();
