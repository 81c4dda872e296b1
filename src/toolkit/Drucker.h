// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

class TLeinwand;

// A printer as the sheet and the print run see it: its resolution, the printable area of its
// page and a canvas. The canvas measures text at any time and draws while a job is open.
class TDrucker {
public:
    virtual ~TDrucker() = default;

    virtual std::string Name() const = 0;
    // Pixels per inch.
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    // The printable area of a page in pixels.
    virtual int SeitePxBreite() const = 0;
    virtual int SeitePxHoehe() const = 0;
    virtual TLeinwand& Leinwand() = 0;

    // A print job: BeginDoc opens it on its first page, NewPage starts another page, EndDoc
    // completes it. Raise EZifferbogenFehler when the printer refuses.
    virtual void BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
};

// Takes the bytes of a document as they are made, in order; raises EZifferbogenFehler when
// it cannot keep them (a full disk).
using TDokumentausgabe = std::function<void(std::string_view bytes)>;

// A printer whose job ends in a document (the PDF output). Without an output, the job
// collects in memory and, after EndDoc, Dokument() holds the completed file's bytes, which
// the caller saves. With an output, the job's bytes go there as its pages are made, so that
// a long run does not hold its whole document in memory, and Dokument() stays empty; an
// output that fails ends the job: the next NewPage or EndDoc raises its error.
class TDokumentdrucker : public TDrucker {
public:
    virtual const std::string& Dokument() const = 0;
    // Applies from the next BeginDoc on; an empty output turns it off.
    virtual void AusgabeSetzen(TDokumentausgabe ausgabe) = 0;
};
