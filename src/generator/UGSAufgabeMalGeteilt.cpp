// SPDX-License-Identifier: GPL-3.0-or-later
// Multiplication and division tasks: times tables with weights and squares, written
// arithmetic by digit and zero counts, factor intervals, special products, and divisions
// with and without remainder.

#include "generator/UGSAufgabe.h"
#include "toolkit/Waechter.h"

#include "generator/GeneratorIntern.h"

#include <algorithm>
#include <limits>

using namespace generator_intern;

namespace {

constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

// Digit counts beyond 9 would leave the 32-bit range; the settings allow 1..7.
constexpr int Stellenzahl(std::int64_t n)
{
    return static_cast<int>(std::clamp<std::int64_t>(n, 1, 9));
}

std::int64_t KleinsterBetrag(std::int64_t von, std::int64_t bis)
{
    const std::int64_t lo = std::min(von, bis);
    const std::int64_t hi = std::max(von, bis);
    if (lo <= 0 && hi >= 0)
        return 0;
    return lo > 0 ? lo : -hi;
}

} // namespace

std::int32_t TGSAufgabengenerator::ZahlMitStellen(int k)
{
    if (k < 1 || k > 13)
        return 0;
    const auto& g = StellenGrenzen;
    const int d = Stellenzahl(ZufallVonBis(g[k], g[k + 1]));
    const std::int64_t zh = std::min<std::int64_t>(g[k + 3], d - 1);
    const std::int64_t zl = std::min<std::int64_t>(g[k + 2], zh);
    const int z = static_cast<int>(std::clamp<std::int64_t>(ZufallVonBis(zl, zh), 0, d - 1));
    const int n = std::max(1, d - z);
    std::int64_t lo = MinStellen(n);
    if (lo == 0)
        lo = Mindestwert;
    const std::int64_t v = ZufallVonBis(lo, MaxStellen(n));
    return static_cast<std::int32_t>(v * Zehnerpotenz(z)); // at most 9 digits
}

std::int64_t TGSAufgabengenerator::GrenzwertMitStellen(int k, bool groesster, std::int32_t mindest) const
{
    // Walks every digit and zero count ZahlMitStellen can choose, without drawing.
    const auto& g = StellenGrenzen;
    const int dVon = Stellenzahl(g[k]);
    const int dBis = Stellenzahl(std::max(g[k], g[k + 1]));
    std::int64_t grenzwert = groesster ? 0 : std::numeric_limits<std::int64_t>::max();
    for (int d = dVon; d <= dBis; ++d) {
        const std::int64_t zh = std::min<std::int64_t>(g[k + 3], d - 1);
        const std::int64_t zl = std::min<std::int64_t>(g[k + 2], zh);
        const int zVon = static_cast<int>(std::clamp<std::int64_t>(zl, 0, d - 1));
        const int zBis = static_cast<int>(std::clamp<std::int64_t>(zh, 0, d - 1));
        for (int z = zVon; z <= zBis; ++z) {
            const int n = std::max(1, d - z);
            const std::int64_t lo = MinStellen(n) == 0 ? mindest : MinStellen(n);
            const std::int64_t v = (groesster ? MaxStellen(n) : lo) * Zehnerpotenz(z);
            grenzwert = groesster ? std::max(grenzwert, v) : std::min(grenzwert, v);
        }
    }
    return grenzwert;
}

void TGSAufgabengenerator::GewichtslisteBauen(TGewichtsliste& liste,
                                              const std::array<std::array<bool, 21>, 21>& tabelle, bool gewichtet,
                                              bool quadrate) const
{
    std::int32_t summe = 0;
    for (int r = 0; r <= 20; ++r) {
        for (int c = 0; c <= 20; ++c) {
            std::int32_t gewicht = 0;
            if (tabelle[r][c])
                gewicht = gewichtet && r <= 10 && c <= 10 ? std::clamp(Gewichte[r][c], 0, 1000000) : 1;
            // Squares count whether or not the table holds them.
            if (quadrate && r == c && r >= 1 && r <= QuadratBis)
                ++gewicht;
            summe += gewicht;
            liste.Summe[21 * r + c] = summe;
        }
    }
    liste.Gesamt = summe;
    liste.Gueltig = true;
}

const TGSAufgabengenerator::TGewichtsliste& TGSAufgabengenerator::MultGewichtsliste()
{
    if (!Puffern || !MultGewichte.Gueltig)
        GewichtslisteBauen(MultGewichte, MultTabelle, SchwereMultHaeufiger, Quadrataufgaben);
    return MultGewichte;
}

const TGSAufgabengenerator::TGewichtsliste& TGSAufgabengenerator::DivGewichtsliste()
{
    if (!Puffern || !DivGewichte.Gueltig)
        GewichtslisteBauen(DivGewichte, DivTabelle, SchwereDivHaeufiger, false);
    return DivGewichte;
}

int TGSAufgabengenerator::Zelleziehen(const TGewichtsliste& liste)
{
    // The first cell at which the running sum, walked row by row, reaches x.
    const std::int32_t x = Random(liste.Gesamt) + 1;
    return static_cast<int>(std::lower_bound(liste.Summe.begin(), liste.Summe.end(), x) - liste.Summe.begin());
}

void TGSAufgabengenerator::DivTabelleBereinigen()
{
    DivTabelle[0].fill(false);
    const int spalten = std::clamp(MinErgebnisDiv, 0, 21);
    for (auto& zeile : DivTabelle)
        std::fill(zeile.begin(), zeile.begin() + spalten, false);
}

bool TGSAufgabengenerator::MalSicherFehlschlag()
{
    const std::int32_t mindest = NullKommtVorMultDiv ? 0 : 1;
    switch (MultArt) {
    case 0:
        return MultGewichtsliste().Gesamt == 0;
    case 1:
        return GrenzwertMitStellen(1, false, mindest) * GrenzwertMitStellen(5, false, mindest) > Int32Max;
    case 2:
        return KleinsterBetrag(Faktor1Von, Faktor1Bis) * KleinsterBetrag(Faktor2Von, Faktor2Bis) > Int32Max;
    case 3:
        return BesondereAnzahl <= 0;
    default:
        return false;
    }
}

bool TGSAufgabengenerator::GeteiltSicherFehlschlag()
{
    if (DivArt != 0)
        return false;
    // The call clears the table in the same way before it looks at it.
    DivTabelleBereinigen();
    return DivGewichtsliste().Gesamt == 0;
}

void TGSAufgabengenerator::SchriftlichMultiplizieren(std::int32_t& a, std::int32_t& b, TFehler& fehler)
{
    a = 0;
    b = 0;
    // Decided before drawing: when even the smallest factors give a product beyond the
    // 32-bit range, no draw can help.
    const std::int64_t kleinstesProdukt =
        GrenzwertMitStellen(1, false, Mindestwert) * GrenzwertMitStellen(5, false, Mindestwert);
    if (kleinstesProdukt <= Int32Max) {
        // Products that do not fit a task record (or are wider than 10 characters with their
        // sign) are drawn again; this keeps the chances of the fitting ones in proportion.
        for (int versuch = 0; versuch < 100; ++versuch) {
            a = ZahlMitStellen(1);
            b = ZahlMitStellen(5);
            NegativMachen(a, b, NegativMultDiv, 1);
            // Checking the product's width costs about as much as the draws themselves.
            ArbeitFeld += ArbeitJeProduktpruefung;
            if (PasstInAufgabe(a, b, std::int64_t{a} * b))
                return;
        }
    }
    fehler = {MeldungProduktStellen};
    a = 0;
    b = 0;
}

void TGSAufgabengenerator::MalAufgabe(TGSAufgabe& aufgabe)
{
    Mindestwert = NullKommtVorMultDiv ? 0 : 1;
    std::int32_t a = 0;
    std::int32_t b = 0;
    TFehler fehler;
    bool vorzeichenGesetzt = false;

    switch (MultArt) {
    case 0: {
        const TGewichtsliste& liste = MultGewichtsliste();
        if (liste.Gesamt > 0) {
            const int zelle = Zelleziehen(liste);
            a = zelle % 21; // column
            b = zelle / 21; // row: the times table
        } else {
            fehler = {MeldungKeinEinmaleins};
        }
        break;
    }
    case 1:
        SchriftlichMultiplizieren(a, b, fehler);
        vorzeichenGesetzt = true;
        break;
    case 2:
        a = static_cast<std::int32_t>(ZufallVonBis(std::min(Faktor1Von, Faktor1Bis), std::max(Faktor1Von, Faktor1Bis)));
        b = static_cast<std::int32_t>(ZufallVonBis(std::min(Faktor2Von, Faktor2Bis), std::max(Faktor2Von, Faktor2Bis)));
        break;
    case 3:
        if (BesondereAnzahl <= 0) {
            fehler = {MeldungKeinBesonderesProdukt};
        } else {
            const int index = std::min<int>(Random(BesondereAnzahl) + 1, BesondereProdukte.size() - 1);
            const TTypPaar paar = BesondereProdukte[index];
            a = ZahlVomTyp(paar.Erster);
            b = ZahlVomTyp(paar.Zweiter);
        }
        break;
    default:
        break;
    }
    if (!vorzeichenGesetzt)
        NegativMachen(a, b, NegativMultDiv, 1);

    std::int64_t produkt = std::int64_t{a} * b;
    if (!PasstInAufgabe(a, b, produkt)) {
        if (!fehler.Gesetzt())
            fehler = {MultArt == 1 ? MeldungProduktStellen : MeldungProduktFaktoren};
        produkt = 0;
    }
    aufgabe.Operand1 = a;
    aufgabe.Operand2 = b;
    aufgabe.Ergebnis = static_cast<std::int32_t>(produkt);
    aufgabe.Rest = 0;
    aufgabe.Rechenzeichen = ZeichenMal;
    aufgabe.Platzhalter = PlatzhalterWaehlen(PlatzhalterMultDiv);
    fehler.Eintragen(aufgabe.Fehlermeldung);
}

void TGSAufgabengenerator::Restverschieben(std::int32_t& dividend, std::int32_t divisor)
{
    // A non-zero offset within one divisor of the multiple, keeping the dividend at least
    // Mindestwert and, where it was at most 100, at most 100.
    const std::int32_t g = std::max(1 - divisor, Mindestwert - dividend);
    std::int32_t h = std::min(divisor - 1, 100 - dividend) - 1;
    if (h < g)
        h = g;
    std::int32_t o = static_cast<std::int32_t>(ZufallVonBis(g, h));
    if (o >= 0)
        ++o;
    dividend += o;
}

void TGSAufgabengenerator::SchriftlichMitRest(std::int32_t& dividend, std::int32_t& divisor)
{
    // When no pair can be accepted, the task is the last of the 501 pairs, which is
    // distributed like a single pair: one pair is drawn instead.
    const std::int64_t groessterDividend = GrenzwertMitStellen(9, true, Mindestwert);
    const std::int64_t groessterDivisor = GrenzwertMitStellen(13, true, Mindestwert);
    const std::int64_t kleinsterDivisor = GrenzwertMitStellen(13, false, 1);
    const bool annehmbar = groessterDividend > 0 && groessterDivisor > 0
        && (MinErgebnisDiv <= 0 || groessterDividend / kleinsterDivisor >= MinErgebnisDiv);
    const int paare = annehmbar ? 501 : 1;
    for (int n = 0; n < paare; ++n) {
        dividend = ZahlMitStellen(9);
        divisor = ZahlMitStellen(13);
        if (divisor > 0 && dividend % divisor != 0 && dividend / divisor >= MinErgebnisDiv)
            return;
    }
    // Without an accepted pair the last one stays; a divisor 0 there is drawn once more as
    // the divisor is drawn for divisions without remainder (Mindestwert 1), so it is at
    // least 1 and keeps its digit and zero counts.
    if (divisor == 0) {
        const TWertWaechter mindestens(Mindestwert, std::int32_t{1});
        divisor = ZahlMitStellen(13);
    }
}

void TGSAufgabengenerator::SchriftlichOhneRest(std::int32_t& dividend, std::int32_t& divisor, TFehler& fehler)
{
    const auto& g = StellenGrenzen;
    const std::int64_t dividendMin = MinStellen(Stellenzahl(g[9]));
    const std::int64_t dividendMax = MaxStellen(Stellenzahl(g[10]));
    std::int64_t quotient = 0;
    for (int versuch = 0; versuch < 101; ++versuch) {
        {
            const TWertWaechter mindestens(Mindestwert, std::int32_t{1}); // the divisor is never 0
            divisor = ZahlMitStellen(13);
        }

        int nullen = 0;
        for (std::int32_t rest = divisor; rest % 10 == 0; rest /= 10)
            ++nullen;
        const std::int64_t zl = std::max<std::int64_t>(0, std::int64_t{g[11]} - nullen);
        const std::int64_t zh = std::max<std::int64_t>(std::int64_t{g[12]} - nullen, zl);
        int q0 = static_cast<int>(std::min<std::int64_t>(ZufallVonBis(zl, zh), 9));

        // Fewer quotient zeros are tried while the quotient range is 10 or narrower.
        std::int64_t p = 1;
        std::int64_t ql = 0;
        std::int64_t qh = 0;
        do {
            // Two 64-bit divisions and a power of ten: about a draw's cost per step, and up to
            // ten steps for a quotient with many zeros.
            ++ArbeitFeld;
            p = Zehnerpotenz(q0);
            ql = dividendMin / (p * divisor);
            qh = dividendMax / (p * divisor);
            if (!NullKommtVorMultDiv && ql == 0)
                ql = 1;
            --q0;
        } while (!(qh - ql > 10 || q0 < 0));
        if (ql < MinErgebnisDiv && MinErgebnisDiv <= qh)
            ql = MinErgebnisDiv;
        quotient = ZufallVonBis(ql, qh) * p;
        // Below 10^9 for digit counts up to 9: qh·p·divisor stays within the dividend's
        // largest value, and the loop ends with p = 1 whenever ql may exceed qh.
        dividend = static_cast<std::int32_t>(divisor * quotient);
        if (quotient >= MinErgebnisDiv)
            return;
    }
    fehler = {MeldungOhneRestVorne, MeldungOhneRestHinten, MinErgebnisDiv};
}

void TGSAufgabengenerator::GeteiltAufgabe(TGSAufgabe& aufgabe)
{
    Mindestwert = NullKommtVorMultDiv ? 0 : 1;
    std::int32_t dividend = 0;
    std::int32_t divisor = 1;
    TFehler fehler;

    std::uint8_t modus = Restmodus;
    if (modus == 1)
        modus = Random(10) >= 5 ? 2 : 0;
    const bool mitRest = modus == 2;

    if (DivArt == 0) {
        DivTabelleBereinigen();
        const TGewichtsliste& liste = DivGewichtsliste();
        if (liste.Gesamt == 0) {
            fehler = {MeldungKeinDivEinmaleins};
        } else {
            // A divisor 1 leaves no remainder, so with a remainder it is picked again.
            for (int picks = 1;; ++picks) {
                const int zelle = Zelleziehen(liste);
                divisor = zelle / 21;
                dividend = divisor * (zelle % 21);
                if (!(mitRest && divisor == 1 && picks < 50))
                    break;
            }
            if (mitRest)
                Restverschieben(dividend, divisor);
        }
    } else if (DivArt == 1) {
        if (mitRest)
            SchriftlichMitRest(dividend, divisor);
        else
            SchriftlichOhneRest(dividend, divisor, fehler);
    }

    NegativMachen(dividend, divisor, NegativMultDiv, 1);
    const std::int32_t ergebnis = dividend / divisor; // C++ truncates toward zero
    aufgabe.Operand1 = dividend;
    aufgabe.Operand2 = divisor;
    aufgabe.Ergebnis = ergebnis;
    aufgabe.Rest = dividend - ergebnis * divisor;
    aufgabe.Rechenzeichen = ZeichenGeteilt;
    aufgabe.Platzhalter = PlatzhalterWaehlen(PlatzhalterMultDiv);
    fehler.Eintragen(aufgabe.Fehlermeldung);
}
