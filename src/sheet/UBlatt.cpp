// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/UBlatt.h"

#include "files/Fehler.h"
#include "toolkit/Drucker.h"
#include "toolkit/Leinwand.h"
#include "toolkit/Steuerelemente.h"
#include "toolkit/Waechter.h"
#include "toolkit/Zwischenablage.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace {

// The integer nearest to v, halves to the even neighbour (the current rounding mode of the
// floating-point unit, which is round-to-nearest-even unless someone changed it).
double Naechste(double v)
{
    return std::nearbyint(v);
}

std::int32_t AufGanzzahl(double v)
{
    const double n = Naechste(v);
    if (!(n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max()))
        throw ERangeError("Eine Koordinate liegt außerhalb des darstellbaren Bereichs.");
    return static_cast<std::int32_t>(n);
}

int Gerundet(double v)
{
    return AufGanzzahl(v);
}

struct TZoomeintrag {
    const char* Text;
    TZoomfaktor Faktor;
};

constexpr TZoomeintrag Zoomeintraege[] = {
    {"25%", {0.25, TZoomfaktor::Fest}},
    {"50%", {0.5, TZoomfaktor::Fest}},
    {"75%", {0.75, TZoomfaktor::Fest}},
    {"100%", {1.0, TZoomfaktor::Fest}},
    {"200%", {2.0, TZoomfaktor::Fest}},
    {"400%", {4.0, TZoomfaktor::Fest}},
    {"Ganze Seite", {0, TZoomfaktor::GanzeSeite}},
    {"Seitenbreite", {0, TZoomfaktor::Seitenbreite}},
};

} // namespace

TBlatt::TBlatt(TPaintBox& paintBox, TPageControl& pcEigenschaften, TComboBox& zoomBox, TScrollBar& scrollBarVert,
               TScrollBar& scrollBarHor)
    : PaintBox(paintBox), PCEigenschaften(pcEigenschaften), ZoomBox(zoomBox), ScrollBarVert(scrollBarVert),
      ScrollBarHor(scrollBarHor)
{
    std::vector<std::string> texte;
    for (const auto& eintrag : Zoomeintraege) {
        texte.emplace_back(eintrag.Text);
        ZoomlisteFeld.push_back(eintrag.Faktor);
    }
    ZoomBox.SetItems(std::move(texte));
    ZoomBox.SetText("100%");
    Zoom = 1.0;

    ScrollBarHor.OnChange = [this](TScrollBar&) { HorizontalGescrollt(); };
    ScrollBarVert.OnChange = [this](TScrollBar&) { VertikalGescrollt(); };
    ZoomBox.OnChange = [this](TComboBox&) { ZoomGewaehlt(); };
    ZoomBox.OnKeyDown = [this](TComboBox&, int taste) { ZoomEingegeben(taste); };
    Metrik(0, 0);
}

TBlatt::~TBlatt()
{
    ScrollBarHor.OnChange = nullptr;
    ScrollBarVert.OnChange = nullptr;
    ZoomBox.OnChange = nullptr;
    ZoomBox.OnKeyDown = nullptr;
}

void TBlatt::SetzeDrucker(TDrucker* drucker)
{
    DruckerFeld = drucker;
}

void TBlatt::SetzeSchirmDpi(double dpi)
{
    if (dpi > 0)
        SchirmDpi = dpi;
}

void TBlatt::SetzeBereich(int links, int oben, int breite, int hoehe)
{
    FlaecheLinks = links;
    FlaecheOben = oben;
    FlaecheBreite = breite;
    FlaecheHoehe = hoehe;
    // A fitted zoom fits the area again whenever it changes.
    if (Einpassen != TZoomfaktor::Fest) {
        Metrik(FlaecheBreite, FlaecheHoehe);
        EingepasstenZoomSetzen();
    }
    Anordnen();
}

void TBlatt::DruckerUebernehmen()
{
    Metrik(FlaecheBreite, FlaecheHoehe);
}

void TBlatt::Metrik(int breite, int hoehe)
{
    if (DruckerFeld != nullptr) {
        GeraetProCmX = DruckerFeld->DpiX() / 2.54;
        GeraetProCmY = DruckerFeld->DpiY() / 2.54;
        SeitePxBreite = DruckerFeld->SeitePxBreite();
        SeitePxHoehe = DruckerFeld->SeitePxHoehe();
    } else {
        // Without a printer the screen measures, on a square page of 20.5 cm.
        GeraetProCmX = GeraetProCmY = SchirmDpi / 2.54;
        SeitePxBreite = Gerundet(GeraetProCmX * 20.5);
        SeitePxHoehe = Gerundet(GeraetProCmY * 20.5);
    }
    MessProCmX = GeraetProCmX;
    MessProCmY = GeraetProCmY;
    BlattBreite = SeitePxBreite / GeraetProCmX;
    BlattHoehe = SeitePxHoehe / GeraetProCmY;
    SchirmProCm = SchirmDpi / 2.54;
    SchirmMassX = SchirmMassY = SchirmProCm * Zoom;
    FensterBreite = breite / SchirmMassX;
    FensterHoehe = hoehe / SchirmMassY;
    RandX = RandPixel / SchirmMassX;
    RandY = RandPixel / SchirmMassY;
}

void TBlatt::Anordnen()
{
    Metrik(FlaecheBreite, FlaecheHoehe);
    const bool horizontal = FlaecheBreite < XGeraet(BlattBreite + RandX, false);
    const bool vertikal = FlaecheHoehe < YGeraet(BlattHoehe + RandY, false);
    ScrollBarHor.SetVisible(horizontal);
    ScrollBarVert.SetVisible(vertikal);

    PaintBox.SetBounds(FlaecheLinks, FlaecheOben, FlaecheBreite - (vertikal ? ScrollBarVert.Width() : 0),
                       FlaecheHoehe - (horizontal ? ScrollBarHor.Height() : 0));
    ScrollBarHor.SetBounds(PaintBox.Left(), PaintBox.Top() + PaintBox.Height(), PaintBox.Width(),
                           ScrollBarHor.Height());
    ScrollBarVert.SetBounds(PaintBox.Left() + PaintBox.Width(), PaintBox.Top(), ScrollBarVert.Width(),
                            PaintBox.Height());

    Metrik(PaintBox.Width(), PaintBox.Height());
    Begrenzen();
    if (!horizontal)
        VersatzX = (BlattBreite - FensterBreite) / 2;
    if (!vertikal)
        VersatzY = (BlattHoehe - FensterHoehe) / 2;

    // The bars work in hundredths of a cm. Setting a position runs the bar's change handler,
    // which derives the offset from it again (within a hundredth).
    const auto einrichten = [](TScrollBar& bar, double rand, double blatt, double versatz, double fenster) {
        bar.SetPageSize(1);
        bar.SetLargeChange(1);
        bar.SetSmallChange(1);
        bar.SetRange(0, Gerundet((2 * rand + blatt) * 100));
        bar.SetPosition(Gerundet((rand + versatz) * 100));
        bar.SetPageSize(Gerundet(fenster * 100));
        bar.SetLargeChange(bar.PageSize());
        bar.SetSmallChange(Gerundet(bar.PageSize() / 20.0));
    };
    if (horizontal)
        einrichten(ScrollBarHor, RandX, BlattBreite, VersatzX, FensterBreite);
    if (vertikal)
        einrichten(ScrollBarVert, RandY, BlattHoehe, VersatzY, FensterHoehe);
    PaintBox.Repaint();
}

void TBlatt::Begrenzen()
{
    VersatzX = std::min(std::max(VersatzX, -RandX), BlattBreite + RandX - FensterBreite);
    VersatzY = std::min(std::max(VersatzY, -RandY), BlattHoehe + RandY - FensterHoehe);
}

std::int32_t TBlatt::XGeraet(double x, bool mitVersatz) const
{
    if (Geraetemodus)
        return AufGanzzahl((x - (mitVersatz ? GeraetVersatzX : 0)) * GeraetProCmX);
    return AufGanzzahl((x - (mitVersatz ? VersatzX : 0)) * SchirmMassX);
}

std::int32_t TBlatt::YGeraet(double y, bool mitVersatz) const
{
    if (Geraetemodus)
        return AufGanzzahl((y - (mitVersatz ? GeraetVersatzY : 0)) * GeraetProCmY);
    return AufGanzzahl((y - (mitVersatz ? VersatzY : 0)) * SchirmMassY);
}

double TBlatt::XSeite(int px) const
{
    return px / SchirmMassX + VersatzX;
}

double TBlatt::YSeite(int py) const
{
    return py / SchirmMassY + VersatzY;
}

TLeinwand& TBlatt::Zeichenflaeche() const
{
    if (!Geraetemodus)
        return PaintBox.Canvas();
    if (DruckflaecheFeld != nullptr)
        return *DruckflaecheFeld;
    return DruckerFeld != nullptr ? DruckerFeld->Leinwand() : PaintBox.Canvas();
}

TLeinwand& TBlatt::Messflaeche() const
{
    return DruckerFeld != nullptr ? DruckerFeld->Leinwand() : PaintBox.Canvas();
}

void TBlatt::BeginneZeichnen()
{
    if (Geraetemodus)
        return;
    TLeinwand& flaeche = PaintBox.Canvas();
    const int links = XGeraet(0, true);
    const int oben = YGeraet(0, true);
    const int rechts = XGeraet(BlattBreite, true);
    const int unten = YGeraet(BlattHoehe, true);
    const int breite = PaintBox.Width();
    const int hoehe = PaintBox.Height();

    // Grey beside the page, with a shadow along its right and upper edge.
    flaeche.SetzeStift(FarbeSchwarz, 3);
    if (VersatzX < 0)
        flaeche.Fuellen(0, 0, links, hoehe, FarbeGrau);
    if (rechts < breite) {
        flaeche.Fuellen(rechts, 0, breite, hoehe, FarbeGrau);
        flaeche.BewegeZu(rechts + 1, oben - 2);
        flaeche.LinieZu(rechts + 1, unten - 4);
    }
    if (VersatzY < 0) {
        flaeche.Fuellen(0, 0, breite, oben, FarbeGrau);
        flaeche.BewegeZu(links + 4, oben - 2);
        flaeche.LinieZu(rechts, oben - 2);
    }
    if (unten < hoehe)
        flaeche.Fuellen(0, unten, breite, hoehe, FarbeGrau);

    // A thin border where grey shows.
    flaeche.SetzeStift(FarbeSchwarz, 1);
    if (VersatzX < 0) {
        flaeche.BewegeZu(links - 1, oben - 1);
        flaeche.LinieZu(links - 1, unten + 1);
    }
    if (rechts < breite) {
        flaeche.BewegeZu(rechts, oben - 1);
        flaeche.LinieZu(rechts, unten + 1);
    }
    if (VersatzY < 0) {
        flaeche.BewegeZu(links - 1, oben - 1);
        flaeche.LinieZu(rechts + 1, oben - 1);
    }
    if (unten < hoehe) {
        flaeche.BewegeZu(links - 1, unten);
        flaeche.LinieZu(rechts + 1, unten);
    }

    flaeche.Fuellen(links, oben, rechts, unten, FarbeWeiss);
    flaeche.Beschneiden(links, oben, rechts, unten);
    Beschnitten = true;
}

void TBlatt::BeendeZeichnen()
{
    if (Geraetemodus || !Beschnitten)
        return;
    PaintBox.Canvas().BeschneidenAufheben();
    Beschnitten = false;
}

int TBlatt::Linienbreite(double mm) const
{
    const int pixel = XGeraet(mm / 10, false);
    return pixel <= 0 && mm > 0.001 ? 1 : pixel;
}

int TBlatt::Schriftgroesse(int punkte) const
{
    // The printer and the picture are devices whose resolution matches their scale, so the
    // point size holds there as it stands; the screen shows the page at the zoom, and so does
    // another screen surface at its own.
    if (Geraetemodus && FremdZoom <= 0)
        return punkte;
    return Gerundet(punkte * (FremdZoom > 0 ? FremdZoom : Zoom) * SchirmProCm * 2.54 / 96);
}

void TBlatt::SchriftSetzen(const TSchrift& schrift, int punkte)
{
    TSchrift zeichnen = schrift;
    zeichnen.Zeichensatz = TSchrift::ZeichensatzAnsi;
    zeichnen.Groesse = Schriftgroesse(punkte);
    TLeinwand& ziel = Zeichenflaeche();
    TLeinwand& mess = Messflaeche();
    if (&ziel != &mess) {
        TSchrift messen = zeichnen;
        messen.Groesse = punkte;
        mess.SetzeSchrift(messen);
    }
    ziel.SetzeSchrift(zeichnen);
}

void TBlatt::SchriftfarbeSetzen(std::int32_t farbe)
{
    Zeichenflaeche().SetzeSchriftfarbe(farbe);
}

std::int32_t TBlatt::Schriftfarbe() const
{
    return Zeichenflaeche().Schriftfarbe();
}

void TBlatt::StiftSetzen(std::int32_t farbe, int breite)
{
    Zeichenflaeche().SetzeStift(farbe, breite);
}

void TBlatt::Umfassen(double x, double y)
{
    UmrissLinks = std::min(UmrissLinks, x);
    UmrissOben = std::min(UmrissOben, y);
    UmrissRechts = std::max(UmrissRechts, x);
    UmrissUnten = std::max(UmrissUnten, y);
}

void TBlatt::Bewege(double x, double y)
{
    if (Sammeln)
        Umfassen(x, y);
    Zeichenflaeche().BewegeZu(XGeraet(x, true), YGeraet(y, true));
}

void TBlatt::Linie(double x, double y)
{
    if (Sammeln)
        Umfassen(x, y);
    Zeichenflaeche().LinieZu(XGeraet(x, true), YGeraet(y, true));
}

void TBlatt::Text(std::string_view text, double x, double y)
{
    if (Sammeln) {
        Umfassen(x, y);
        Umfassen(x + Textbreite(text), y + Texthoehe(text));
    }
    Zeichenflaeche().TextAus(XGeraet(x, true), YGeraet(y, true), text);
}

double TBlatt::Textbreite(std::string_view text) const
{
    return Messflaeche().Textbreite(text) / MessProCmX;
}

double TBlatt::Texthoehe(std::string_view text) const
{
    return Messflaeche().Texthoehe(text) / MessProCmY;
}

void TBlatt::Mausrad(int distanz)
{
    if (distanz == 0)
        return;
    VersatzY -= distanz * static_cast<double>(ScrollBarVert.SmallChange()) / 12000;
    VersatzY = std::min(std::max(VersatzY, -RandY), BlattHoehe + RandY - FensterHoehe);
    Anordnen();
}

void TBlatt::ZoomGewaehlt()
{
    const int index = ZoomBox.ItemIndex();
    if (index < 0 || index >= static_cast<int>(ZoomlisteFeld.size()))
        return;
    const TZoomfaktor& faktor = ZoomlisteFeld[static_cast<std::size_t>(index)];
    Einpassen = faktor.Art;
    if (faktor.Art == TZoomfaktor::Fest)
        Zoom = faktor.Faktor;
    else
        EingepasstenZoomSetzen();
    Anordnen();
}

double EingepassterZoom(std::uint8_t art, double breite, double hoehe, double rand, double leiste, double proCm,
                        double blattBreite, double blattHoehe)
{
    if (!(proCm * blattBreite > 0 && proCm * blattHoehe > 0))
        return 1.0;
    const double ganzeBreite = (breite - 2 * rand) / (proCm * blattBreite);
    const double ganzeHoehe = (hoehe - 2 * rand) / (proCm * blattHoehe);
    const double zoom = art == TZoomfaktor::GanzeSeite ? std::min(ganzeBreite, ganzeHoehe)
                                                        : (breite - leiste - 2 * rand) / (proCm * blattBreite);
    return zoom > 0 ? zoom : 1.0;
}

void TBlatt::EingepasstenZoomSetzen()
{
    // The page with its grey border: the whole page within the area, or its width beside the
    // vertical bar that a page taller than the area needs.
    Zoom = EingepassterZoom(Einpassen, FlaecheBreite, FlaecheHoehe, RandPixel, ScrollBarVert.Width(), SchirmProCm,
                            BlattBreite, BlattHoehe);
}

void TBlatt::ZoomEingegeben(int taste)
{
    if (taste != 13)
        return;
    long long n = 0;
    for (const char c : ZoomBox.Text()) {
        if (c >= '0' && c <= '9')
            n = std::min(n * 10 + (c - '0'), 1'000'000LL);
    }
    if (n > 10 && n < 1000) {
        Zoom = n / 100.0;
        Einpassen = TZoomfaktor::Fest;
        ZoomBox.SetText(std::to_string(n) + "%");
    }
    Anordnen();
}

void TBlatt::HorizontalGescrollt()
{
    VersatzX = std::min(ScrollBarHor.Position() / 100.0 - RandX, BlattBreite + RandX - FensterBreite);
    PaintBox.Repaint();
}

void TBlatt::VertikalGescrollt()
{
    VersatzY = std::min(ScrollBarVert.Position() / 100.0 - RandY, BlattHoehe + RandY - FensterHoehe);
    PaintBox.Repaint();
}

void TBlatt::DruckBeginnen()
{
    if (DruckerFeld == nullptr)
        throw EInOutError("Es ist kein Drucker eingerichtet.");
    DruckerFeld->BeginDoc();
    SeiteGedruckt = false;
}

void TBlatt::SeiteDrucken()
{
    const TWertWaechter geraet(Geraetemodus, true);
    if (SeiteGedruckt)
        DruckerFeld->NewPage();
    PaintBox.Paint(Zeichenflaeche());
    SeiteGedruckt = true;
}

void TBlatt::DruckBeenden()
{
    if (DruckerFeld != nullptr)
        DruckerFeld->EndDoc();
    SeiteGedruckt = false;
}

void TBlatt::InZwischenablage()
{
    if (Ablage == nullptr)
        return;
    UmrissLinks = UmrissOben = 100;
    UmrissRechts = UmrissUnten = 0;
    {
        const TWertWaechter sammeln(Sammeln, true);
        PaintBox.Paint(PaintBox.Canvas());
    }

    std::unique_ptr<TBild> bild;
    {
        // The picture has the zoomed screen's scale and starts at the extent's corner.
        const TWertWaechter x(GeraetProCmX, SchirmMassX);
        const TWertWaechter y(GeraetProCmY, SchirmMassY);
        int breite = Gerundet((UmrissRechts + 0.4 - UmrissLinks) * GeraetProCmX);
        int hoehe = Gerundet((UmrissUnten + 0.4 - UmrissOben) * GeraetProCmY);
        if (breite < 1)
            breite = 10;
        if (hoehe < 1)
            hoehe = 10;
        bild = Ablage->NeuesBild(breite, hoehe, GeraetProCmX);
        const TWertWaechter versatzX(GeraetVersatzX, UmrissLinks);
        const TWertWaechter versatzY(GeraetVersatzY, UmrissOben);
        const TWertWaechter<TLeinwand*> flaeche(DruckflaecheFeld, &bild->Leinwand());
        const TWertWaechter geraet(Geraetemodus, true);
        const TWertWaechter bildmodus(Bildmodus, true);
        PaintBox.Paint(*DruckflaecheFeld);
    }
    bild->Abschliessen();
    Ablage->BildAblegen(std::move(bild));
}

void TBlatt::SeiteZeichnenAuf(TLeinwand& flaeche, double zoom, int links, int oben)
{
    // The surface takes the printer's place at the screen's scale, like the picture does; its
    // fonts are sized as the screen's are.
    const double proCm = SchirmProCm * zoom;
    const TWertWaechter x(GeraetProCmX, proCm);
    const TWertWaechter y(GeraetProCmY, proCm);
    const TWertWaechter versatzX(GeraetVersatzX, -links / proCm);
    const TWertWaechter versatzY(GeraetVersatzY, -oben / proCm);
    const TWertWaechter<TLeinwand*> ziel(DruckflaecheFeld, &flaeche);
    const TWertWaechter fremd(FremdZoom, zoom);
    const TWertWaechter geraet(Geraetemodus, true);
    PaintBox.Paint(flaeche);
}
