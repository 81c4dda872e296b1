#pragma once

#include "qt/QtLeinwand.h"
#include "toolkit/Drucker.h"

#include <QPainter>

#include <memory>
#include <string>

// The printer "PDF (A4)": every job becomes one PDF document in memory, on A4 portrait with
// the page layout and resolution Qt gives its PDF writer. It works on any machine, with or
// without a system printer, and is what the command line's --pdf writes.
class TPdfDrucker final : public TDokumentdrucker {
public:
    TPdfDrucker();
    ~TPdfDrucker() override;
    TPdfDrucker(const TPdfDrucker&) = delete;
    TPdfDrucker& operator=(const TPdfDrucker&) = delete;

    std::string Name() const override;
    int DpiX() const override;
    int DpiY() const override;
    int SeitePxBreite() const override;
    int SeitePxHoehe() const override;
    TLeinwand& Leinwand() override { return Flaeche; }

    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    // The PDF of the last completed job; empty before the first and while a job is open.
    const std::string& Dokument() const override { return DokumentBytes; }

private:
    struct TAuftrag;

    std::unique_ptr<TAuftrag> Auftrag; // the document being written, or the next one
    TQtLeinwand Flaeche;
    QPainter Maler;
    std::string DokumentBytes;
};
