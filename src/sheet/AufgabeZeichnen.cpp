// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing one measured task: the horizontal form (34 + 5 = 39 on one line) or the written
// column form (three lines of digit cells with a rule), with the pupil's blanks sized from a
// digit in the pupil's handwriting rather than from the printed font.

#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Leinwand.h"

#include <string>

namespace {

// The operator sign; a damaged record with another code draws a question mark.
const char* Zeichen(std::uint8_t rechenzeichen)
{
    return rechenzeichen < Rechenzeichensymbole.size() ? Rechenzeichensymbole[rechenzeichen] : "?";
}

// Draws the task's digit sum under it in the solution font, then returns to the task font.
void QuersummeZeichnen(const TSeite& seite, std::int32_t quersumme, double x, double y)
{
    seite.Schriftsetzen(seite.SchriftLoesungen, seite.GroesseLoesungen);
    seite.Blatt->Text("Quersumme: " + std::to_string(quersumme), x, y + 0.1 * seite.LoesungsHoehe);
    seite.Schriftsetzen(seite.SchriftAufgaben, seite.GroesseAufgaben);
}

void Strecke(TBlatt& blatt, double x1, double y1, double x2, double y2)
{
    blatt.Bewege(x1, y1);
    blatt.Linie(x2, y2);
}

} // namespace

void TAufgabe::Zeichnen(const TAufgabe& muster, double x, double y)
{
    const TSeite& seite = *Seite;
    TBlatt& blatt = *seite.Blatt;
    const double lb = seite.LeerBreite;
    const double zb = seite.ZifferBreite;
    const double zh = seite.ZifferHoehe;
    const double u = y + (seite.Textblockhoehe - seite.TextHoehe) / 2;
    const double a = y + zh;

    if (IstFehler()) {
        blatt.Text("Fehler!", x, u);
        return;
    }
    Rahmen = {x, y, x + muster.Gesamtbreite, y + seite.Zeilenhoehe};

    if (!seite.Schriftlich) {
        // The blank's line (and with the double kind a second one) across a part's width.
        const auto leerstelle = [&](double links, double breite) {
            Strecke(blatt, links, a, links + breite, a);
            if (seite.Platzhalterart == 1)
                Strecke(blatt, links, a + 0.4 * lb, links + breite, a + 0.4 * lb);
        };
        const auto operand = [&](const std::string& text, double textbreite, double breite, int position) {
            if (Daten.Platzhalter != position || seite.LoesungaufPlatzhalter) {
                const double links = seite.Rechtsbuendig ? x + breite - textbreite : x + (breite - textbreite) / 2;
                blatt.Text(text, links, u);
            }
            if (Daten.Platzhalter == position)
                leerstelle(x, breite);
        };

        operand(Text1, TextBreite1, muster.Breite1, PlatzhalterOperand1);
        if (seite.MitQuersumme)
            QuersummeZeichnen(seite, Daten.Quersumme, x, a);
        x += muster.Breite1 + lb;
        blatt.Text(Zeichen(Daten.Rechenzeichen), x + (muster.BreiteZeichen - BreiteZeichen) / 2, u);
        x += muster.BreiteZeichen + lb;
        operand(Text2, TextBreite2, muster.Breite2, PlatzhalterOperand2);
        x += muster.Breite2;
        if (!seite.NurRechnung) {
            x += lb;
            blatt.Text("=", x, u);
            x += seite.GleichBreite + lb;
            if (Daten.Platzhalter != PlatzhalterErgebnis || seite.LoesungaufPlatzhalter)
                blatt.Text(ErgebnisText, x + (muster.BreiteErgebnis - TextBreiteErgebnis) / 2, u);
            if (Daten.Platzhalter == PlatzhalterErgebnis)
                leerstelle(x, muster.BreiteErgebnis);
        }
        return;
    }

    // The written form: digit cells from L on, a gap after the thousands and millions digit.
    const double links = x + seite.GleichBreite;
    const double rechts = links + Stellen * zb;
    const double kaestchen = seite.Rechenkaestchen ? 0.4 * lb : 0.0;
    const auto zeile = [&](const std::string& text, int wer, int position, double v, double unten) {
        if (Daten.Platzhalter == position && !seite.LoesungaufPlatzhalter && !seite.Gespenster)
            return; // the pupil fills the whole line
        double j = links + 0.5 * lb;
        for (int i = 1; i <= Stellen; ++i) {
            const int k = Stellen - i;
            const char ch = i <= static_cast<int>(text.size()) ? text[static_cast<std::size_t>(i - 1)] : ' ';
            const bool versteckt = seite.Gespenster && !seite.LoesungaufPlatzhalter
                && k < static_cast<int>(Daten.Gespenstermuster.size())
                && Daten.Gespenstermuster[static_cast<std::size_t>(k)] == wer;
            if (versteckt) {
                if (ch != ' ' && seite.MitFragezeichen) {
                    const std::int32_t farbe = blatt.Schriftfarbe();
                    blatt.SchriftfarbeSetzen(FarbeSilber);
                    blatt.Text("?", j, v);
                    blatt.SchriftfarbeSetzen(farbe);
                }
            } else if (ch != ' ') {
                blatt.Text(std::string(1, ch), j, v);
            }
            if (seite.Gespenster && seite.MitX && ch == ' ') {
                const double l = j - 0.5 * lb;
                Strecke(blatt, l, v, l + zb, unten);
                Strecke(blatt, l + zb, v, l, unten);
            }
            j += zb;
            if (k == 3 || k == 6)
                j += 0.5 * lb;
        }
    };

    double v = y;
    zeile(Text1, 0, PlatzhalterOperand1, v, v + zh);
    v += zh;
    blatt.Text(Zeichen(Daten.Rechenzeichen), x, v);
    zeile(Text2, 1, PlatzhalterOperand2, v, v + zh + 0.4 * lb);
    v += zh + lb;
    Strecke(blatt, links, v, rechts, v);
    if (seite.Rechenkaestchen)
        Strecke(blatt, links, v - 0.4 * lb, rechts, v - 0.4 * lb);
    zeile(ErgebnisText, 2, PlatzhalterErgebnis, v, v + zh + kaestchen);
    v += zh + kaestchen;
    Strecke(blatt, links, v, rechts, v);
    if (!seite.Rechenkaestchen) {
        Strecke(blatt, links, v + 0.4 * lb, rechts, v + 0.4 * lb); // the result underlined twice
    } else {
        for (const double h : {y, y + zh, y + 2 * zh + lb})
            Strecke(blatt, links, h, rechts, h);
        for (int s = 0; s <= Stellen; ++s)
            Strecke(blatt, links + s * zb, y, links + s * zb, y + 3 * zh + 1.4 * lb);
    }
    if (seite.MitQuersumme)
        QuersummeZeichnen(seite, Daten.Quersumme, x, v);
}
