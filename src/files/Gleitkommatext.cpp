// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Gleitkommatext.h"

#include "files/Fehler.h"

#include <charconv>
#include <cmath>

namespace {

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// Advances i over digits; returns how many there were.
std::size_t ZiffernUeberspringen(std::string_view text, std::size_t& i)
{
    const std::size_t anfang = i;
    while (i < text.size() && IstZiffer(text[i])) {
        ++i;
    }
    return i - anfang;
}

} // namespace

std::string GleitkommaText(double x)
{
    if (!std::isfinite(x)) {
        throw EConvertError("Ein ungültiger Zahlenwert (unendlich oder keine Zahl) kann nicht "
                            "gespeichert werden.");
    }
    // to_chars gives e.g. "2.50000000000000e+00" (at least two exponent digits), never
    // depending on the locale.
    char puffer[40];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, std::fabs(x), std::chars_format::scientific, 14);
    const std::string_view roh(puffer, static_cast<std::size_t>(ende - puffer));
    const std::size_t e = roh.find('e');
    const std::string_view mantisse = roh.substr(0, e);
    const char exponentVorzeichen = roh[e + 1];
    const std::string_view exponentZiffern = roh.substr(e + 2);

    std::string text;
    text.reserve(GleitkommaTextLaenge);
    text += x < 0 ? '-' : ' ';
    text += mantisse;
    text += 'E';
    text += exponentVorzeichen;
    text.append(4 - exponentZiffern.size(), '0');
    text += exponentZiffern;
    return text;
}

std::optional<double> GleitkommaAusText(std::string_view text)
{
    std::size_t i = 0;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    const std::size_t zahlAnfang = i;
    std::size_t ziffern = ZiffernUeberspringen(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        ziffern += ZiffernUeberspringen(text, i);
    }
    if (ziffern == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (ZiffernUeberspringen(text, i) == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // from_chars accepts no leading '+' and reads the rest in the C locale's form.
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data() + zahlAnfang, text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size()) {
        return std::nullopt;
    }
    return negativ ? -wert : wert;
}
