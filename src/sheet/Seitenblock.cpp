// SPDX-License-Identifier: GPL-3.0-or-later
// The page block of worksheet files: every row the page holds with every task of it, also
// those beyond what the sheet shows.

#include "sheet/USeite.h"

#include "files/Fehler.h"
#include "files/LadenSpeichern.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

namespace {

// Files before this version carry no ghost patterns.
constexpr int ErsteVersionMitMuster = 10;
// The written form has a digit column per character; no pattern covers more than ten.
constexpr std::int32_t GroessteZiffernbreite = 10;

// The pattern values stored for a task: one per character of its longest number.
std::size_t Musterlaenge(const TGSAufgabe& aufgabe)
{
    return std::min(static_cast<std::size_t>(Ziffernbreite(aufgabe)), aufgabe.Gespenstermuster.size());
}

std::int32_t AnzahlLesen(TLoadSave& strom, const char* was)
{
    const std::int32_t anzahl = strom.ReadInteger();
    if (anzahl < 0 || anzahl > TSeite::GroessteBlockzahl) {
        throw ERangeError("Die Datei nennt " + std::to_string(anzahl) + " " + was + "; möglich sind 0 bis "
                          + std::to_string(TSeite::GroessteBlockzahl) + ".");
    }
    return anzahl;
}

// A code the drawing looks up in a table (operator sign, ghost pattern) is refused rather than
// clamped: the program writes none outside the table, so such a file is damaged.
std::uint8_t CodeLesen(TLoadSave& strom, int hoechstens, const char* feld)
{
    const std::int32_t wert = strom.ReadInteger();
    if (wert < 0 || wert > hoechstens) {
        throw ERangeError("Der Wert " + std::to_string(wert) + " für „" + feld
                          + "“ liegt außerhalb des Bereichs von 0 bis " + std::to_string(hoechstens) + ".");
    }
    return static_cast<std::uint8_t>(wert);
}

// A number of the written form takes a digit column per character, and there are ten.
std::int32_t ZahlLesen(TLoadSave& strom, const char* feld)
{
    const std::int32_t wert = strom.ReadInteger();
    if (Dezimalstellen(wert) > GroessteZiffernbreite) {
        throw ERangeError("Die Zahl " + std::to_string(wert) + " für „" + feld + "“ hat mehr als "
                          + std::to_string(GroessteZiffernbreite) + " Zeichen.");
    }
    return wert;
}

// Reads one task record. The message is never stored, so a task read from a file is never an
// error task; older files carry no pattern, and the task keeps the one it had.
void AufgabeLesen(TLoadSave& strom, TAufgabe& aufgabe, int dateiversion)
{
    TGSAufgabe daten = aufgabe.Daten;
    daten.Operand1 = ZahlLesen(strom, "Operand1");
    daten.Rechenzeichen = CodeLesen(strom, static_cast<int>(Rechenzeichensymbole.size()) - 1, "Rechenzeichen");
    daten.Operand2 = ZahlLesen(strom, "Operand2");
    daten.Ergebnis = ZahlLesen(strom, "Ergebnis");
    daten.Rest = strom.ReadInteger();
    daten.Platzhalter = strom.ReadInteger();
    daten.Quersumme = strom.ReadInteger();
    daten.Fehlermeldung.clear();
    if (dateiversion >= ErsteVersionMitMuster) {
        for (std::size_t k = 0; k < Musterlaenge(daten); ++k)
            daten.Gespenstermuster[k] = CodeLesen(strom, 2, "Gespenstermuster");
    }
    aufgabe.Daten = std::move(daten);
}

void AufgabeSchreiben(TLoadSave& strom, const TGSAufgabe& daten)
{
    strom.WriteInteger(daten.Operand1);
    strom.WriteInteger(daten.Rechenzeichen);
    strom.WriteInteger(daten.Operand2);
    strom.WriteInteger(daten.Ergebnis);
    strom.WriteInteger(daten.Rest);
    strom.WriteInteger(daten.Platzhalter);
    strom.WriteInteger(daten.Quersumme);
    for (std::size_t k = 0; k < Musterlaenge(daten); ++k)
        strom.WriteInteger(daten.Gespenstermuster[k]);
    strom.WriteLineEnd();
}

} // namespace

void TSeite::SeiteSpeichern(TLoadSave& strom) const
{
    strom.WriteInteger(static_cast<std::int32_t>(Zeilen.size()));
    for (const auto& zeile : Zeilen)
        zeile->ZeileSpeichern(strom);
}

void TAufgabenZeile::ZeileSpeichern(TLoadSave& strom) const
{
    strom.WriteInteger(static_cast<std::int32_t>(Aufgaben.size()));
    strom.WriteLineEnd();
    for (const auto& aufgabe : Aufgaben)
        AufgabeSchreiben(strom, aufgabe->Daten);
    strom.WriteLineEnd();
}

void TAufgabenZeile::ZeileLaden(TLoadSave& strom, int erste, int dateiversion)
{
    const std::int32_t anzahl = AnzahlLesen(strom, "Aufgaben in einer Zeile");
    for (std::int32_t t = 0; t < anzahl; ++t) {
        const auto index = static_cast<std::size_t>(t);
        if (index >= Aufgaben.size())
            Aufgaben.push_back(std::make_unique<TAufgabe>(*Seite));
        AufgabeLesen(strom, *Aufgaben[index], dateiversion);
    }
    // Tasks of the page before are not the file's: a short row gets empty tasks instead.
    if (Aufgaben.size() > static_cast<std::size_t>(anzahl))
        Aufgaben.erase(Aufgaben.begin() + anzahl, Aufgaben.end());
    // The stored tasks stand as they are: no new digit sum, no comparison with the row above,
    // nothing from the generator. A row the file leaves short gets empty tasks.
    double summe = 0;
    for (int k = 0;; ++k) {
        if (static_cast<std::size_t>(k) >= Aufgaben.size())
            Aufgaben.push_back(std::make_unique<TAufgabe>(*Seite));
        if (MessenUndVoll(k, erste, summe))
            break;
    }
}
