// SPDX-License-Identifier: GPL-3.0-or-later
// One task on the page: its record from the generator, its digit sum, its printed texts and
// its measurements against the template of its column.

#include "sheet/USeite.h"

#include "generator/UGSAufgabe.h"
#include "sheet/UBlatt.h"
#include "toolkit/Steuerelemente.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// |v| without overflow for the smallest value.
std::uint64_t Betrag(std::int64_t v)
{
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

// Digit k of |v|, k = 0 the units.
std::int32_t Ziffer(std::int64_t v, int k)
{
    std::uint64_t w = Betrag(v);
    for (int i = 0; i < k; ++i)
        w /= 10;
    return static_cast<std::int32_t>(w % 10);
}

void Wachsen(double& muster, double wert)
{
    muster = std::max(muster, wert);
}

std::string LinksAufgefuellt(const std::string& text, int stellen)
{
    const auto laenge = static_cast<std::size_t>(stellen);
    return text.size() >= laenge ? text : std::string(laenge - text.size(), ' ') + text;
}

// A code outside the table can only come from a record nobody checked; it gets a sign that
// shows the fault instead of reading past the table.
const char* Zeichensymbol(std::uint8_t rechenzeichen)
{
    return rechenzeichen < Rechenzeichensymbole.size() ? Rechenzeichensymbole[rechenzeichen] : "?";
}

} // namespace

std::int32_t Quersumme(std::int64_t v)
{
    std::uint64_t w = Betrag(v);
    std::int32_t summe = 0;
    while (w > 0) {
        summe += static_cast<std::int32_t>(w % 10);
        w /= 10;
    }
    return summe;
}

std::string ZahlText(std::int64_t v)
{
    const std::string ziffern = std::to_string(Betrag(v));
    std::string text = v < 0 ? "-" : "";
    // The leftmost group takes what is left over; every further group has three digits.
    std::size_t gruppe = ziffern.size() % 3 == 0 ? 3 : ziffern.size() % 3;
    for (std::size_t i = 0; i < ziffern.size(); i += gruppe, gruppe = 3) {
        if (i > 0)
            text += ' ';
        text.append(ziffern, i, gruppe);
    }
    return text;
}

int StellenZahl(std::int64_t v)
{
    return static_cast<int>(std::to_string(Betrag(v)).size());
}

std::string TSeite::NummerText(int n) const
{
    return ::NummerText(n, NummernMitZiffern, ZeichenNachNummer);
}

std::string NummerText(int n, bool mitZiffern, const std::string& zeichenNachNummer)
{
    std::string text;
    if (mitZiffern) {
        text = std::to_string(n);
    } else {
        // Running numbers start at 1; the modulo is kept non-negative all the same.
        const int index = n - 1;
        const int buchstabe = ((index % 26) + 26) % 26;
        text = std::string(1, static_cast<char>('a' + buchstabe));
        if (index / 26 > 0)
            text += std::to_string(index / 26);
    }
    return text + zeichenNachNummer;
}

std::string TSeite::OperandText(std::int64_t v) const
{
    std::string text = ZahlText(v);
    if (PositiveKlammern && v > 0)
        text = "+" + text;
    if (v < 0 || PositiveKlammern)
        text = "( " + text + " )";
    return text;
}

void TAufgabe::Neu(TGSAufgabengenerator& generator)
{
    generator.NaechsteAufgabe(Daten);
    // The list shows the first message of a layout pass only; the pass empties it first.
    if (IstFehler() && Seite->Fehlerliste != nullptr && Seite->Fehlerliste->Lines().empty())
        Seite->Fehlerliste->Add(Daten.Fehlermeldung);
    BerechneQuersumme();
}

void TAufgabe::BerechneQuersumme()
{
    if (Seite->Gespenster) {
        // The check value of a ghost task is the sum of the hidden digits.
        std::int32_t summe = 0;
        for (std::size_t k = 0; k < Daten.Gespenstermuster.size(); ++k) {
            const int spalte = static_cast<int>(k);
            switch (Daten.Gespenstermuster[k]) {
            case 0:
                summe += Ziffer(Daten.Operand1, spalte);
                break;
            case 1:
                summe += Ziffer(Daten.Operand2, spalte);
                break;
            case 2:
                summe += Ziffer(Daten.Ergebnis, spalte);
                break;
            default:
                break;
            }
        }
        Daten.Quersumme = summe;
        return;
    }
    switch (Daten.Platzhalter) {
    case PlatzhalterOperand1:
        Daten.Quersumme = Quersumme(Daten.Operand1);
        break;
    case PlatzhalterOperand2:
        Daten.Quersumme = Quersumme(Daten.Operand2);
        break;
    case PlatzhalterErgebnis:
        Daten.Quersumme = Quersumme(Daten.Ergebnis) + Quersumme(Daten.Rest);
        break;
    default:
        break; // no blank: the stored value stands
    }
}

void TAufgabe::Messen(int nummer, int spalte)
{
    TSeite& s = *Seite;
    TBlatt& blatt = *s.Blatt;

    if (s.Schriftlich) {
        Text1 = std::to_string(Daten.Operand1);
        Text2 = std::to_string(Daten.Operand2);
    } else {
        Text1 = s.OperandText(Daten.Operand1);
        Text2 = s.OperandText(Daten.Operand2);
    }

    while (static_cast<int>(s.Spaltenmuster.size()) <= spalte)
        s.Spaltenmuster.push_back(std::make_unique<TAufgabe>(s));
    TAufgabe& p = *s.Spaltenmuster[static_cast<std::size_t>(spalte)];

    s.Schriftsetzen(s.SchriftNummerierung, s.GroesseNummerierung);
    NummerBreite = blatt.Textbreite(s.NummerText(nummer));
    Wachsen(p.NummerBreite, NummerBreite);

    s.Schriftsetzen(s.SchriftAufgaben, s.GroesseAufgaben);
    if (s.Schriftlich) {
        // The written form shows no remainder; all three lines share the column's width.
        ErgebnisText = std::to_string(Daten.Ergebnis);
        const auto laengste = std::max({ErgebnisText.size(), Text1.size(), Text2.size()});
        p.Stellen = std::max(p.Stellen, static_cast<int>(laengste));
        Stellen = p.Stellen;
        Text1 = LinksAufgefuellt(Text1, Stellen);
        Text2 = LinksAufgefuellt(Text2, Stellen);
        ErgebnisText = LinksAufgefuellt(ErgebnisText, Stellen);

        double breite = Stellen * s.ZifferBreite + s.GleichBreite + 0.5 * s.LeerBreite;
        if (Stellen > 3)
            breite += 0.5 * s.LeerBreite;
        if (Stellen > 6)
            breite += 0.5 * s.LeerBreite;
        breite += s.Spaltenabstand;
        Wachsen(p.Gesamtbreite, breite);
        Gesamtbreite = p.Gesamtbreite;
    } else {
        // A blank is as wide as the pupil's handwriting needs for the digits it hides.
        TextBreite1 = blatt.Textbreite(Text1);
        Breite1 = Daten.Platzhalter == PlatzhalterOperand1 ? StellenZahl(Daten.Operand1) * s.ZifferBreite : TextBreite1;
        Wachsen(p.Breite1, Breite1);

        TextBreite2 = blatt.Textbreite(Text2);
        Breite2 = Daten.Platzhalter == PlatzhalterOperand2 ? StellenZahl(Daten.Operand2) * s.ZifferBreite : TextBreite2;
        Wachsen(p.Breite2, Breite2);

        BreiteZeichen = blatt.Textbreite(Zeichensymbol(Daten.Rechenzeichen));
        Wachsen(p.BreiteZeichen, BreiteZeichen);

        ErgebnisText = ZahlText(Daten.Ergebnis);
        if (Daten.Rest != 0)
            ErgebnisText += " R " + ZahlText(Daten.Rest);
        TextBreiteErgebnis = blatt.Textbreite(ErgebnisText);
        // The result's blank counts characters, so "3 R 2" leaves room for all five.
        if (s.NurRechnung)
            BreiteErgebnis = 0;
        else if (Daten.Platzhalter == PlatzhalterErgebnis)
            BreiteErgebnis = static_cast<double>(ErgebnisText.size()) * s.ZifferBreite;
        else
            BreiteErgebnis = TextBreiteErgebnis;
        Wachsen(p.BreiteErgebnis, BreiteErgebnis);

        Gesamtbreite = p.Breite1 + p.BreiteZeichen + p.Breite2 + s.GleichBreite + p.BreiteErgebnis + 4 * s.LeerBreite
            + s.Spaltenabstand;
        if (s.NurRechnung)
            Gesamtbreite -= s.GleichBreite + 2 * s.LeerBreite;
        p.Gesamtbreite = Gesamtbreite;
    }
    // The template keeps the column without its label, which the drawing places separately.
    if (s.Nummerierung)
        Gesamtbreite += p.NummerBreite + s.NummerAbstand;

    switch (Daten.Platzhalter) {
    case PlatzhalterOperand1:
        LoesungsText = ZahlText(Daten.Operand1);
        break;
    case PlatzhalterOperand2:
        LoesungsText = ZahlText(Daten.Operand2);
        break;
    case PlatzhalterErgebnis:
        LoesungsText = ErgebnisText;
        break;
    default:
        LoesungsText.clear();
        break;
    }
    LoesungsText += ';';

    s.Schriftsetzen(s.SchriftLoesungen, s.GroesseLoesungen);
    LoesungsBreite = blatt.Textbreite(LoesungsText) + s.LeerBreiteLoesung;
    Wachsen(p.LoesungsBreite, LoesungsBreite);
    LoesungsBreite = s.Loesungsspalte ? p.LoesungsBreite : 0;
}
