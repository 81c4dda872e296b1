#pragma once

#include <string>

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

// A printer whose job ends in a document in memory (the PDF output): after EndDoc,
// Dokument() holds the completed file's bytes, which the caller saves.
class TDokumentdrucker : public TDrucker {
public:
    virtual const std::string& Dokument() const = 0;
};
