#pragma once

#include "qt/QtLeinwand.h"
#include "toolkit/Drucker.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPrinterInfo;

// A printer of the system, reached through CUPS: one queue by its name, on the queue's
// default paper with the printable area the queue gives, at Qt's high resolution. A job goes
// to the queue as one document when it ends; the print run makes its copies itself, so the
// queue is asked for one copy.
class TSystemdrucker final : public TDrucker {
public:
    // The queue of this name. Raises EZifferbogenFehler when the system has no such printer.
    explicit TSystemdrucker(const std::string& name);
    ~TSystemdrucker() override;
    TSystemdrucker(const TSystemdrucker&) = delete;
    TSystemdrucker& operator=(const TSystemdrucker&) = delete;

    std::string Name() const override { return Warteschlange; }
    int DpiX() const override;
    int DpiY() const override;
    // The printable area of the queue's paper, without the margins the printer cannot reach.
    int SeitePxBreite() const override;
    int SeitePxHoehe() const override;
    TLeinwand& Leinwand() override { return Flaeche; }

    // BeginDoc raises EZifferbogenFehler naming the printer when the queue is gone or Qt
    // cannot open the job; NewPage and EndDoc when the job cannot go on or be completed.
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

    std::string Warteschlange;
    QPrinter Drucker;
    TQtLeinwand Flaeche;
    QPainter Maler;
};

// The printers a user can choose from: the system's printers, its default printer first,
// and at the end the printer "PDF (A4)", which is always there, so that a machine without
// printers still prints. A printer that vanishes while the list is made is left out.
std::vector<std::unique_ptr<TDrucker>> InstallierteDrucker();
