// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the laid-out page: heading and work instruction centred at the top, then the rows
// with numbering labels, tasks, separator lines and the solution column, and the sheet
// number of a printed sheet. The same drawing serves the screen, the printer and the picture.

#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Leinwand.h"
#include "toolkit/Steuerelemente.h"

#include <string>

namespace {

// Draws the lines of a memo centred on the usable width from y on; returns the y below them.
double ZeilenZentriert(const TSeite& seite, const TMemo* memo, double y)
{
    if (memo == nullptr)
        return y;
    TBlatt& blatt = *seite.Blatt;
    for (const std::string& zeile : memo->Lines()) {
        double x = (seite.NutzBreite - blatt.Textbreite(zeile)) / 2 + seite.RandLinks;
        if (x < 0)
            x = seite.RandLinks;
        blatt.Text(zeile, x, y);
        y += 1.1 * blatt.Texthoehe("Mg");
    }
    return y;
}

} // namespace

void TSeite::Zeichnen()
{
    TBlatt& blatt = *Blatt;

    if (Namenszeile)
        ZeichneNamenszeile();
    const double oben = RandOben + NamenszeileHoehe;
    Schriftsetzen(SchriftUeberschrift, GroesseUeberschrift);
    ZeilenZentriert(*this, Ueberschrift, oben);
    Schriftsetzen(SchriftAnweisung, GroesseAnweisung);
    KopfEnde = ZeilenZentriert(*this, Anweisung, oben + UeberschriftHoehe);

    // In fill mode the free width is spread evenly over the gaps between the columns (and the
    // gap before the solution column); in exact mode every gap is the minimum.
    const int s = SpaltenZahl;
    int luecken = Loesungsspalte ? s : s - 1;
    double abstand = Spaltenabstand;
    if (!GenauFestlegen) {
        SpaltenSumme = 0;
        for (int c = 0; c < s && c < static_cast<int>(Spaltenmuster.size()); ++c)
            SpaltenSumme += Spaltenbreite(c);
        if (luecken == 0)
            luecken = 1;
        abstand = (NutzBreite - (SpaltenSumme - s * Spaltenabstand)) / luecken;
    }

    double y = RandOben + Kopfhoehe;
    if (Blattnummer >= 1)
        blatt.Text(std::to_string(Blattnummer), 0.4, 0.4);
    if (!Kennzeichen.empty()) {
        Schriftsetzen(SchriftAnweisung, GroesseAnweisung);
        blatt.Text(Kennzeichen, blatt.BlattBreite - 0.4 - blatt.Textbreite(Kennzeichen), 0.4);
    }

    int nummer = 1;
    for (int r = 0; r < ZeilenZahl && s > 0; ++r) {
        double x = RandLinks;
        for (int c = 0; c < s; ++c) {
            const TAufgabe& p = *Spaltenmuster[static_cast<std::size_t>(c)];
            TAufgabe& t = Aufgabe(r, c);
            const double u = y + (Textblockhoehe - TextHoehe) / 2;
            blatt.StiftSetzen(FarbeSchwarz, blatt.Linienbreite(0.2));
            t.Rahmen = {};
            if (Nummerierung) {
                Schriftsetzen(SchriftNummerierung, GroesseNummerierung);
                blatt.Text(NummerText(VertikalNummerieren ? c * ZeilenZahl + r + 1 : nummer), x, u);
                x += p.NummerBreite + NummerAbstand;
            }
            Schriftsetzen(SchriftAufgaben, GroesseAufgaben);
            t.Zeichnen(p, x, y);
            x += p.Gesamtbreite - Spaltenabstand + abstand / 2;
            if (Trennlinien && (c < s - 1 || Loesungsspalte)) {
                blatt.Bewege(x, RandOben + Kopfhoehe);
                blatt.Linie(x, ZeilenEnde);
            }
            x += abstand / 2;
            ++nummer;
        }
        if (Loesungsspalte)
            ZeichneLoesungen(r, x, y);
        y += Zeilenhoehe + ZeilenabstandIst;
    }
}

void TSeite::ZeichneNamenszeile()
{
    // "Name:" with a writing line over the left part, "Datum:" with one over the right part,
    // and "Klasse:" with a short one between them; the lines stand on the text's baseline.
    TBlatt& blatt = *Blatt;
    Schriftsetzen(SchriftAnweisung, GroesseAnweisung);
    blatt.StiftSetzen(FarbeSchwarz, blatt.Linienbreite(0.2));
    const double hoehe = blatt.Texthoehe("Mg");
    const double grund = RandOben + 0.8 * hoehe;
    const double luecke = blatt.Textbreite(" ");
    const double rechts = RandLinks + NutzBreite;
    const auto feld = [&](const char* text, double links, double bis) {
        blatt.Text(text, links, RandOben);
        blatt.Bewege(links + blatt.Textbreite(text) + luecke, grund);
        blatt.Linie(bis, grund);
    };
    const double datum = rechts - 0.3 * NutzBreite;
    if (NamenszeileKlasse) {
        const double klasse = RandLinks + 0.5 * NutzBreite;
        feld("Name:", RandLinks, klasse - 2 * luecke);
        feld("Klasse:", klasse, datum - 2 * luecke);
    } else {
        feld("Name:", RandLinks, datum - 2 * luecke);
    }
    feld("Datum:", datum, rechts);
}

void TSeite::ZeichneLoesungen(int r, double x, double y)
{
    // An error task's entry would show a meaningless value: its place stays empty, and the
    // other entries of the row are drawn.
    Schriftsetzen(SchriftLoesungen, GroesseLoesungen);
    const double v = y + (Zeilenhoehe - LoesungsHoehe) / 2;
    const int s = SpaltenZahl;
    for (int k = 0; k < s; ++k) {
        const TAufgabe* q = &Aufgabe(r, k);
        if (Durcheinander) {
            const auto index = static_cast<std::size_t>(r * s + k + 1);
            if (index < Reihenfolge.size()) {
                const int w = Reihenfolge[index];
                q = &Aufgabe((w - 1) / s, (w - 1) % s);
            }
        }
        if (!q->IstFehler())
            Blatt->Text(q->LoesungsText, x, v);
        x += q->LoesungsBreite;
    }
}
