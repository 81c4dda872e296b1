// SPDX-License-Identifier: GPL-3.0-or-later
// Making one candidate task: the operand-type lists, the checks of impossible settings, the
// choice of the operation with its retries, and the ghost pattern.

#include "generator/UGSAufgabe.h"

#include "generator/GeneratorIntern.h"

#include <algorithm>

using namespace generator_intern;

void TGSAufgabengenerator::KombinationslistenBauen(std::int32_t& plusLaenge, std::int32_t& minusLaenge)
{
    plusLaenge = 0;
    minusLaenge = 0;
    const bool groessererZuerst = Operandenfolge == 0 || Operandenfolge == 2;
    const bool kleinererZuerst = Operandenfolge == 1 || Operandenfolge == 2;
    for (int i = 1; i <= AnzahlTypen; ++i) {
        for (int j = 1; j <= i; ++j) {
            if (!Kombination[i][j])
                continue;
            const TTypPaar gross{static_cast<std::uint8_t>(i - 1), static_cast<std::uint8_t>(j - 1)};
            const TTypPaar klein{gross.Zweiter, gross.Erster};
            if (groessererZuerst)
                PlusPaare[++plusLaenge] = gross;
            if (kleinererZuerst)
                PlusPaare[++plusLaenge] = klein;
            // E - E cannot cross the ten, and neither E - E nor Z - E the hundred.
            if ((i * j == 1 && ZUModus == 2) || (i * j <= 2 && HUModus == 2))
                continue;
            const int stellenI = StellenVonTyp(i - 1);
            const int stellenJ = StellenVonTyp(j - 1);
            if (stellenI >= stellenJ && groessererZuerst)
                MinusPaare[++minusLaenge] = gross;
            if (stellenJ >= stellenI && kleinererZuerst)
                MinusPaare[++minusLaenge] = klein;
        }
    }
}

void TGSAufgabengenerator::EineAufgabe(TGSAufgabe& aufgabe)
{
    // Field by field rather than a fresh record, so the message keeps its buffer when the
    // pool build reuses the same candidate.
    aufgabe.Operand1 = 0;
    aufgabe.Operand2 = 0;
    aufgabe.Ergebnis = 0;
    aufgabe.Rest = 0;
    aufgabe.Rechenzeichen = ZeichenPlus;
    aufgabe.Platzhalter = OhnePlatzhalter;
    aufgabe.Quersumme = 0;
    aufgabe.Fehlermeldung.clear();
    aufgabe.Gespenstermuster.fill(0);
    ArbeitFeld += ArbeitJeKandidat;

    std::int32_t plusLaenge = 0;
    std::int32_t minusLaenge = 0;
    KombinationslistenBauen(plusLaenge, minusLaenge);

    const char* meldung = nullptr;
    if (PlusKommtVor || MinusKommtVor) {
        const auto kannLeer = [this](int operand) {
            const auto& kann = Stellenmaske[operand][1];
            return std::none_of(kann.begin() + 1, kann.end(), [](bool b) { return b; });
        };
        if (NurStellen && (kannLeer(1) || kannLeer(2)))
            meldung = MeldungKeineStellen;
        else if (plusLaenge == 0 && PlusKommtVor && NurKombinationen && !NurStellen)
            meldung = MeldungKeinPlusTyp;
        else if (minusLaenge == 0 && MinusKommtVor && NurKombinationen && !NurStellen)
            meldung = MeldungKeinMinusTyp;
    }

    if (meldung == nullptr) {
        PlusAnzahl = plusLaenge;
        MinusAnzahl = minusLaenge;
        RechenartenAnzahl = 0;
        if (PlusKommtVor)
            Rechenarten[RechenartenAnzahl++] = Rechenart::Plus;
        if (MinusKommtVor)
            Rechenarten[RechenartenAnzahl++] = Rechenart::Minus;
        if (MalKommtVor)
            Rechenarten[RechenartenAnzahl++] = Rechenart::Mal;
        if (GeteiltKommtVor)
            Rechenarten[RechenartenAnzahl++] = Rechenart::Geteilt;
        if (RechenartenAnzahl == 0) {
            meldung = MeldungKeineAufgabenart;
        } else {
            const Rechenart art = Rechenarten[Random(RechenartenAnzahl)];
            if (SicherFehlschlag(art)) {
                // Every call would fail whatever is drawn, and only the last call's task is
                // kept: one call gives that task with the same probabilities.
                RechenartAufrufen(art, aufgabe);
            } else {
                // A pool build that has spent its budget keeps the task of the last call.
                for (int aufrufe = 1;; ++aufrufe) {
                    RechenartAufrufen(art, aufgabe);
                    if (aufgabe.Fehlermeldung.empty())
                        break;
                    ArbeitFeld += ArbeitJeFehlschlag;
                    if (aufrufe >= MaxOperationsaufrufe || AufbauAbbrechen())
                        break;
                }
            }
        }
    }
    if (meldung != nullptr)
        aufgabe.Fehlermeldung.assign(meldung);

    GespenstermusterSetzen(aufgabe);

    if (!aufgabe.Fehlermeldung.empty()) {
        aufgabe.Operand1 = 0;
        aufgabe.Operand2 = 0;
        aufgabe.Rechenzeichen = ZeichenPlus;
    }
}

void TGSAufgabengenerator::RechenartAufrufen(Rechenart art, TGSAufgabe& aufgabe)
{
    switch (art) {
    case Rechenart::Plus:
        PlusAufgabe(aufgabe);
        break;
    case Rechenart::Minus:
        MinusAufgabe(aufgabe);
        break;
    case Rechenart::Mal:
        MalAufgabe(aufgabe);
        break;
    case Rechenart::Geteilt:
        GeteiltAufgabe(aufgabe);
        break;
    }
}

bool TGSAufgabengenerator::SicherFehlschlag(Rechenart art)
{
    switch (art) {
    case Rechenart::Plus:
        return PlusSicherFehlschlag();
    case Rechenart::Minus:
        return MinusSicherFehlschlag();
    case Rechenart::Mal:
        return MalSicherFehlschlag();
    case Rechenart::Geteilt:
        return GeteiltSicherFehlschlag();
    }
    return false;
}

void TGSAufgabengenerator::GespenstermusterSetzen(TGSAufgabe& aufgabe)
{
    // The operations keep every task within 10 columns; the bound only guards the array.
    const int breite = std::min<int>(Ziffernbreite(aufgabe), static_cast<int>(aufgabe.Gespenstermuster.size()));
    const int laenge1 = Dezimalstellen(aufgabe.Operand1);
    const int laenge2 = Dezimalstellen(aufgabe.Operand2);
    const int laengeErg = Dezimalstellen(aufgabe.Ergebnis);
    for (int spalte = 0; spalte < breite; ++spalte) {
        // Right-aligned texts: a number has a blank in every column left of its first character.
        const bool leer1 = spalte >= laenge1;
        const bool leer2 = spalte >= laenge2;
        const bool leerErg = spalte >= laengeErg;
        int r = Random(3);
        if (r == 0 && leer1)
            r = 1;
        if (r == 1 && leer2)
            r = 2;
        if (r == 2 && leerErg)
            r = 0;
        if (r == 0 && leer1)
            r = 1;
        if (r == 1 && leer2)
            r = 2;
        aufgabe.Gespenstermuster[spalte] = static_cast<std::uint8_t>(r);
    }
}
