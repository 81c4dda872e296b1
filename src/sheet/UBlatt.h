// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sheet: the printable page of the current printer, measured in centimetres, and its
// three devices (the screen at a zoom, the printer, the clipboard picture).

#include "toolkit/Schrift.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TBild;
class TComboBox;
class TDrucker;
class TLeinwand;
class TPageControl;
class TPaintBox;
class TScrollBar;
class TZwischenablage;

// One entry of the zoom list.
struct TZoomfaktor final {
    static constexpr std::uint8_t Fest = 0;         // the fixed Faktor
    static constexpr std::uint8_t GanzeSeite = 1;   // fit the whole page
    static constexpr std::uint8_t Seitenbreite = 2; // fit the page width

    double Faktor = 1.0;
    std::uint8_t Art = Fest;
};

// The zoom that fits a page of blattBreite × blattHoehe cm, shown at proCm pixels a cm, into an
// area of breite × hoehe pixels with a border of rand pixels on each side: the whole page
// (art GanzeSeite), or its width beside a vertical scroll bar leiste pixels wide. Reckoned in
// pixels, since the border in cm changes with the zoom being sought. 1 where nothing fits (a
// view of no size yet, a page of no size).
double EingepassterZoom(std::uint8_t art, double breite, double hoehe, double rand, double leiste, double proCm,
                        double blattBreite, double blattHoehe);

// Page coordinates are centimetres from the upper left corner of the printer's printable
// area, x to the right and y downwards. The page model works only in them; TBlatt converts to
// device pixels, measures text at printer resolution (so that the screen shows exactly what
// prints) and draws on the surface of the device in use.
class TBlatt final {
public:
    // Links the events of the main window's controls: the scroll bars' changes, the zoom
    // box's selection and keys. Fills the zoom list and selects "100%".
    TBlatt(TPaintBox& paintBox, TPageControl& pcEigenschaften, TComboBox& zoomBox, TScrollBar& scrollBarVert,
           TScrollBar& scrollBarHor);
    ~TBlatt();
    TBlatt(const TBlatt&) = delete;
    TBlatt& operator=(const TBlatt&) = delete;

    // The printer whose page and resolution the sheet takes; none: the screen's resolution
    // and a square page of 20.5 cm. Takes effect at the next Metrik.
    void SetzeDrucker(TDrucker* drucker);
    TDrucker* Drucker() const { return DruckerFeld; }
    // The screen's logical pixels per inch (96 unless the view says otherwise).
    void SetzeSchirmDpi(double dpi);
    // Where the clipboard picture goes.
    void SetzeZwischenablage(TZwischenablage* ablage) { Ablage = ablage; }

    // The area of the main window given to the sheet (paint box and scroll bars), in screen
    // pixels; arranges the view.
    void SetzeBereich(int links, int oben, int breite, int hoehe);
    // Takes over a newly chosen printer: Metrik with the stored area.
    void DruckerUebernehmen();
    void Metrik(int breite, int hoehe);
    void Anordnen();

    // Page to device pixels; mitVersatz subtracts the scroll (or picture) offset. Raises
    // ERangeError when the result leaves the 32-bit range.
    std::int32_t XGeraet(double x, bool mitVersatz) const;
    std::int32_t YGeraet(double y, bool mitVersatz) const;
    // Paint-box pixel to page.
    double XSeite(int px) const;
    double YSeite(int py) const;

    // Bracket every drawing of the page.
    void BeginneZeichnen();
    void BeendeZeichnen();
    // Pen width in pixels of the current device for a width in mm (at least 1 pixel for a
    // width above 0.001 mm).
    int Linienbreite(double mm) const;
    // The size to set on the drawing canvas for a font of the given point size.
    int Schriftgroesse(int punkte) const;
    // Applies a font to the drawing canvas and the measuring canvas: the record with its size
    // set to Schriftgroesse(punkte) on the drawing canvas and to punkte on the measuring one.
    void SchriftSetzen(const TSchrift& schrift, int punkte);
    // Text colour of the drawing canvas.
    void SchriftfarbeSetzen(std::int32_t farbe);
    std::int32_t Schriftfarbe() const;
    // Pen of the drawing canvas: colour and width in pixels.
    void StiftSetzen(std::int32_t farbe, int breite);

    void Bewege(double x, double y);
    void Linie(double x, double y);
    // Draws text with its upper left corner at (x, y).
    void Text(std::string_view text, double x, double y);
    // Extent of a text on the measuring canvas in its current font, in cm.
    double Textbreite(std::string_view text) const;
    double Texthoehe(std::string_view text) const;

    // Scrolls vertically by a wheel distance (120 per notch).
    void Mausrad(int distanz);
    // Zoom list selection and typed zoom (only the Enter key, 13).
    void ZoomGewaehlt();
    void ZoomEingegeben(int taste);
    void HorizontalGescrollt();
    void VertikalGescrollt();

    // Print job on the current printer (the print run and --pdf).
    void DruckBeginnen();
    void SeiteDrucken();
    void DruckBeenden();
    // Puts the page on the clipboard as a vector picture.
    void InZwischenablage();
    // Draws the page (the paint box's handler) on another screen surface, as the screen shows
    // it at the given zoom, with the page's upper left corner at pixel (links, oben) of that
    // surface: the print preview. Texts are measured on the printer as ever, so the page is
    // laid out exactly as it prints.
    void SeiteZeichnenAuf(TLeinwand& flaeche, double zoom, int links, int oben);

    // The zoom list, in the order of ZoomBox's items.
    const std::vector<TZoomfaktor>& Zoomliste() const { return ZoomlisteFeld; }

    // Read-only state.
    double GeraetProCmX = 0;
    double GeraetProCmY = 0;
    // The scale texts are measured at: the printer's (or, without one, the screen's), also
    // while the picture borrows GeraetProCm for its own scale.
    double MessProCmX = 0;
    double MessProCmY = 0;
    int SeitePxBreite = 0;
    int SeitePxHoehe = 0;
    double SchirmMassX = 0;
    double SchirmMassY = 0;
    double SchirmProCm = 0;
    double RandX = 0;
    double RandY = 0;
    double FensterBreite = 0;
    double FensterHoehe = 0;
    double VersatzX = 0;
    double VersatzY = 0;
    double Zoom = 1.0;
    // Whether the zoom fits the page to the area (whole page or page width), anew at every
    // change of the area, or is fixed.
    std::uint8_t Einpassen = TZoomfaktor::Fest;
    bool Geraetemodus = false;
    bool Bildmodus = false;
    int FlaecheBreite = 0;
    int FlaecheHoehe = 0;
    int FlaecheLinks = 0;
    int FlaecheOben = 0;
    bool Sammeln = false;
    double UmrissLinks = 0;
    double UmrissOben = 0;
    double UmrissRechts = 0;
    double UmrissUnten = 0;
    double GeraetVersatzX = 0;
    double GeraetVersatzY = 0;
    bool SeiteGedruckt = false;
    double BlattBreite = 0;
    double BlattHoehe = 0;

private:
    // Where drawing goes now, where text is measured, and the printer's surface (the
    // picture's while the picture is made).
    TLeinwand& Zeichenflaeche() const;
    TLeinwand& Messflaeche() const;
    void Umfassen(double x, double y);
    void Begrenzen();
    // Sets Zoom to what Einpassen fits into the area.
    void EingepasstenZoomSetzen();

    // The grey border around the page on screen, in pixels, at every zoom.
    static constexpr double RandPixel = 30;

    TPaintBox& PaintBox;
    TPageControl& PCEigenschaften;
    TComboBox& ZoomBox;
    TScrollBar& ScrollBarVert;
    TScrollBar& ScrollBarHor;

    TDrucker* DruckerFeld = nullptr;
    TZwischenablage* Ablage = nullptr;
    double SchirmDpi = 96;
    std::vector<TZoomfaktor> ZoomlisteFeld;
    TLeinwand* DruckflaecheFeld = nullptr; // none: the printer's, else the paint box's canvas
    // The zoom of a surface other than the paint box that shows the page as the screen does
    // (SeiteZeichnenAuf); 0 while there is none.
    double FremdZoom = 0;
    bool Beschnitten = false;
};
