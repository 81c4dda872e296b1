// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The extension block of a worksheet file: named text values after the page block. Readers of
// the original format stop after the page block and never reach it, so a file with the block
// still opens there; this version keeps the values it does not know and writes them back, so
// a file of a newer version loses nothing when it is opened and saved here.
//
// In the file the block is the last thing: a line "#Zifferbogen-Erweiterung", one line
// "name=wert" for each value (UTF-8; a backslash and every control character of the value
// written as "\\" and "\xHH"), and a line "#Ende der Erweiterung", each line ended by CR LF.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr std::string_view ErweiterungAnfang = "#Zifferbogen-Erweiterung";
inline constexpr std::string_view ErweiterungEnde = "#Ende der Erweiterung";

class TErweiterungen final {
public:
    // The value named name, or none.
    const std::string* Wert(std::string_view name) const;
    // Sets the value named name, in its place when it is there, else at the end. A name is
    // made of letters, digits, "-", "_" and "."; raises EConvertError for any other.
    void Setzen(std::string_view name, std::string wert);
    // Removes the value named name, if there is one.
    void Entfernen(std::string_view name);
    bool Leer() const { return WerteFeld.empty(); }
    const std::vector<std::pair<std::string, std::string>>& Werte() const { return WerteFeld; }

    // The block as the file holds it, from its first line to the end of its last.
    std::string AlsBlock() const;
    // Reads the lines between the markers. Raises EConvertError saying what is wrong for a
    // line without "=", a name given twice or not made of the allowed characters, a value that
    // is not UTF-8 or holds an unknown escape.
    static TErweiterungen AusZeilen(std::string_view zeilen);

    bool operator==(const TErweiterungen&) const = default;

private:
    std::vector<std::pair<std::string, std::string>> WerteFeld;
};

// Takes the extension block off the end of a worksheet file's bytes. Returns none, leaving
// the bytes as they are, when the file has no block; else the text between the markers, with
// the block removed from the bytes. Raises EConvertError when a block begins but does not
// end with its end marker.
std::optional<std::string> ErweiterungAbtrennen(std::string& bytes);
