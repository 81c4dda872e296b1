// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UVorschau.h"

#include "app/Druckauftrag.h"
#include "app/UZeichnen.h"
#include "toolkit/Leinwand.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace {

struct TZoomeintrag {
    const char* Text;
    TZoomfaktor Faktor;
};

constexpr TZoomeintrag Zoomeintraege[] = {
    {"50%", {0.5, TZoomfaktor::Fest}},
    {"75%", {0.75, TZoomfaktor::Fest}},
    {"100%", {1.0, TZoomfaktor::Fest}},
    {"150%", {1.5, TZoomfaktor::Fest}},
    {"200%", {2.0, TZoomfaktor::Fest}},
    {"Ganze Seite", {0, TZoomfaktor::GanzeSeite}},
    {"Seitenbreite", {0, TZoomfaktor::Seitenbreite}},
};

// What "Seitenbreite" leaves beside the page for the vertical scroll bar of the view.
constexpr int Leiste = 20;

// A fitted zoom stays within what a screen can sensibly show.
constexpr double KleinsterZoom = 0.1;
constexpr double GroessterZoom = 4.0;

} // namespace

TFVorschau::TFVorschau(TZeichnen& hauptfenster, TDrucken drucken)
    : TFormular("Vorschau"), Hauptfenster(hauptfenster), Drucken(std::move(drucken))
{
    BErste = &Erzeuge<TButton>("BErste");
    BErste->SetCaption("|<");
    BErste->SetHint("Erste Seite");
    BZurueck = &Erzeuge<TButton>("BZurueck");
    BZurueck->SetCaption("<");
    BZurueck->SetHint("Vorige Seite");
    LSeite = &Erzeuge<TLabel>("LSeite");
    BWeiter = &Erzeuge<TButton>("BWeiter");
    BWeiter->SetCaption(">");
    BWeiter->SetHint("Nächste Seite");
    BLetzte = &Erzeuge<TButton>("BLetzte");
    BLetzte->SetCaption(">|");
    BLetzte->SetHint("Letzte Seite");
    for (TButton* knopf : {BErste, BZurueck, BWeiter, BLetzte})
        knopf->SetShowHint(true);
    LZoom = &Erzeuge<TLabel>("LZoom");
    LZoom->SetCaption("Zoom:");
    ZoomBox = &Erzeuge<TComboBox>("ZoomBox");
    std::vector<std::string> texte;
    for (const auto& eintrag : Zoomeintraege) {
        texte.emplace_back(eintrag.Text);
        Zoomliste.push_back(eintrag.Faktor);
    }
    ZoomBox->SetItems(std::move(texte));
    ZoomBox->SetText("Ganze Seite");
    PaintBox = &Erzeuge<TPaintBox>("PaintBox");
    BDrucken = &Erzeuge<TButton>("BDrucken");
    BDrucken->SetCaption("Drucken");
    BSchliessen = &Erzeuge<TButton>("BSchliessen");
    BSchliessen->SetCaption("Schließen");

    BErste->OnClick = [this](TButton&) { BErsteClick(); };
    BZurueck->OnClick = [this](TButton&) { BZurueckClick(); };
    BWeiter->OnClick = [this](TButton&) { BWeiterClick(); };
    BLetzte->OnClick = [this](TButton&) { BLetzteClick(); };
    ZoomBox->OnChange = [this](TComboBox&) { ZoomBoxChange(); };
    PaintBox->OnPaint = [this](TPaintBox&) { PaintBoxPaint(); };
    BDrucken->OnClick = [this](TButton&) { BDruckenClick(); };
    BSchliessen->OnClick = [this](TButton&) { BSchliessenClick(); };
    SeiteWaehlen(0);
}

TFVorschau::~TFVorschau() = default;

std::int64_t TFVorschau::Seitenzahl() const
{
    return AuftragFeld ? AuftragFeld->Seitenzahl() : 0;
}

void TFVorschau::Zeigen(std::unique_ptr<TDruckauftrag> auftrag)
{
    AuftragFeld = std::move(auftrag);
    Einpassen();
    SeiteWaehlen(1);
    Sichtbar = true;
}

void TFVorschau::SeiteWaehlen(std::int64_t seite)
{
    const std::int64_t n = Seitenzahl();
    SeiteFeld = n == 0 ? 0 : std::clamp<std::int64_t>(seite, 1, n);
    LSeite->SetCaption("Seite " + std::to_string(SeiteFeld) + " von " + std::to_string(n));
    BErste->SetEnabled(SeiteFeld > 1);
    BZurueck->SetEnabled(SeiteFeld > 1);
    BWeiter->SetEnabled(SeiteFeld < n);
    BLetzte->SetEnabled(SeiteFeld < n);
    BDrucken->SetEnabled(n > 0);
    PaintBox->Repaint();
}

void TFVorschau::BErsteClick()
{
    SeiteWaehlen(1);
}

void TFVorschau::BZurueckClick()
{
    SeiteWaehlen(SeiteFeld - 1);
}

void TFVorschau::BWeiterClick()
{
    SeiteWaehlen(SeiteFeld + 1);
}

void TFVorschau::BLetzteClick()
{
    SeiteWaehlen(Seitenzahl());
}

void TFVorschau::ZoomBoxChange()
{
    Einpassen();
    PaintBox->Repaint();
}

void TFVorschau::Bereich(int breite, int hoehe)
{
    BereichBreite = breite;
    BereichHoehe = hoehe;
    Einpassen();
    PaintBox->Repaint();
}

void TFVorschau::Einpassen()
{
    const TBlatt& blatt = Hauptfenster.Blatt();
    const double proCm = blatt.SchirmProCm;
    const int index = ZoomBox->ItemIndex();
    const TZoomfaktor wahl = index >= 0 && index < static_cast<int>(Zoomliste.size())
        ? Zoomliste[static_cast<std::size_t>(index)]
        : TZoomfaktor{};
    // Before the view has an area, a fitted page shows at its size.
    ZoomFeld = wahl.Art == TZoomfaktor::Fest
        ? wahl.Faktor
        : std::clamp(EingepassterZoom(wahl.Art, BereichBreite, BereichHoehe, Rand, Leiste, proCm, blatt.BlattBreite,
                                      blatt.BlattHoehe),
                     KleinsterZoom, GroessterZoom);
    Flaeche = TFlaeche{static_cast<int>(std::lround(blatt.BlattBreite * proCm * ZoomFeld)) + 2 * Rand,
                       static_cast<int>(std::lround(blatt.BlattHoehe * proCm * ZoomFeld)) + 2 * Rand};
}

void TFVorschau::PaintBoxPaint()
{
    TLeinwand& flaeche = PaintBox->Canvas();
    const TFlaeche groesse = Flaeche;
    flaeche.Fuellen(0, 0, groesse.Breite, groesse.Hoehe, FarbeGrau);
    if (SeiteFeld == 0)
        return;
    const int rechts = groesse.Breite - Rand;
    const int unten = groesse.Hoehe - Rand;
    flaeche.Fuellen(Rand, Rand, rechts, unten, FarbeWeiss);
    flaeche.Beschneiden(Rand, Rand, rechts, unten);
    try {
        Hauptfenster.DruckseiteZeichnen(*AuftragFeld, SeiteFeld - 1, flaeche, ZoomFeld, Rand, Rand);
    } catch (...) {
        flaeche.BeschneidenAufheben();
        throw;
    }
    flaeche.BeschneidenAufheben();
}

void TFVorschau::BDruckenClick()
{
    if (AuftragFeld && Drucken && Drucken(*AuftragFeld))
        BSchliessenClick();
}

void TFVorschau::BSchliessenClick()
{
    Sichtbar = false;
    AuftragFeld.reset();
    SeiteWaehlen(0);
}
