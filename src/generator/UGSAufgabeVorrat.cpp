// SPDX-License-Identifier: GPL-3.0-or-later
// Building the pool and handing its tasks out.

#include "generator/UGSAufgabe.h"

#include "toolkit/Waechter.h"
#include "toolkit/Zufall.h"

#include <algorithm>
#include <utility>

namespace {

// The integer nearest to log10 m for m >= 1. Comparing m² with 10^(2e+1) decides it exactly;
// m² never equals an odd power of ten, so no half ever occurs and rounding halves to even
// needs no case of its own.
int NaechsterZehnerlogarithmus(std::uint64_t m)
{
    const std::uint64_t quadrat = m * m; // m <= 2^31, so m² < 10^19 fits
    int e = 0;
    std::uint64_t grenze = 10;
    while (quadrat >= grenze) {
        ++e;
        grenze *= 100;
    }
    return e;
}

} // namespace

void TGSAufgabengenerator::VorratErzeugen()
{
    Zufall.Neuseeden();
    VorratAnzahlFeld = 0;
    NaechsteFeld = 1;
    ArbeitFeld = 0;

    MultGewichte.Gueltig = false;
    DivGewichte.Gueltig = false;
    const TWertWaechter pufferung(Puffern, true);

    // The budget is only looked at where a retry would start, so a build that stays below it
    // draws exactly what unlimited retries draw. The first candidate makes at least one
    // operation call and always enters the pool.
    TGSAufgabe kandidat;
    for (int versuch = 1; versuch <= MaxVersuche && NaechsteFeld <= VorratGroesse && !AufbauAbbrechen(); ++versuch) {
        EineAufgabe(kandidat);
        for (int gemacht = 1; gemacht < MaxKandidaten && IstTrivial(kandidat) && !AufbauAbbrechen(); ++gemacht)
            EineAufgabe(kandidat);

        // A candidate the budget cut short (still failing or trivial) would not have been the
        // attempt's choice with its full retries; it only enters an empty pool, which must
        // hold the error task of a setting without any task.
        if (AufbauAbbrechen() && NaechsteFeld > 1 && (!kandidat.Fehlermeldung.empty() || IstTrivial(kandidat)))
            break;

        const auto ende = VorratFeld.begin() + NaechsteFeld;
        const bool doppelt =
            std::any_of(VorratFeld.begin() + 1, ende, [&](const TGSAufgabe& t) { return GleicheAufgabe(t, kandidat); });
        if (!doppelt)
            VorratFeld[NaechsteFeld++] = kandidat;
    }
    VorratAnzahlFeld = NaechsteFeld - 1;
    Gekuerzt = ArbeitFeld >= Arbeitsgrenze;

    // The swapped partners were rejected as duplicates above, so appending them adds no
    // duplicate; they stand behind all tasks made above.
    for (int a = 1; a <= VorratAnzahlFeld && NaechsteFeld <= VorratGroesse; ++a) {
        const TGSAufgabe& aufgabe = VorratFeld[a];
        if (aufgabe.Rechenzeichen == ZeichenPlus && aufgabe.Operand1 != aufgabe.Operand2) {
            TGSAufgabe getauscht = aufgabe;
            std::swap(getauscht.Operand1, getauscht.Operand2);
            VorratFeld[NaechsteFeld++] = getauscht;
        }
    }
    VorratAnzahlFeld = NaechsteFeld - 1;
    NaechsteFeld = 1;
    Wiederholen = false;
}

void TGSAufgabengenerator::NaechsteAufgabe(TGSAufgabe& aufgabe)
{
    if (Wiederholen) {
        aufgabe = Letzte;
        Wiederholen = false;
        return;
    }
    if (NaechsteFeld > VorratAnzahlFeld)
        MischenUndNeuBeginnen();
    aufgabe = VorratFeld[NaechsteFeld];
    Letzte = aufgabe;
    ++NaechsteFeld;
}

void TGSAufgabengenerator::MischenUndNeuBeginnen()
{
    // Each half is mixed in itself and only the middle third mixes across, so a task handed
    // out early in one pass tends to come early in the next as well.
    const int anzahl = VorratAnzahlFeld;
    const int h = anzahl / 2;
    const auto tauschen = [this](int i, int j) {
        if (i != j)
            std::swap(VorratFeld[i], VorratFeld[j]);
    };
    if (h > 2) {
        for (int n = 0; n < 301; ++n) {
            const int i = Random(h) + 1;
            const int j = Random(h) + 1;
            tauschen(i, j);
            const int k = h + Random(anzahl - h) + 1;
            const int l = h + Random(anzahl - h) + 1;
            tauschen(k, l);
        }
        const int t = anzahl / 3;
        if (t > 2) {
            for (int n = 0; n < 101; ++n) {
                const int i = t + Random(t);
                const int j = t + Random(t);
                tauschen(i, j);
            }
        }
    }
    NaechsteFeld = 1;
}

void TGSAufgabengenerator::LetzteWiederholen()
{
    Wiederholen = true;
}

bool TGSAufgabengenerator::GleicheAufgabe(const TGSAufgabe& a, const TGSAufgabe& b)
{
    if (a.Rechenzeichen != b.Rechenzeichen || a.Platzhalter != b.Platzhalter)
        return false;
    if (a.Operand1 == b.Operand1 && a.Operand2 == b.Operand2)
        return true;
    return a.Rechenzeichen == ZeichenPlus && a.Operand1 == b.Operand2 && a.Operand2 == b.Operand1;
}

bool TGSAufgabengenerator::IstTrivial(const TGSAufgabe& aufgabe) const
{
    const auto betrag = [](std::int32_t n) { return n < 0 ? -std::int64_t{n} : std::int64_t{n}; };
    const std::array<std::int64_t, 3> zahlen{betrag(aufgabe.Operand1), betrag(aufgabe.Operand2),
                                             betrag(aufgabe.Ergebnis)};
    if (MinimalwertAktiv) {
        if (std::any_of(zahlen.begin(), zahlen.end(), [this](std::int64_t x) { return x < Minimalwert; }))
            return true;
    }
    if (Keine10HochN) {
        std::int64_t groesste = *std::max_element(zahlen.begin(), zahlen.end());
        if (groesste == 0)
            groesste = 10;
        const int e = NaechsterZehnerlogarithmus(static_cast<std::uint64_t>(groesste));
        std::int64_t p = 1;
        for (int d = 0; d <= e; ++d, p *= 10) {
            for (const std::int64_t x : zahlen) {
                if (x % p == 0 && x / p <= 9)
                    return true;
            }
        }
    }
    return false;
}
