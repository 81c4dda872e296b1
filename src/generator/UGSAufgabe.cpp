// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/UGSAufgabe.h"

#include "generator/GeneratorIntern.h"
#include "toolkit/Zufall.h"

#include <algorithm>
#include <charconv>
#include <limits>

using namespace generator_intern;

const std::array<std::array<std::int32_t, 11>, 11> Gewichtstabelle{{
    {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3},
    {3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {3, 1, 4, 4, 4, 4, 5, 5, 5, 5, 3},
    {3, 1, 4, 4, 5, 4, 5, 6, 6, 6, 3},
    {3, 1, 4, 5, 5, 4, 5, 6, 6, 6, 3},
    {3, 1, 4, 4, 4, 4, 4, 4, 4, 4, 3},
    {3, 1, 5, 5, 5, 4, 4, 7, 7, 7, 3},
    {3, 1, 5, 6, 6, 4, 7, 5, 10, 9, 3},
    {3, 1, 5, 6, 6, 4, 7, 10, 5, 8, 3},
    {3, 1, 5, 6, 6, 4, 7, 9, 8, 5, 3},
    {3, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3},
}};

namespace generator_intern {

bool PasstInAufgabe(std::int64_t operand1, std::int64_t operand2, std::int64_t ergebnis)
{
    for (const std::int64_t n : {operand1, operand2, ergebnis}) {
        if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max()
            || Dezimalstellen(n) > 10)
            return false;
    }
    return true;
}

} // namespace generator_intern

TGSAufgabengenerator::TGSAufgabengenerator(TZufall& zufall) : Zufall(zufall)
{
    Zufall.Neuseeden();
    for (int n = 0; n <= 1000; ++n)
        TypVon[n] = TypVonZahl(n);
    Gewichte = Gewichtstabelle;
}

void TGSAufgabengenerator::TFehler::Eintragen(std::string& ziel) const
{
    if (Text == nullptr) {
        ziel.clear();
        return;
    }
    ziel.assign(Text);
    if (Danach != nullptr) {
        char puffer[24];
        const auto ende = std::to_chars(puffer, puffer + sizeof puffer, Zahl).ptr;
        ziel.append(puffer, ende);
        ziel.append(Danach);
    }
}

int TGSAufgabengenerator::Random(int n)
{
    ++ArbeitFeld;
    return Zufall.Random(n);
}

int TGSAufgabengenerator::RandomAnzahl(std::int64_t n)
{
    // The call is made even for an empty range, so that the order of draws does not depend
    // on whether a range happens to be empty.
    ++ArbeitFeld;
    if (n <= 0)
        return Zufall.Random(0);
    return Zufall.Random(static_cast<int>(std::min<std::int64_t>(n, std::numeric_limits<int>::max())));
}

std::int64_t TGSAufgabengenerator::ZufallVonBis(std::int64_t lo, std::int64_t hi)
{
    return lo + RandomAnzahl(hi - lo + 1);
}

std::int32_t TGSAufgabengenerator::ZahlVomTyp(int typcode)
{
    const auto ziffer = [this] { return Random(9) + 1; };
    switch (typcode) {
    case TypE:
        return Mindestwert + Random(10 - Mindestwert);
    case TypZ:
        return 10 * ziffer();
    case TypZE: {
        const int u = ziffer();
        const int z = ziffer();
        return 10 * z + u;
    }
    case TypH:
        return 100 * ziffer();
    case TypHE: {
        const int u = ziffer();
        const int h = ziffer();
        return 100 * h + u;
    }
    case TypHZ: {
        const int z = ziffer();
        const int h = ziffer();
        return 100 * h + 10 * z;
    }
    case TypHZE: {
        const int u = ziffer();
        const int z = ziffer();
        const int h = ziffer();
        return 100 * h + 10 * z + u;
    }
    default:
        return 0;
    }
}

std::int32_t TGSAufgabengenerator::PlatzhalterWaehlen(bool an)
{
    if (!an)
        return PlatzhalterErgebnis;
    std::array<std::int32_t, 3> stellen{};
    int anzahl = 0;
    if (PlatzhalterOp1)
        stellen[anzahl++] = PlatzhalterOperand1;
    if (PlatzhalterOp2)
        stellen[anzahl++] = PlatzhalterOperand2;
    if (PlatzhalterErg)
        stellen[anzahl++] = PlatzhalterErgebnis;
    if (anzahl == 0)
        return PlatzhalterErgebnis;
    return stellen[Random(anzahl)];
}

namespace {

// The smallest 32-bit value has no positive counterpart; it keeps its sign (such a number is
// too wide for a task anyway and is rejected by the operation).
void Umdrehen(std::int32_t& n)
{
    if (n != std::numeric_limits<std::int32_t>::min())
        n = -n;
}

} // namespace

void TGSAufgabengenerator::NegativMachen(std::int32_t& a, std::int32_t& b, std::uint8_t modus, std::int32_t wert)
{
    if (modus == 0)
        return;
    if (Random(10) <= 3)
        Umdrehen(a);
    if (modus == 1) {
        if (Random(10) <= 3)
            Umdrehen(b);
    } else if (modus == 2) {
        if (a >= 0 && wert >= 0)
            Umdrehen(b);
        else if (Random(10) <= 3)
            Umdrehen(b);
    }
}
