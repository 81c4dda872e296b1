// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test doubles of the drawing surfaces: a canvas with fixed metrics that records what is
// drawn, a printer, a clipboard and the command line's output devices built on it. Layout and drawing tests give the same
// answer on every machine with them.

#include "toolkit/Ausgabegeraete.h"
#include "toolkit/Drucker.h"
#include "toolkit/Fehler.h"
#include "toolkit/Leinwand.h"
#include "toolkit/Zwischenablage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One drawing operation as the canvas received it.
struct TZeichenbefehl {
    enum class TArt { Text, Linie, Fuellen, Beschneiden, BeschneidenAufheben };
    TArt Art = TArt::Text;
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; // text: X1, Y1; line: from (X1, Y1) to (X2, Y2)
    std::string Text;                   // text only
    TSchrift Schrift;                   // text: the font, with the colour in force
    std::int32_t Farbe = 0;             // line: pen colour; fill: fill colour
    int Breite = 0;                     // line: pen width
};

// Metrics: every character (UTF-8 code point) is half as wide as the font size, and every
// text is as high as the font size, in points converted at PxProPunkt pixels per point.
class TAufzeichnungsleinwand final : public TLeinwand {
public:
    explicit TAufzeichnungsleinwand(double pxProPunkt = 1.0) : PxProPunkt(pxProPunkt) {}

    void SetzeSchrift(const TSchrift& schrift) override { Schrift = schrift; }
    void SetzeSchriftfarbe(std::int32_t farbe) override { Schrift.Farbe = farbe; }
    std::int32_t Schriftfarbe() const override { return Schrift.Farbe; }
    void TextAus(int x, int y, std::string_view text) override
    {
        TZeichenbefehl b;
        b.Art = TZeichenbefehl::TArt::Text;
        b.X1 = x;
        b.Y1 = y;
        b.Text = std::string(text);
        b.Schrift = Schrift;
        Befehle.push_back(std::move(b));
    }
    double Textbreite(std::string_view text) override
    {
        return static_cast<double>(Zeichen(text)) * 0.5 * Schrift.Groesse * PxProPunkt;
    }
    double Texthoehe(std::string_view) override { return Schrift.Groesse * PxProPunkt; }
    void SetzeStift(std::int32_t farbe, int breite) override
    {
        StiftFarbe = farbe;
        StiftBreite = breite;
    }
    void BewegeZu(int x, int y) override
    {
        PunktX = x;
        PunktY = y;
    }
    void LinieZu(int x, int y) override
    {
        TZeichenbefehl b;
        b.Art = TZeichenbefehl::TArt::Linie;
        b.X1 = PunktX;
        b.Y1 = PunktY;
        b.X2 = x;
        b.Y2 = y;
        b.Farbe = StiftFarbe;
        b.Breite = StiftBreite;
        Befehle.push_back(std::move(b));
        PunktX = x;
        PunktY = y;
    }
    void Fuellen(int links, int oben, int rechts, int unten, std::int32_t farbe) override
    {
        Befehle.push_back({TZeichenbefehl::TArt::Fuellen, links, oben, rechts, unten, {}, {}, farbe, 0});
    }
    void Beschneiden(int links, int oben, int rechts, int unten) override
    {
        Befehle.push_back({TZeichenbefehl::TArt::Beschneiden, links, oben, rechts, unten, {}, {}, 0, 0});
    }
    void BeschneidenAufheben() override
    {
        TZeichenbefehl b;
        b.Art = TZeichenbefehl::TArt::BeschneidenAufheben;
        Befehle.push_back(std::move(b));
    }

    // The texts drawn, in order.
    std::vector<std::string> Texte() const
    {
        std::vector<std::string> texte;
        for (const auto& b : Befehle) {
            if (b.Art == TZeichenbefehl::TArt::Text)
                texte.push_back(b.Text);
        }
        return texte;
    }
    // The text operations with exactly this text.
    std::vector<TZeichenbefehl> TexteMit(std::string_view text) const
    {
        std::vector<TZeichenbefehl> treffer;
        for (const auto& b : Befehle) {
            if (b.Art == TZeichenbefehl::TArt::Text && b.Text == text)
                treffer.push_back(b);
        }
        return treffer;
    }
    std::vector<TZeichenbefehl> Linien() const
    {
        std::vector<TZeichenbefehl> linien;
        for (const auto& b : Befehle) {
            if (b.Art == TZeichenbefehl::TArt::Linie)
                linien.push_back(b);
        }
        return linien;
    }

    static std::size_t Zeichen(std::string_view text)
    {
        std::size_t n = 0;
        for (const char c : text) {
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                ++n;
        }
        return n;
    }

    double PxProPunkt;
    TSchrift Schrift;
    std::int32_t StiftFarbe = 0;
    int StiftBreite = 1;
    int PunktX = 0;
    int PunktY = 0;
    std::vector<TZeichenbefehl> Befehle;
};

// A printer with a recording canvas; every page keeps the operations drawn on it. Its canvas
// measures at the printer's resolution (a 12-point text is 12 · dpi / 72 pixels high).
class TAufzeichnungsdrucker final : public TDokumentdrucker {
public:
    // A4 portrait at 600 dpi with a printable area of 19.99 × 28.7 cm by default.
    explicit TAufzeichnungsdrucker(int dpi = 600, int breitePx = 4722, int hoehePx = 6780)
        : Dpi(dpi), BreitePx(breitePx), HoehePx(hoehePx), Flaeche(dpi / 72.0)
    {}

    std::string Name() const override { return "Aufzeichnung"; }
    int DpiX() const override { return Dpi; }
    int DpiY() const override { return Dpi; }
    int SeitePxBreite() const override { return BreitePx; }
    int SeitePxHoehe() const override { return HoehePx; }
    TLeinwand& Leinwand() override { return Flaeche; }
    void BeginDoc() override
    {
        Protokoll.push_back("BeginDoc");
        Flaeche.Befehle.clear();
        Offen = true;
    }
    void NewPage() override
    {
        Protokoll.push_back("NewPage");
        Seiten.push_back(std::move(Flaeche.Befehle));
        Flaeche.Befehle.clear();
    }
    void EndDoc() override
    {
        Protokoll.push_back("EndDoc");
        Seiten.push_back(std::move(Flaeche.Befehle));
        Flaeche.Befehle.clear();
        Offen = false;
        DokumentFeld = std::to_string(Seiten.size()) + " Seiten";
        if (Ausgabe) {
            Ausgabe(DokumentFeld);
            DokumentFeld.clear();
        }
    }
    // A stand-in for the document: the number of pages printed.
    const std::string& Dokument() const override { return DokumentFeld; }
    void AusgabeSetzen(TDokumentausgabe ausgabe) override { Ausgabe = std::move(ausgabe); }

    int Dpi;
    int BreitePx;
    int HoehePx;
    TAufzeichnungsleinwand Flaeche;
    bool Offen = false;
    std::vector<std::string> Protokoll;
    std::vector<std::vector<TZeichenbefehl>> Seiten; // completed pages
    std::string DokumentFeld;
    TDokumentausgabe Ausgabe;
};

// A printer whose pages go to paper, so there is no document to save: the recording printer
// inside. Verweigert makes it refuse the job as a printer that is gone does.
class TPapierdrucker final : public TDrucker {
public:
    std::string Name() const override { return "Klasse 3b"; }
    int DpiX() const override { return Innen.DpiX(); }
    int DpiY() const override { return Innen.DpiY(); }
    int SeitePxBreite() const override { return Innen.SeitePxBreite(); }
    int SeitePxHoehe() const override { return Innen.SeitePxHoehe(); }
    TLeinwand& Leinwand() override { return Innen.Leinwand(); }
    void BeginDoc() override
    {
        if (Verweigert)
            throw EZifferbogenFehler("Der Drucker „Klasse 3b“ nimmt den Druckauftrag nicht an.");
        Innen.BeginDoc();
    }
    void NewPage() override { Innen.NewPage(); }
    void EndDoc() override { Innen.EndDoc(); }

    TAufzeichnungsdrucker Innen;
    bool Verweigert = false;
};

// A picture on a recording canvas, and a clipboard that keeps the last picture put on it.
class TAufzeichnungsbild final : public TBild {
public:
    TAufzeichnungsbild(int breite, int hoehe, double pxProCm)
        : Breite(breite), Hoehe(hoehe), PxProCm(pxProCm), Flaeche(96.0 / 72.0)
    {}
    TLeinwand& Leinwand() override { return Flaeche; }
    void Abschliessen() override
    {
        Fertig = true;
        for (const auto& text : Flaeche.Texte())
            SvgFeld += "<text>" + text + "</text>";
    }
    // A stand-in for the SVG document: the texts drawn.
    const std::string& Svg() const override { return SvgFeld; }

    int Breite;
    int Hoehe;
    double PxProCm;
    bool Fertig = false;
    TAufzeichnungsleinwand Flaeche;
    std::string SvgFeld;
};

class TAufzeichnungsablage final : public TZwischenablage {
public:
    std::unique_ptr<TBild> NeuesBild(int breite, int hoehe, double pxProCm) override
    {
        return std::make_unique<TAufzeichnungsbild>(breite, hoehe, pxProCm);
    }
    void BildAblegen(std::unique_ptr<TBild> bild) override
    {
        Bild.reset(static_cast<TAufzeichnungsbild*>(bild.release()));
    }

    std::unique_ptr<TAufzeichnungsbild> Bild;
};

// The command line's output devices on recording doubles: the PDF printer is a recording
// printer (its document names its page count), the pictures are recording pictures.
class TAufzeichnungsgeraete final : public TAusgabegeraete {
public:
    std::unique_ptr<TDokumentdrucker> Pdfdrucker(TPapier) override { return std::make_unique<TAufzeichnungsdrucker>(); }
    std::unique_ptr<TBild> NeuesBild(int breite, int hoehe, double pxProCm) override
    {
        return std::make_unique<TAufzeichnungsbild>(breite, hoehe, pxProCm);
    }
};
