// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/platform/QtLeinwand.h"
#include "toolkit/Drucker.h"
#include "toolkit/Papier.h"

#include <QPageLayout>
#include <QPainter>

#include <memory>
#include <optional>
#include <string>

// A printer whose jobs become PDF documents: "PDF (A4)", on A4 portrait (or A5 or Letter,
// either way up) with the margins and resolution Qt gives its PDF writer, works on any machine,
// with or without a system printer, and is what the command line's --pdf writes. The system
// printer draws its jobs through one on its queue's paper and resolution before it hands them
// to the print system. A job goes into its output as its pages are made, or, without one,
// into memory.
class TPdfDrucker final : public TDokumentdrucker {
public:
    // On the paper, named after it (Pdfdruckername).
    explicit TPdfDrucker(TPapier papier = {});
    // Pages on the paper, margins and orientation of seite at dpi pixels per inch, under name;
    // an invalid seite or a dpi of 0 leave Qt's own for its PDF writer.
    TPdfDrucker(std::string name, const QPageLayout& seite, int dpi);
    ~TPdfDrucker() override;
    TPdfDrucker(const TPdfDrucker&) = delete;
    TPdfDrucker& operator=(const TPdfDrucker&) = delete;

    std::string Name() const override { return NameFeld; }
    int DpiX() const override;
    int DpiY() const override;
    int SeitePxBreite() const override;
    int SeitePxHoehe() const override;
    TLeinwand& Leinwand() override { return Flaeche; }

    void BeginDoc() override;
    void NewPage() override;
    // After a job that failed in its output, raises that failure again.
    void EndDoc() override;
    // The PDF of the last completed job without an output; empty before the first, while a
    // job is open and after a job into an output.
    const std::string& Dokument() const override { return DokumentBytes; }
    void AusgabeSetzen(TDokumentausgabe ausgabe) override;

    // Paper and resolution for what is measured from now on and the next job. Raises
    // EZifferbogenFehler while a job is open.
    void Einrichten(const QPageLayout& seite, int dpi);
    // The paper the printer was made with or last given, or none when it prints on a page
    // layout of its own (Einrichten).
    std::optional<TPapier> Papier() const { return PapierFeld; }
    // Prints on the paper from now on, with Qt's margins and resolution for its PDF writer,
    // and takes its name after it. Raises EZifferbogenFehler while a job is open.
    void PapierSetzen(TPapier papier);
    // Ends an open job without completing it: nothing more goes into its output, which is
    // left incomplete. Nothing happens without an open job.
    void Abbrechen() noexcept;

private:
    struct TAuftrag;

    // A fresh writer for the next job, measuring on the page set up.
    void NeuerAuftrag();
    // Raises the error of an output that failed during the job, ending the job.
    void AusgabefehlerWerfen();

    std::string NameFeld;
    std::optional<TPapier> PapierFeld;
    QPageLayout Seite; // invalid: the paper's, with Qt's margins
    int Dpi = 0; // 0: Qt's own resolution for PDF
    TDokumentausgabe Ausgabe;
    std::unique_ptr<TAuftrag> Auftrag; // the document being written, or the next one
    TQtLeinwand Flaeche;
    QPainter Maler;
    std::string DokumentBytes;
};
