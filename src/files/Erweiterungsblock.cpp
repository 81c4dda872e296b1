// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Erweiterungsblock.h"

#include "files/Windows1252.h"
#include "toolkit/Fehler.h"

#include <algorithm>

namespace {

constexpr std::string_view Zeilenende = "\r\n";

bool NamensZeichen(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
        || c == '.';
}

void NamenPruefen(std::string_view name)
{
    if (name.empty() || !std::all_of(name.begin(), name.end(), NamensZeichen))
        throw EConvertError("Der Name „" + Utf8Maskiert(name) + "“ im Erweiterungsblock ist ungültig.");
}

// Well-formed UTF-8: Utf8Maskiert leaves exactly such a text as it is, apart from control
// characters, which a value cannot hold once read.
bool GueltigesUtf8(std::string_view text)
{
    return Utf8Maskiert(text) == text;
}

int Hexziffer(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string Maskieren(std::string_view wert)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : wert) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\') {
            text += "\\\\";
        } else if (b < 0x20 || b == 0x7F) {
            text += "\\x";
            text += Hex[b >> 4];
            text += Hex[b & 0x0F];
        } else {
            text += c;
        }
    }
    return text;
}

std::string Entmaskieren(std::string_view text, std::string_view name)
{
    const auto fehler = [&] {
        return EConvertError("Der Wert von „" + std::string(name) + "“ im Erweiterungsblock ist beschädigt.");
    };
    std::string wert;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            wert += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '\\') {
            wert += '\\';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && Hexziffer(text[i + 2]) >= 0
                   && Hexziffer(text[i + 3]) >= 0) {
            wert += static_cast<char>(Hexziffer(text[i + 2]) * 16 + Hexziffer(text[i + 3]));
            i += 3;
        } else {
            throw fehler();
        }
    }
    // Control characters come only escaped; the text around them must be UTF-8.
    std::string ohneSteuerzeichen = wert;
    std::erase_if(ohneSteuerzeichen, [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
    if (!GueltigesUtf8(ohneSteuerzeichen))
        throw fehler();
    return wert;
}

} // namespace

const std::string* TErweiterungen::Wert(std::string_view name) const
{
    for (const auto& [n, w] : WerteFeld) {
        if (n == name)
            return &w;
    }
    return nullptr;
}

void TErweiterungen::Setzen(std::string_view name, std::string wert)
{
    NamenPruefen(name);
    for (auto& [n, w] : WerteFeld) {
        if (n == name) {
            w = std::move(wert);
            return;
        }
    }
    WerteFeld.emplace_back(std::string(name), std::move(wert));
}

void TErweiterungen::Entfernen(std::string_view name)
{
    std::erase_if(WerteFeld, [&](const auto& paar) { return paar.first == name; });
}

std::string TErweiterungen::AlsBlock() const
{
    std::string block = std::string(ErweiterungAnfang) + std::string(Zeilenende);
    for (const auto& [name, wert] : WerteFeld)
        block += name + '=' + Maskieren(wert) + std::string(Zeilenende);
    block += std::string(ErweiterungEnde) + std::string(Zeilenende);
    return block;
}

TErweiterungen TErweiterungen::AusZeilen(std::string_view zeilen)
{
    TErweiterungen werte;
    std::size_t anfang = 0;
    while (anfang < zeilen.size()) {
        std::size_t ende = zeilen.find('\n', anfang);
        if (ende == std::string_view::npos)
            ende = zeilen.size();
        std::string_view zeile = zeilen.substr(anfang, ende - anfang);
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.remove_suffix(1);
        anfang = ende + 1;
        if (zeile.empty())
            continue;
        const std::size_t gleich = zeile.find('=');
        if (gleich == std::string_view::npos)
            throw EConvertError("Eine Zeile im Erweiterungsblock hat kein „=“.");
        const std::string_view name = zeile.substr(0, gleich);
        NamenPruefen(name);
        if (werte.Wert(name) != nullptr)
            throw EConvertError("Der Erweiterungsblock nennt „" + std::string(name) + "“ zweimal.");
        werte.WerteFeld.emplace_back(std::string(name), Entmaskieren(zeile.substr(gleich + 1), name));
    }
    return werte;
}

std::optional<std::string> ErweiterungAbtrennen(std::string& bytes)
{
    // The block begins on a line of its own; in a file of the original format the marker
    // could stand only inside a text, never after a line end, as no value begins with "#".
    const std::string anfang = std::string(Zeilenende) + std::string(ErweiterungAnfang) + std::string(Zeilenende);
    const std::size_t stelle = bytes.rfind(anfang);
    if (stelle == std::string::npos)
        return std::nullopt;
    std::string_view rest(bytes);
    rest.remove_prefix(stelle + anfang.size());
    // After the end marker only line ends may follow.
    const std::string ende = std::string(Zeilenende) + std::string(ErweiterungEnde);
    std::string_view ohneZeilenenden = rest;
    while (!ohneZeilenenden.empty() && (ohneZeilenenden.back() == '\r' || ohneZeilenenden.back() == '\n'))
        ohneZeilenenden.remove_suffix(1);
    std::string inhalt;
    if (ohneZeilenenden == ErweiterungEnde) {
        // A block without values.
    } else if (ohneZeilenenden.ends_with(ende)) {
        inhalt = std::string(ohneZeilenenden.substr(0, ohneZeilenenden.size() - ende.size()));
    } else {
        throw EConvertError("Der Erweiterungsblock am Ende der Datei ist nicht abgeschlossen.");
    }
    bytes.resize(stelle + std::string(Zeilenende).size());
    return inhalt;
}
