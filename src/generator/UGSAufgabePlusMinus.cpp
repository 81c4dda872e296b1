// SPDX-License-Identifier: GPL-3.0-or-later
// Addition and subtraction tasks: the three ways of choosing operands (digit places,
// operand-type combinations, all tasks of the number range) and the rules for crossing the
// ten and the hundred.

#include "generator/UGSAufgabe.h"

#include "generator/GeneratorIntern.h"

#include <algorithm>
#include <utility>

using namespace generator_intern;

namespace {

constexpr int KeinTyp = -1;

// The numbers 0..999 grouped by operand type, ascending within each type, so that the values
// a type can take are enumerated without scanning the whole range.
struct TTypwerte {
    std::array<std::int16_t, 1000> Werte{};
    std::array<std::int16_t, AnzahlTypen + 1> Anfang{};
};

constexpr TTypwerte TypwerteBauen()
{
    TTypwerte t{};
    int position = 0;
    for (int typ = 0; typ < AnzahlTypen; ++typ) {
        t.Anfang[typ] = static_cast<std::int16_t>(position);
        for (int v = 0; v < 1000; ++v) {
            if (TypVonZahl(v) == typ)
                t.Werte[position++] = static_cast<std::int16_t>(v);
        }
    }
    t.Anfang[AnzahlTypen] = static_cast<std::int16_t>(position);
    return t;
}

constexpr TTypwerte Typwerte = TypwerteBauen();

// Calls f(v) for the values of a type from lo to hi in increasing order until f returns true;
// returns whether it did.
template <class F>
bool TypwerteDurchgehen(int typ, std::int64_t lo, std::int64_t hi, F f)
{
    const auto* anfang = Typwerte.Werte.data() + Typwerte.Anfang[typ];
    const auto* ende = Typwerte.Werte.data() + Typwerte.Anfang[typ + 1];
    if (lo > hi || *anfang > hi || *(ende - 1) < lo)
        return false;
    for (auto* it = std::lower_bound(anfang, ende, lo); it != ende && *it <= hi; ++it) {
        if (f(*it))
            return true;
    }
    return false;
}

// Whether ZahlVomTyp(typ) can give a value in lo..hi for which passt holds (mindest: the
// smallest one-digit value, 0 or 1).
template <class P>
bool GibtTypwert(int typ, std::int64_t lo, std::int64_t hi, std::int32_t mindest, P passt)
{
    if (typ < 0 || typ >= AnzahlTypen)
        return lo <= 0 && hi >= 0 && passt(0);
    if (typ == TypE)
        lo = std::max<std::int64_t>(lo, mindest);
    return TypwerteDurchgehen(typ, lo, hi, passt);
}

// Whether one of the values start..ende satisfies passt. The conditions on first operands
// depend only on the last two digits, so 100 consecutive values decide it.
template <class P>
bool GibtWertAb(std::int64_t start, std::int64_t ende, P passt)
{
    ende = std::min(ende, start + 99);
    for (std::int64_t v = start; v <= ende; ++v) {
        if (passt(v))
            return true;
    }
    return false;
}

struct TBereich {
    std::int64_t Lo = 0;
    std::int64_t Hi = 0;
};

TBereich ErsterSummandBereich(const TGeneratorParameter& p, TTypPaar paar)
{
    TBereich bereich{0, p.HUModus == 2 ? 899 : 1000};
    if (p.HUModus == 2)
        bereich.Lo = std::max(0, 101 - MaxVonTyp(paar.Zweiter) % 100);
    bereich.Hi = std::min<std::int64_t>(bereich.Hi, p.Zahlenraum);
    return bereich;
}

bool ErsterSummandPasst(const TGeneratorParameter& p, std::int64_t a, TBereich bereich)
{
    if (a < bereich.Lo || a > bereich.Hi)
        return false;
    if (p.ZUModus == 2)
        return a % 10 >= 2;
    if (p.HUModus == 2)
        return a % 100 >= 2;
    return true;
}

std::int64_t OffenerSummandHi(const TGeneratorParameter& p)
{
    std::int64_t abzug = 0;
    if (p.HUModus == 2)
        abzug = p.ErgHunderter ? 100 : 101;
    else if (p.ZUModus == 2)
        abzug = p.ErgZehner ? 10 : 11;
    else if (!p.NullKommtVor)
        abzug = 1;
    return std::int64_t{p.Zahlenraum} - abzug;
}

bool OffenerSummandPasst(const TGeneratorParameter& p, std::int64_t a)
{
    if (p.ZUModus == 2)
        return a % 10 >= (p.ErgZehner ? 1 : 2);
    if (p.HUModus == 2)
        return a % 100 >= (p.ErgHunderter ? 1 : 2);
    return true;
}

std::int64_t MinuendLo(const TGeneratorParameter& p, std::int32_t mindest)
{
    std::int64_t lo = 2 * mindest;
    if (p.ZUModus == 2)
        lo = p.ErgZehner ? 10 : 11;
    if (p.HUModus == 2)
        lo = p.ErgHunderter ? 100 : 101;
    return lo;
}

bool MinuendPasst(const TGeneratorParameter& p, std::int64_t a, std::int64_t lo, TTypPaar paar)
{
    if (a < lo || a > p.Zahlenraum)
        return false;
    const int letzteZwei = static_cast<int>(a % 100);
    const int grenze = MaxVonTyp(paar.Zweiter) % 100;
    if (p.ZUModus == 2) {
        const int einer = static_cast<int>(a % 10);
        return einer >= 1 && einer <= 8 && (p.HUModus != 2 || letzteZwei < grenze);
    }
    if (p.HUModus == 2)
        return letzteZwei >= 1 && letzteZwei < grenze;
    return true;
}

std::int64_t OffenerMinuendLo(const TGeneratorParameter& p)
{
    std::int64_t lo = p.NullKommtVor ? 1 : 0;
    if (p.HUModus == 2)
        lo = p.ErgHunderter ? 100 : 101;
    else if (p.ZUModus == 2)
        lo = p.ErgZehner ? 10 : 11;
    return lo;
}

bool OffenerMinuendPasst(const TGeneratorParameter& p, std::int64_t a, std::int64_t lo)
{
    if (a < lo)
        return false;
    if (p.ZUModus == 2) {
        const int einer = static_cast<int>(a % 10);
        return einer >= 1 && einer <= 8;
    }
    if (p.HUModus == 2)
        return a % 100 >= 1;
    return true;
}

} // namespace

std::int32_t TGSAufgabengenerator::ZahlAusMaske(int operand)
{
    if (operand < 1 || operand > 2)
        return 0;
    const auto& kann = Stellenmaske[operand][1];
    const auto& muss = Stellenmaske[operand][2];
    std::int32_t v = 0;
    for (int bau = 1;; ++bau) {
        // The walk over all seven places costs about a draw more than the draws it makes.
        ++ArbeitFeld;
        v = 0;
        std::int32_t stellenwert = 1;
        for (int stelle = 1; stelle <= 7; ++stelle, stellenwert *= 10) {
            if (kann[stelle]) {
                const int m = muss[stelle] ? 1 : 0;
                v += (m + Random(10 - m)) * stellenwert;
            }
        }
        if (NullKommtVor || v != 0 || bau >= 101)
            return v;
    }
}

bool TGSAufgabengenerator::PlusErlaubt(std::int32_t a, std::int32_t b) const
{
    const int einer = a % 10 + b % 10;
    if (ZUModus == 0 && (ErgZehner ? einer >= 10 : einer > 10))
        return false;
    if (ZUModus == 2 && (ErgZehner ? einer < 10 : einer <= 10))
        return false;
    const int zweiStellen = a % 100 + b % 100;
    if (HUModus == 0 && (ErgHunderter ? zweiStellen >= 100 : zweiStellen > 100))
        return false;
    if (HUModus == 2 && (ErgHunderter ? zweiStellen < 100 : zweiStellen <= 100))
        return false;
    return true;
}

bool TGSAufgabengenerator::MinusErlaubt(std::int32_t a, std::int32_t b) const
{
    const int ea = a % 10;
    const int eb = b % 10;
    if (ZUModus == 0 && !(ErgZehner ? (ea > eb || eb == 0) : ea >= eb))
        return false;
    if (ZUModus == 2 && !(ErgZehner ? ea <= eb : ea < eb))
        return false;
    const int la = a % 100;
    const int lb = b % 100;
    if (HUModus == 0 && !(ErgHunderter ? (la > lb || lb == 0) : la >= lb))
        return false;
    if (HUModus == 2 && !(ErgHunderter ? la <= lb : la < lb))
        return false;
    return true;
}

bool TGSAufgabengenerator::ZweitenOperandenWaehlen(bool minus, std::int32_t a, std::int64_t bis, int typ,
                                                   std::int32_t& b, TFehler& fehler)
{
    const int grenze = static_cast<int>(std::clamp<std::int64_t>(bis, -1, 1000)); // -1: no candidate
    int anzahl = 0;
    bool nullGeprueft = false;
    // Walks the candidates 0..grenze (of the type, if one is given) in increasing order.
    const auto durchgehen = [&](auto f) {
        if (grenze < 0 || typ >= AnzahlTypen)
            return;
        if (typ == KeinTyp) {
            for (int v = 0; v <= grenze; ++v) {
                if (f(v))
                    return;
            }
        } else {
            TypwerteDurchgehen(typ, 0, grenze, [&](int v) { return f(v); });
        }
    };
    int angesehen = 0;
    durchgehen([&](int v) {
        const bool erlaubt = minus ? MinusErlaubt(a, v) : PlusErlaubt(a, v);
        Erlaubt[v] = erlaubt;
        anzahl += erlaubt ? 1 : 0;
        nullGeprueft = nullGeprueft || v == 0;
        ++angesehen;
        return false;
    });
    // Up to 1001 values are looked at (and again up to the pick) without a draw: the costly
    // part of a call under the crossing rules, so the pool build's budget counts it, one
    // value about as dear as one draw.
    ArbeitFeld += angesehen;
    if (!NullKommtVor && nullGeprueft && Erlaubt[0]) {
        Erlaubt[0] = false;
        --anzahl;
    }
    if (anzahl == 0) {
        fehler = {MeldungKonnteZu, MeldungKeinPassenderOperand, a};
        return false;
    }
    int k = Random(anzahl);
    durchgehen([&](int v) {
        if (Erlaubt[v] && k-- == 0) {
            b = v;
            return true;
        }
        return false;
    });
    return true;
}

bool TGSAufgabengenerator::ErsterSummandMoeglich(TTypPaar paar) const
{
    const TBereich bereich = ErsterSummandBereich(*this, paar);
    return GibtTypwert(paar.Erster, bereich.Lo, bereich.Hi, NullKommtVor ? 0 : 1,
                       [&](std::int64_t a) { return ErsterSummandPasst(*this, a, bereich); });
}

bool TGSAufgabengenerator::OffenerSummandMoeglich() const
{
    const std::int32_t mindest = NullKommtVor ? 0 : 1;
    return GibtWertAb(mindest, std::max<std::int64_t>(mindest, OffenerSummandHi(*this)),
                      [&](std::int64_t a) { return OffenerSummandPasst(*this, a); });
}

bool TGSAufgabengenerator::MinuendMoeglich(TTypPaar paar) const
{
    const std::int32_t mindest = NullKommtVor ? 0 : 1;
    const std::int64_t lo = MinuendLo(*this, mindest);
    return GibtTypwert(paar.Erster, lo, Zahlenraum, mindest,
                       [&](std::int64_t a) { return MinuendPasst(*this, a, lo, paar); });
}

bool TGSAufgabengenerator::OffenerMinuendMoeglich() const
{
    const std::int64_t start = NullKommtVor ? 0 : 2;
    const std::int64_t lo = OffenerMinuendLo(*this);
    const std::int64_t ende = std::max<std::int64_t>(start, Zahlenraum);
    // Below lo nothing passes; from there on the last two digits decide.
    const std::int64_t ab = std::max(start, lo);
    if (ab > ende)
        return false;
    return GibtWertAb(ab, ende, [&](std::int64_t a) { return OffenerMinuendPasst(*this, a, lo); });
}

std::int64_t TGSAufgabengenerator::KleinsteMaskenzahl(int operand) const
{
    std::int64_t v = 0;
    for (int stelle = 1; stelle <= 7; ++stelle) {
        if (Stellenmaske[operand][1][stelle] && Stellenmaske[operand][2][stelle])
            v += Zehnerpotenz(stelle - 1);
    }
    return v;
}

bool TGSAufgabengenerator::PlusSicherFehlschlag() const
{
    if (NurStellen)
        return KleinsteMaskenzahl(1) + KleinsteMaskenzahl(2) > Zahlenraum;
    if (NurKombinationen) {
        // A failed first addend sets the message in the first pass, and it is never cleared.
        if (PlusAnzahl < 1)
            return false;
        for (int i = 1; i <= PlusAnzahl; ++i) {
            if (ErsterSummandMoeglich(PlusPaare[i]))
                return false;
        }
        return true;
    }
    return !OffenerSummandMoeglich();
}

bool TGSAufgabengenerator::MinusSicherFehlschlag() const
{
    if (NurStellen)
        return false;
    if (NurKombinationen) {
        if (MinusAnzahl < 1)
            return false;
        for (int i = 1; i <= MinusAnzahl; ++i) {
            if (MinuendMoeglich(MinusPaare[i]))
                return false;
        }
        return true;
    }
    return !OffenerMinuendMoeglich();
}

void TGSAufgabengenerator::PlusAufgabe(TGSAufgabe& aufgabe)
{
    Mindestwert = NullKommtVor ? 0 : 1;
    TFehler fehler;
    std::int32_t a = 0;
    std::int32_t b = 0;

    if (NurStellen) {
        for (int paare = 0; paare < 101; ++paare) {
            a = ZahlAusMaske(1);
            b = ZahlAusMaske(2);
            if (std::int64_t{a} + b <= Zahlenraum)
                break;
        }
        if (std::int64_t{a} + b > Zahlenraum)
            fehler = {MeldungPlusZahlenraum};
    } else if (NurKombinationen) {
        // The message of a failed pass stays even when a later pass finds a task: the call
        // then counts as failed and is repeated.
        for (int durchgang = 0; durchgang < 10; ++durchgang) {
            ArbeitFeld += ArbeitJeDurchgang;
            const TTypPaar paar = PlusPaare[std::min(Random(PlusAnzahl) + 1, MaxPaare)];
            const TBereich bereich = ErsterSummandBereich(*this, paar);
            bool gefunden = false;
            // When no value of the type can pass, the 30 draws are skipped: the outcome is
            // the same whatever they would give.
            if (ErsterSummandMoeglich(paar)) {
                for (int zug = 0; zug < 30 && !gefunden; ++zug) {
                    a = ZahlVomTyp(paar.Erster);
                    gefunden = ErsterSummandPasst(*this, a, bereich);
                }
            }
            if (!gefunden) {
                fehler = {MeldungPlusErsterSummand};
                a = 102;
            }
            ZweitenOperandenWaehlen(false, a,
                                    std::min<std::int64_t>(MaxVonTyp(paar.Zweiter), std::int64_t{Zahlenraum} - a),
                                    paar.Zweiter, b, fehler);
            if (std::int64_t{a} + b <= Zahlenraum)
                break;
        }
    } else {
        const std::int64_t hi = OffenerSummandHi(*this);
        bool gefunden = false;
        if (OffenerSummandMoeglich()) {
            for (int zug = 0; zug < 100 && !gefunden; ++zug) {
                a = static_cast<std::int32_t>(ZufallVonBis(Mindestwert, hi));
                gefunden = OffenerSummandPasst(*this, a);
            }
        }
        if (!gefunden) {
            fehler = {MeldungPlusMinuend};
            a = 102;
        }
        if (ZUModus == 1 && HUModus == 1)
            b = static_cast<std::int32_t>(ZufallVonBis(Mindestwert, std::int64_t{Zahlenraum} - a));
        else
            ZweitenOperandenWaehlen(false, a, std::min<std::int64_t>(std::int64_t{Zahlenraum} - a, 1000 - a), KeinTyp,
                                    b, fehler);
    }
    PlusMinusAbschliessen(aufgabe, a, b, false, fehler);
}

void TGSAufgabengenerator::MinusAufgabe(TGSAufgabe& aufgabe)
{
    Mindestwert = NullKommtVor ? 0 : 1;
    TFehler fehler;
    std::int32_t a = 0;
    std::int32_t b = 0;

    if (NurStellen) {
        bool gefunden = false;
        for (int paare = 0; paare < 101 && !gefunden; ++paare) {
            a = ZahlAusMaske(1);
            b = ZahlAusMaske(2);
            bool annehmbar = !(a == b && !NullKommtVor);
            if (NegativPM == 0 && a < b)
                std::swap(a, b);
            if (std::int64_t{a} - b > Zahlenraum)
                annehmbar = false;
            gefunden = annehmbar;
        }
        if (!gefunden)
            fehler = {MeldungMinusStellen};
    } else if (NurKombinationen) {
        const TTypPaar paar = MinusPaare[std::min(Random(MinusAnzahl) + 1, MaxPaare)];
        const std::int64_t lo = MinuendLo(*this, Mindestwert);
        bool gefunden = false;
        if (MinuendMoeglich(paar)) {
            for (int zug = 0; zug < 100 && !gefunden; ++zug) {
                a = ZahlVomTyp(paar.Erster);
                gefunden = MinuendPasst(*this, a, lo, paar);
            }
        }
        if (!gefunden) {
            fehler = {MeldungMinusMinuend};
            a = 102;
        }
        std::int64_t bis = MaxVonTyp(paar.Zweiter);
        if (bis > a && NegativPM == 0)
            bis = NullKommtVor ? a : a - 1;
        if (bis < 0) {
            bis = 0;
            fehler = {MeldungKonnteZu, MeldungKeinOperand, a};
        }
        ZweitenOperandenWaehlen(true, a, bis, paar.Zweiter, b, fehler);
    } else {
        const std::int64_t lo = OffenerMinuendLo(*this);
        bool gefunden = false;
        if (OffenerMinuendMoeglich()) {
            for (int zug = 0; zug < 100 && !gefunden; ++zug) {
                a = static_cast<std::int32_t>(ZufallVonBis(2 * Mindestwert, Zahlenraum));
                gefunden = OffenerMinuendPasst(*this, a, lo);
            }
        }
        if (!gefunden) {
            fehler = {MeldungMinusMinuend};
            a = 102;
        }
        const std::int64_t oben = NegativPM == 0 ? std::int64_t{a} : std::int64_t{Zahlenraum} + Mindestwert;
        if (ZUModus == 1 && HUModus == 1)
            b = static_cast<std::int32_t>(ZufallVonBis(Mindestwert, oben - Mindestwert));
        else
            ZweitenOperandenWaehlen(true, a, NegativPM == 0 ? std::int64_t{a} - Mindestwert : 999, KeinTyp, b, fehler);
    }
    PlusMinusAbschliessen(aufgabe, a, b, true, fehler);
}

void TGSAufgabengenerator::PlusMinusAbschliessen(TGSAufgabe& aufgabe, std::int32_t a, std::int32_t b, bool minus,
                                                 TFehler fehler)
{
    NegativMachen(a, b, NegativPM, Begrenzt(minus ? std::int64_t{a} - b : std::int64_t{a} + b));
    std::int64_t ergebnis = minus ? std::int64_t{a} - b : std::int64_t{a} + b;
    // A typed number range near the 32-bit limit with negative numbers could give a result
    // that no task record holds (or wider than 10 characters): such a task is not made.
    if (!PasstInAufgabe(a, b, ergebnis)) {
        if (!fehler.Gesetzt())
            fehler = {MeldungZahlenraumZuGross};
        ergebnis = 0;
    }
    aufgabe.Operand1 = a;
    aufgabe.Operand2 = b;
    aufgabe.Ergebnis = static_cast<std::int32_t>(ergebnis);
    aufgabe.Rest = 0;
    aufgabe.Rechenzeichen = minus ? ZeichenMinus : ZeichenPlus;
    aufgabe.Platzhalter = PlatzhalterWaehlen(PlatzhalterPM);
    fehler.Eintragen(aufgabe.Fehlermeldung);
}
