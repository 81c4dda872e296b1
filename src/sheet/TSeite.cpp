// SPDX-License-Identifier: GPL-3.0-or-later
// The page and its rows: the layout pass that decides how many tasks stand in a row and how
// many rows stand on the sheet, and the shuffled order of the solution column.

#include "sheet/USeite.h"

#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "generator/UGSAufgabe.h"
#include "sheet/UBlatt.h"
#include "toolkit/Steuerelemente.h"
#include "toolkit/Zufall.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

TSeite::TSeite(TGSAufgabengenerator& generator, TBlatt& blatt, TZufall& zufall, bool vorratErzeugen)
    : Generator(&generator), Blatt(&blatt), Zufall(zufall)
{
    if (vorratErzeugen)
        Generator->VorratErzeugen();
}

void TSeite::Schriftsetzen(const TSchrift& schrift, int groesse) const
{
    Blatt->SchriftSetzen(schrift, groesse);
}

void TSeite::Aufbauen(bool neu)
{
    Layout(neu, nullptr, 0);
    Mischen();
}

void TSeite::SeiteLaden(TLoadSave& strom, int dateiversion, bool verborgeneZeilen)
{
    // Rows the file does not hold are filled with new tasks.
    Layout(true, &strom, dateiversion, verborgeneZeilen);
    // The order stays unless it no longer describes this page; then the solutions stand in
    // order until the next Aufbauen shuffles.
    const std::size_t n = static_cast<std::size_t>(ZeilenZahl) * static_cast<std::size_t>(SpaltenZahl);
    if (Reihenfolge.size() != n + 1) {
        Reihenfolge.resize(n + 1);
        std::iota(Reihenfolge.begin(), Reihenfolge.end(), 0);
    }
}

double TSeite::Kopfblockhoehe(const TMemo* zeilen, const TSchrift& schrift, int groesse) const
{
    Schriftsetzen(schrift, groesse);
    const auto anzahl = zeilen != nullptr ? zeilen->Lines().size() : 0;
    double hoehe = static_cast<double>(anzahl) * Blatt->Texthoehe("Mg") * 1.1;
    if (hoehe > 0.1)
        hoehe += Blatt->Texthoehe("m") / 2;
    return hoehe;
}

// The tasks a layout pass without new tasks must not show twice. A row measures one task
// beyond those that fit, and after a new page that task also opens the next row; when a
// layout change lets the row hold it, it would stand at both places. So a task that comes
// into view is compared with every task shown before the pass and those placed since, and
// drawn anew while it equals one of them; tasks shown before keep their places (a task typed
// in by hand among them).
struct TDoppelsperre {
    std::vector<const TAufgabe*> Vorher;
    std::vector<const TAufgabe*> Seither;

    bool WarSichtbar(const TAufgabe& aufgabe) const
    {
        return std::find(Vorher.begin(), Vorher.end(), &aufgabe) != Vorher.end();
    }
    bool Doppelt(const TAufgabe& aufgabe) const
    {
        const auto gleich = [&](const TAufgabe* andere) {
            return andere != &aufgabe && TGSAufgabengenerator::GleicheAufgabe(andere->Daten, aufgabe.Daten);
        };
        return std::any_of(Vorher.begin(), Vorher.end(), gleich) || std::any_of(Seither.begin(), Seither.end(), gleich);
    }
};

namespace {

template <class TZeiger, class TDieSeite>
std::vector<std::vector<TZeiger>> Gezeigte(TDieSeite& seite)
{
    std::vector<std::vector<TZeiger>> zeilen;
    for (int r = 0; r < seite.ZeilenZahl && r < static_cast<int>(seite.Zeilen.size()); ++r) {
        const auto& aufgaben = seite.Zeilen[static_cast<std::size_t>(r)]->Aufgaben;
        auto& zeile = zeilen.emplace_back();
        for (int c = 0; c < seite.SpaltenZahl && c < static_cast<int>(aufgaben.size()); ++c)
            zeile.push_back(aufgaben[static_cast<std::size_t>(c)].get());
    }
    return zeilen;
}

} // namespace

std::vector<std::vector<TAufgabe*>> TSeite::GezeigteAufgaben()
{
    return Gezeigte<TAufgabe*>(*this);
}

std::vector<std::vector<const TAufgabe*>> TSeite::GezeigteAufgaben() const
{
    return Gezeigte<const TAufgabe*>(*this);
}

void TSeite::Layout(bool neu, TLoadSave* strom, int dateiversion, bool verborgeneZeilen)
{
    TDoppelsperre gezeigt;
    if (!neu && strom == nullptr) {
        for (const auto& zeile : std::as_const(*this).GezeigteAufgaben())
            gezeigt.Vorher.insert(gezeigt.Vorher.end(), zeile.begin(), zeile.end());
    }
    // Until the pass is complete the page shows no task, so that a file that breaks off in
    // the middle of the block leaves nothing half measured to draw.
    ZeilenZahl = 0;
    SpaltenZahl = 0;

    Schriftsetzen(SchriftAufgaben, GroesseAufgaben);
    GleichBreite = Blatt->Textbreite("=");
    LeerBreite = Blatt->Textbreite(" ");
    TextHoehe = Blatt->Texthoehe("1234567890E");

    Textblockhoehe = Schriftlich ? 3 * TextHoehe : TextHoehe;
    Zeilenhoehe = Textblockhoehe;
    // The pupil's handwriting needs its room even where the print is smaller.
    if (Schriftlich)
        Zeilenhoehe = std::max(Zeilenhoehe, 3 * ZifferHoehe);
    else
        Zeilenhoehe = std::max(Zeilenhoehe, ZifferHoehe);

    Schriftsetzen(SchriftLoesungen, GroesseLoesungen);
    LoesungsHoehe = Blatt->Texthoehe("1234567890");
    if (MitQuersumme)
        Zeilenhoehe += 1.1 * LoesungsHoehe;
    LeerBreiteLoesung = Blatt->Textbreite(" ");

    NutzBreite = Blatt->BlattBreite - (RandLinks + RandRechts);
    NutzHoehe = Blatt->BlattHoehe - (RandOben + RandUnten);

    UeberschriftHoehe = Kopfblockhoehe(Ueberschrift, SchriftUeberschrift, GroesseUeberschrift);
    AnweisungHoehe = Kopfblockhoehe(Anweisung, SchriftAnweisung, GroesseAnweisung);
    NamenszeileHoehe = 0;
    if (Namenszeile) {
        // The line as high as a line of the work instruction, with room below it to write.
        Schriftsetzen(SchriftAnweisung, GroesseAnweisung);
        NamenszeileHoehe = 2.2 * Blatt->Texthoehe("Mg");
    }
    Kopfhoehe = NamenszeileHoehe + UeberschriftHoehe + AnweisungHoehe;

    Spaltenmuster.clear();
    if (Fehlerliste != nullptr)
        Fehlerliste->Clear();

    int dateizeilen = 0;
    if (strom != nullptr) {
        dateizeilen = strom->ReadInteger();
        if (dateizeilen < 0 || dateizeilen > GroessteBlockzahl) {
            throw ERangeError("Die Datei nennt " + std::to_string(dateizeilen) + " Aufgabenzeilen; möglich sind 0 bis "
                              + std::to_string(GroessteBlockzahl) + ".");
        }
    }

    int spalten = 10000;
    int i = 1;
    int erste = 1;
    for (;;) {
        const auto index = static_cast<std::size_t>(i - 1);
        if (index >= Zeilen.size())
            Zeilen.push_back(std::make_unique<TAufgabenZeile>(*this, *Generator));
        TAufgabenZeile& zeile = *Zeilen[index];
        const TAufgabenZeile* oben = i > 1 ? Zeilen[index - 1].get() : nullptr;

        if (strom != nullptr && i <= dateizeilen)
            zeile.ZeileLaden(*strom, erste, dateiversion);
        else
            zeile.Fuellen(neu, erste, oben, neu || strom != nullptr ? nullptr : &gezeigt);

        spalten = std::min(spalten, zeile.Anzahl);
        erste += spalten;
        ++i;

        if (i - 1 >= GroessteZeilenzahl)
            break;
        if (GenauFestlegen) {
            if (i - 1 >= ZeilenAnzahl)
                break;
        } else if (Zeilenhoehe > NutzHoehe - Kopfhoehe - (Zeilenhoehe + Zeilenabstand) * i) {
            break;
        }
    }

    if (strom != nullptr) {
        int zeilen = i - 1;
        for (; verborgeneZeilen && zeilen < dateizeilen; ++zeilen) {
            if (static_cast<std::size_t>(zeilen) >= Zeilen.size())
                Zeilen.push_back(std::make_unique<TAufgabenZeile>(*this, *Generator));
            Zeilen[static_cast<std::size_t>(zeilen)]->ZeileLaden(*strom, erste, dateiversion);
        }
        // Rows beyond those now read or shown belong to the page before.
        if (Zeilen.size() > static_cast<std::size_t>(zeilen))
            Zeilen.erase(Zeilen.begin() + zeilen, Zeilen.end());
    }

    ZeilenZahl = i - 1;
    SpaltenZahl = spalten;
    // Without a fixed count the rows spread over the whole usable height.
    ZeilenabstandIst = GenauFestlegen ? Zeilenabstand : (NutzHoehe - Kopfhoehe) / ZeilenZahl - Zeilenhoehe;
    ZeilenEnde = RandOben + Kopfhoehe + (Zeilenhoehe + ZeilenabstandIst) * ZeilenZahl;
    PlatzZaehlen();
}

void TSeite::PlatzZaehlen()
{
    // Without chosen counts the page takes only what fits, spreading rows and columns.
    if (!GenauFestlegen) {
        ZeilenPassen = ZeilenZahl;
        SpaltenPassen = SpaltenZahl;
        return;
    }
    // A little slack, so that a row that fits exactly is not reported for a rounding error.
    constexpr double Toleranz = 1e-6;
    ZeilenPassen = 0;
    while (ZeilenPassen < ZeilenZahl
           && Kopfhoehe + (ZeilenPassen + 1) * Zeilenhoehe + ZeilenPassen * ZeilenabstandIst <= NutzHoehe + Toleranz)
        ++ZeilenPassen;
    // The columns as the drawing places them: each as wide as its widest task with its label
    // and solution, the last without the gap after it unless the solution column follows.
    SpaltenPassen = 0;
    double breite = Loesungsspalte ? 0 : -Spaltenabstand;
    for (int c = 0; c < SpaltenZahl && c < static_cast<int>(Spaltenmuster.size()); ++c) {
        breite += Spaltenbreite(c);
        if (breite > NutzBreite + Toleranz)
            break;
        ++SpaltenPassen;
    }
}

double TSeite::Spaltenbreite(int c) const
{
    const TAufgabe& p = *Spaltenmuster[static_cast<std::size_t>(c)];
    return p.Gesamtbreite + (Nummerierung ? p.NummerBreite + NummerAbstand : 0)
        + (Loesungsspalte ? p.LoesungsBreite : 0);
}

void TSeite::Mischen()
{
    const int n = ZeilenZahl * SpaltenZahl;
    Reihenfolge.resize(static_cast<std::size_t>(n) + 1);
    std::iota(Reihenfolge.begin(), Reihenfolge.end(), 0);
    for (int j = 0; j < n; ++j) {
        const int a = Zufall.Random(n) + 1;
        const int b = Zufall.Random(n) + 1;
        std::swap(Reihenfolge[static_cast<std::size_t>(a)], Reihenfolge[static_cast<std::size_t>(b)]);
    }
}

void TAufgabenZeile::Fuellen(bool neu, int erste, const TAufgabenZeile* oben, TDoppelsperre* gezeigt)
{
    double summe = 0;
    for (int k = 0;; ++k) {
        const auto index = static_cast<std::size_t>(k);
        if (index >= Aufgaben.size()) {
            Aufgaben.push_back(std::make_unique<TAufgabe>(*Seite));
            Aufgaben.back()->Neu(*Generator);
        } else {
            Aufgaben[index]->BerechneQuersumme();
            if (neu)
                Aufgaben[index]->Neu(*Generator);
        }
        // One retry only: a small pool may offer nothing else, and the row must end.
        TAufgabe& aufgabe = *Aufgaben[index];
        const auto wieOben = [&] {
            return oben != nullptr && index < oben->Aufgaben.size()
                && TGSAufgabengenerator::GleicheAufgabe(oben->Aufgaben[index]->Daten, aufgabe.Daten);
        };
        if (wieOben())
            aufgabe.Neu(*Generator);
        const double bisher = summe;
        bool voll = MessenUndVoll(k, erste, summe);
        // A task that stays unseen keeps what it holds (a saved page writes it as it was).
        if (!voll && gezeigt != nullptr && !gezeigt->WarSichtbar(aufgabe) && gezeigt->Doppelt(aufgabe)) {
            // The pool hands out each of its tasks once before it repeats, so as many tries
            // as it holds find a different one wherever the pool has one.
            for (int versuch = 0; versuch <= Generator->VorratAnzahl() && (gezeigt->Doppelt(aufgabe) || wieOben());
                 ++versuch) {
                aufgabe.Neu(*Generator);
            }
            summe = bisher;
            voll = MessenUndVoll(k, erste, summe);
        }
        if (voll)
            break;
        if (gezeigt != nullptr)
            gezeigt->Seither.push_back(&aufgabe);
    }
    // The task that did not fit stays here unseen and opens the next row, so the sheet shows
    // the generator's tasks in order without a gap.
    if (neu)
        Generator->LetzteWiederholen();
}

bool TAufgabenZeile::MessenUndVoll(int k, int erste, double& summe)
{
    const TSeite& seite = *Seite;
    TAufgabe& aufgabe = *Aufgaben[static_cast<std::size_t>(k)];
    aufgabe.Messen(erste + k, k);
    summe += aufgabe.Gesamtbreite + aufgabe.LoesungsBreite;

    bool voll = false;
    if (seite.GenauFestlegen) {
        voll = k >= seite.SpaltenAnzahl;
    } else {
        // Without a solution column the last task needs no gap after it.
        const double rest = seite.Loesungsspalte ? 0 : -seite.Spaltenabstand;
        voll = summe + rest > seite.NutzBreite;
    }
    if (voll || k >= TSeite::GroessteSpaltenzahl) {
        Anzahl = k;
        return true;
    }
    return false;
}
