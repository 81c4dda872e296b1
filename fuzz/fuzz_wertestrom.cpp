// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the value stream's readers, in an order the input chooses, and
// checks that every value read survives a write and a second read unchanged.
//
// Input: byte 0 gives the number of steps (1..16), the following bytes are the steps, the
// rest is the file. The steps repeat until the file is used up.

#include "files/Fehler.h"
#include "files/Gleitkommatext.h"
#include "files/LadenSpeichern.h"
#include "files/Windows1252.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Pruefen(bool bedingung)
{
    if (!bedingung) {
        std::abort();
    }
}

// A stream in memory holding what schreiben writes.
template <typename TSchreiben>
std::string Geschrieben(TSchreiben schreiben)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    schreiben(strom);
    strom.Close();
    return strom.Bytes();
}

template <typename TLesen>
auto ZurueckGelesen(const std::string& bytes, TLesen lesen)
{
    TLoadSave strom;
    strom.OpenReadBytes(bytes);
    return lesen(strom);
}

void Schritt(TLoadSave& strom, std::uint8_t schritt)
{
    switch (schritt % 6) {
    case 0: {
        const std::string text = strom.ReadText();
        const std::string bytes = Geschrieben([&](TLoadSave& s) { s.WriteText(text); });
        Pruefen(ZurueckGelesen(bytes, [](TLoadSave& s) { return s.ReadText(); }) == text);
        break;
    }
    case 1: {
        const std::int32_t zahl = strom.ReadInteger();
        const std::string bytes = Geschrieben([&](TLoadSave& s) { s.WriteInteger(zahl); });
        Pruefen(ZurueckGelesen(bytes, [](TLoadSave& s) { return s.ReadInteger(); }) == zahl);
        break;
    }
    case 2: {
        const double zahl = strom.ReadFloat();
        Pruefen(std::isfinite(zahl));
        const std::string bytes = Geschrieben([&](TLoadSave& s) { s.WriteFloat(zahl); });
        Pruefen(bytes.size() == GleitkommaTextLaenge + 2);
        const double wieder = ZurueckGelesen(bytes, [](TLoadSave& s) { return s.ReadFloat(); });
        // 15 significant digits name one double and come back from it, for normal numbers.
        if (std::fabs(zahl) >= DBL_MIN) {
            Pruefen(Geschrieben([&](TLoadSave& s) { s.WriteFloat(wieder); }) == bytes);
        }
        break;
    }
    case 3: {
        const bool wert = strom.ReadBoolean();
        const std::string bytes = Geschrieben([&](TLoadSave& s) { s.WriteBoolean(wert); });
        Pruefen(ZurueckGelesen(bytes, [](TLoadSave& s) { return s.ReadBoolean(); }) == wert);
        break;
    }
    case 4: {
        const TSchrift schrift = strom.ReadFont();
        Pruefen(schrift.Stil >= 0 && schrift.Stil <= 15);
        Pruefen(schrift.Zeichensatz >= 0 && schrift.Zeichensatz <= 255);
        const std::string bytes = Geschrieben([&](TLoadSave& s) { s.WriteFont(schrift); });
        Pruefen(ZurueckGelesen(bytes, [](TLoadSave& s) { return s.ReadFont(); }) == schrift);
        break;
    }
    default:
        strom.ExpectChar(static_cast<char>(schritt));
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string eingabe(reinterpret_cast<const char*>(daten), groesse);
    // Reading and writing back keeps every byte, whatever the bytes are.
    Pruefen(Utf8NachWindows1252(Windows1252NachUtf8(eingabe)) == eingabe);

    if (groesse == 0) {
        return 0;
    }
    const std::size_t anzahl = std::min<std::size_t>(daten[0] % 16 + 1, groesse - 1);
    const std::string schritte = eingabe.substr(1, anzahl);
    TLoadSave strom;
    strom.OpenReadBytes(eingabe.substr(1 + anzahl));
    try {
        // Every round of steps that does not reach the end consumes at least one byte, so the
        // bound only guards against a reader that stops consuming.
        for (std::size_t runde = 0; runde <= groesse && !strom.AmEnde(); ++runde) {
            for (const char schritt : schritte) {
                Schritt(strom, static_cast<std::uint8_t>(schritt));
            }
        }
    } catch (const EZifferbogenFehler&) {
        // A damaged file ends the open command with a message; nothing more to check.
    }
    strom.Close();
    return 0;
}
