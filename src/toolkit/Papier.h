// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The papers the PDF printer offers; a system printer offers what its queue knows instead.
enum class TPapierformat { A4, A5, Letter };

// A paper and which way up the page stands on it.
struct TPapier {
    TPapierformat Format = TPapierformat::A4;
    bool Querformat = false;

    bool operator==(const TPapier&) const = default;
};

// The formats in the order the printer-setup dialog lists them.
std::span<const TPapierformat> Papierformate();
// The format's usual name: "A4", "A5", "Letter".
std::string_view Formatname(TPapierformat format);
// The format of a name in any case ("a5", "LETTER"), or none for a name that is not offered.
std::optional<TPapierformat> FormatLesen(std::string_view name);
// The paper as the printer-setup dialog shows it: "A5, Querformat".
std::string Papierbeschreibung(TPapier papier);
// The PDF printer's name on this paper: "PDF (A4)" as it has always been called, and with
// another paper that paper, so that the print dialog tells where the pages go: "PDF (A5 quer)".
std::string Pdfdruckername(TPapier papier);
