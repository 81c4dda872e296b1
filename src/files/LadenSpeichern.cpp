// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/LadenSpeichern.h"

#include "files/Fehler.h"
#include "files/Gleitkommatext.h"
#include "files/Windows1252.h"

#include <algorithm>
#include <limits>

namespace {

// Bytes collected before they go to the file; worksheet files are far smaller.
constexpr std::size_t Schreibpuffer = 64 * 1024;
// How much of an unreadable number a message quotes.
constexpr std::size_t ZitatLaenge = 30;

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}
bool IstLeerraum(char c)
{
    return c == ' ' || c == '\r' || c == '\n';
}
bool IstKleinbuchstabe(char c)
{
    return c >= 'a' && c <= 'z';
}

// The unreadable number as a message may quote it: cut short, control characters blanked,
// in UTF-8.
std::string Zitat(std::string_view roh)
{
    std::string kurz(roh.substr(0, ZitatLaenge));
    for (char& c : kurz) {
        if (static_cast<unsigned char>(c) < 32) {
            c = ' ';
        }
    }
    std::string zitat = "„" + Windows1252NachUtf8(kurz);
    if (roh.size() > ZitatLaenge) {
        zitat += "…";
    }
    return zitat + "“";
}

[[noreturn]] void DateiendeMelden(const char* erwartet)
{
    throw EConvertError(std::string("Unerwartetes Dateiende: Es wurde ") + erwartet + " erwartet.");
}

} // namespace

bool TLoadSave::OpenRead(const std::string& pfad)
{
    Zuruecksetzen();
    std::string inhalt;
    OeffnungsfehlerFeld = DateiGanzLesen(pfad, inhalt);
    if (OeffnungsfehlerFeld != 0) {
        return true;
    }
    OpenReadBytes(std::move(inhalt));
    return false;
}

bool TLoadSave::OpenWrite(const std::string& pfad, TZielart art)
{
    Zuruecksetzen();
    OeffnungsfehlerFeld = 0;
    if (!Datei.Oeffnen(pfad, art)) {
        OeffnungsfehlerFeld = Datei.Fehlernummer();
        return true;
    }
    Modus = TModus::SchreibenDatei;
    return false;
}

void TLoadSave::OpenReadBytes(std::string bytes)
{
    Zuruecksetzen();
    // Cutting at the first Ctrl-Z makes it the end for every reader at once.
    const std::size_t ende = bytes.find(Dateiende);
    if (ende != std::string::npos) {
        bytes.resize(ende);
    }
    // The extension block is taken off first, so that the readers of the other blocks stop
    // where a file of the original format ends.
    try {
        Erweiterung = ErweiterungAbtrennen(bytes);
    } catch (const EConvertError& fehler) {
        ErweiterungFehler = fehler.what();
    }
    Puffer = std::move(bytes);
    Modus = TModus::Lesen;
}

TErweiterungen TLoadSave::ReadErweiterungen() const
{
    if (!ErweiterungFehler.empty())
        throw EConvertError(ErweiterungFehler);
    return Erweiterung ? TErweiterungen::AusZeilen(*Erweiterung) : TErweiterungen{};
}

void TLoadSave::WriteErweiterungen(const TErweiterungen& werte)
{
    if (werte.Leer())
        return;
    // The block's marker must begin a line; its text is UTF-8, not Windows-1252.
    WriteLineEnd();
    Schreiben(werte.AlsBlock());
}

void TLoadSave::OpenWriteMemory()
{
    Zuruecksetzen();
    Modus = TModus::SchreibenSpeicher;
}

const std::string& TLoadSave::Bytes() const
{
    return Speicher;
}

void TLoadSave::Close()
{
    switch (Modus) {
    case TModus::Geschlossen:
    case TModus::SchreibenSpeicher:
        break;
    case TModus::Lesen:
        Puffer.clear();
        Puffer.shrink_to_fit();
        break;
    case TModus::SchreibenDatei: {
        Modus = TModus::Geschlossen; // whatever happens now, this stream is done
        const std::string rest = std::move(Puffer);
        Puffer.clear();
        try {
            Datei.Schreiben(rest);
            Datei.Abschliessen();
        } catch (...) {
            Datei.Verwerfen();
            throw;
        }
        break;
    }
    }
    Modus = TModus::Geschlossen;
}

bool TLoadSave::ExpectChar(char c)
{
    char gelesen = Lesen();
    while (IstLeerraum(gelesen)) {
        gelesen = Lesen();
    }
    return gelesen == c;
}

void TLoadSave::WriteText(std::string_view text)
{
    const std::string bytes = Utf8NachWindows1252(text);
    std::string geschrieben;
    geschrieben.reserve(bytes.size() + 2);
    geschrieben += '[';
    for (const char c : bytes) {
        if (c == '[' || c == ']' || c == '\\') {
            geschrieben += '\\';
        }
        geschrieben += c;
    }
    geschrieben += ']';
    Schreiben(geschrieben);
}

std::string TLoadSave::ReadText()
{
    if (!ExpectChar('[')) {
        return {};
    }
    std::string bytes;
    for (char c = Lesen(); c != Dateiende && c != ']'; c = Lesen()) {
        if (c == '\\') {
            c = Lesen();
            if (c == Dateiende) {
                break;
            }
        }
        bytes += c;
    }
    return Windows1252NachUtf8(bytes);
}

void TLoadSave::WriteInteger(std::int32_t n)
{
    Schreiben(" " + std::to_string(n) + " ");
}

std::int32_t TLoadSave::ReadInteger()
{
    char c = Lesen();
    while (c != '-' && !IstZiffer(c)) {
        if (c == Dateiende) {
            DateiendeMelden("eine ganze Zahl");
        }
        c = Lesen();
    }
    const bool negativ = c == '-';
    std::string text(1, c);
    // The magnitude saturates just past the largest negative value, so no digit count can
    // overflow it.
    constexpr std::int64_t Grenze = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t betrag = negativ ? 0 : c - '0';
    for (c = Lesen(); IstZiffer(c); c = Lesen()) {
        if (text.size() <= ZitatLaenge) {
            text += c;
        }
        betrag = std::min(betrag * 10 + (c - '0'), Grenze + 1);
    }
    if (text == "-") {
        throw EConvertError("„-“ ist keine gültige ganze Zahl.");
    }
    if (betrag > (negativ ? Grenze : Grenze - 1)) {
        throw EConvertError("Die Zahl " + Zitat(text)
                            + " liegt außerhalb des Bereichs von -2147483648 bis 2147483647.");
    }
    return static_cast<std::int32_t>(negativ ? -betrag : betrag);
}

void TLoadSave::WriteFloat(double x)
{
    Schreiben(" " + GleitkommaText(x) + " ");
}

double TLoadSave::ReadFloat()
{
    char c = Lesen();
    while (c != '-' && c != '+' && !IstZiffer(c)) {
        if (c == Dateiende) {
            DateiendeMelden("eine Gleitkommazahl");
        }
        c = Lesen();
    }
    std::string text;
    for (; c != ' ' && c != '\r' && c != Dateiende; c = Lesen()) {
        text += c;
    }
    const auto wert = GleitkommaAusText(text);
    if (!wert) {
        throw EConvertError(Zitat(text) + " ist keine gültige Gleitkommazahl.");
    }
    return *wert;
}

void TLoadSave::WriteBoolean(bool b)
{
    Schreiben(b ? " true " : " false ");
}

bool TLoadSave::ReadBoolean()
{
    char c = Lesen();
    while (!IstKleinbuchstabe(c) && c != Dateiende) {
        c = Lesen();
    }
    static constexpr std::string_view Wahr = "true";
    std::size_t laenge = 0;
    bool gleich = true;
    for (; IstKleinbuchstabe(c); c = Lesen()) {
        gleich = gleich && laenge < Wahr.size() && Wahr[laenge] == c;
        ++laenge;
    }
    return gleich && laenge == Wahr.size();
}

void TLoadSave::WriteFont(const TSchrift& schrift)
{
    Schreiben(" [");
    WriteText(schrift.Name);
    WriteInteger(schrift.Groesse);
    WriteInteger(schrift.Stil);
    WriteInteger(schrift.Farbe);
    WriteInteger(schrift.Zeichensatz);
    Schreiben("] ");
    WriteLineEnd();
}

TSchrift TLoadSave::ReadFont()
{
    TSchrift schrift;
    ExpectChar('[');
    schrift.Name = ReadText();
    // Characters, not bytes: every byte of the file is one character, held in UTF-8.
    const auto zeichen = static_cast<std::size_t>(std::count_if(schrift.Name.begin(), schrift.Name.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
    if (zeichen > TSchrift::GroessteNamenslaenge) {
        throw ERangeError("Der Schriftname ist " + std::to_string(zeichen) + " Zeichen lang; erlaubt sind höchstens "
                          + std::to_string(TSchrift::GroessteNamenslaenge) + ".");
    }
    schrift.Groesse = ReadInteger();
    schrift.Stil = ReadInteger() & TSchrift::AlleStile;
    schrift.Farbe = ReadInteger();
    schrift.Zeichensatz = ReadInteger() & 0xFF;
    ExpectChar(']');
    return schrift;
}

void TLoadSave::WriteLineEnd()
{
    Schreiben("\r\n");
}

bool TLoadSave::AmEnde() const
{
    return Modus != TModus::Lesen || Position >= Puffer.size();
}

char TLoadSave::Lesen()
{
    if (Modus != TModus::Lesen) {
        throw EInOutError("Der Datenstrom ist nicht zum Lesen geöffnet.");
    }
    if (Position >= Puffer.size()) {
        return Dateiende;
    }
    return Puffer[Position++];
}

void TLoadSave::Schreiben(std::string_view bytes)
{
    switch (Modus) {
    case TModus::SchreibenSpeicher:
        Speicher += bytes;
        break;
    case TModus::SchreibenDatei:
        Puffer += bytes;
        if (Puffer.size() >= Schreibpuffer) {
            Datei.Schreiben(Puffer);
            Puffer.clear();
        }
        break;
    default:
        throw EInOutError("Der Datenstrom ist nicht zum Schreiben geöffnet.");
    }
}

void TLoadSave::Zuruecksetzen()
{
    Datei.Verwerfen();
    Modus = TModus::Geschlossen;
    Puffer.clear();
    Position = 0;
    Speicher.clear();
    Erweiterung.reset();
    ErweiterungFehler.clear();
}
