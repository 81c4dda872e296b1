// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print preview as a model: every page a print run will print, one at a time and at a
// zoom, before any paper is used. "Drucken" prints exactly those pages; closing prints
// nothing.

#include "sheet/UBlatt.h"
#include "toolkit/Formular.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TDruckauftrag;
class TZeichnen;

class TFVorschau final : public TFormular {
public:
    // The grey border around the page, in pixels at every zoom.
    static constexpr int Rand = 16;

    // The size of the paint box in screen pixels: the page at the zoom with the border.
    struct TFlaeche {
        int Breite = 0;
        int Hoehe = 0;

        friend bool operator==(const TFlaeche&, const TFlaeche&) = default;
    };

    // Prints pages as the print dialog's OK does; true when the run is complete.
    using TDrucken = std::function<bool(TDruckauftrag&)>;

    // The pages are drawn by hauptfenster, as its printer draws them; "Drucken" prints them
    // through drucken (the print dialog the preview is opened from).
    TFVorschau(TZeichnen& hauptfenster, TDrucken drucken);
    ~TFVorschau() override;

    // Opens the preview on the pages of a run, at its first page.
    void Zeigen(std::unique_ptr<TDruckauftrag> auftrag);
    TSichtbarkeit Sichtbar;

    // The page shown, counted from 1, and how many there are (0 while no run is open).
    std::int64_t Seite() const { return SeiteFeld; }
    std::int64_t Seitenzahl() const;
    // The pages shown, or none while the preview is closed.
    TDruckauftrag* Auftrag() const { return AuftragFeld.get(); }

    void BErsteClick();
    void BZurueckClick();
    void BWeiterClick();
    void BLetzteClick();
    // A zoom chosen from ZoomBox.
    void ZoomBoxChange();
    // The area the view gives the paint box, in screen pixels: "Ganze Seite" and
    // "Seitenbreite" fit the page into it, again whenever it changes.
    void Bereich(int breite, int hoehe);
    // Screen pixels per pixel of the main window's zoom 100 %.
    double Zoom() const { return ZoomFeld; }
    // The size the view gives the paint box; it follows the zoom.
    TBeobachtet<TFlaeche> Flaeche;
    // Paints the page shown on the paint box's canvas at the zoom, on white within the grey
    // border, exactly as the printer will print it.
    void PaintBoxPaint();
    // Prints the pages shown, as the print dialog's OK prints (the file of a document printer
    // is asked for first); a complete run closes the preview and the print dialog.
    void BDruckenClick();
    // Closes the preview and prints nothing; the print dialog stays open.
    void BSchliessenClick();

    TButton* BErste = nullptr;
    TButton* BZurueck = nullptr;
    TButton* BWeiter = nullptr;
    TButton* BLetzte = nullptr;
    // "Seite i von n".
    TLabel* LSeite = nullptr;
    TLabel* LZoom = nullptr;
    TComboBox* ZoomBox = nullptr;
    TPaintBox* PaintBox = nullptr;
    TButton* BDrucken = nullptr;
    TButton* BSchliessen = nullptr;

private:
    void SeiteWaehlen(std::int64_t seite);
    // Sets the zoom for the choice in ZoomBox and the area, and the paint box's size.
    void Einpassen();

    TZeichnen& Hauptfenster;
    TDrucken Drucken;
    std::unique_ptr<TDruckauftrag> AuftragFeld;
    std::int64_t SeiteFeld = 0;
    std::vector<TZoomfaktor> Zoomliste;
    double ZoomFeld = 1.0;
    int BereichBreite = 0;
    int BereichHoehe = 0;
};
