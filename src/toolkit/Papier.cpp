// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Papier.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

struct TFormateintrag {
    TPapierformat Format;
    std::string_view Name;
};

constexpr std::array<TFormateintrag, 3> Formate{{
    {TPapierformat::A4, "A4"},
    {TPapierformat::A5, "A5"},
    {TPapierformat::Letter, "Letter"},
}};
static_assert(Formate.size() == static_cast<std::size_t>(TPapierformat::Letter) + 1, "every paper format has its row");

constexpr std::array<TPapierformat, Formate.size()> Reihenfolge = [] {
    std::array<TPapierformat, Formate.size()> formate{};
    for (std::size_t i = 0; i < Formate.size(); ++i)
        formate[i] = Formate[i].Format;
    return formate;
}();

// ASCII only: a name's case must not depend on the user's locale.
char Klein(char zeichen)
{
    return zeichen >= 'A' && zeichen <= 'Z' ? static_cast<char>(zeichen - 'A' + 'a') : zeichen;
}

} // namespace

std::span<const TPapierformat> Papierformate()
{
    return Reihenfolge;
}

std::string_view Formatname(TPapierformat format)
{
    for (const TFormateintrag& eintrag : Formate) {
        if (eintrag.Format == format)
            return eintrag.Name;
    }
    return {};
}

std::optional<TPapierformat> FormatLesen(std::string_view name)
{
    for (const TFormateintrag& eintrag : Formate) {
        if (std::ranges::equal(name, eintrag.Name, {}, Klein, Klein))
            return eintrag.Format;
    }
    return std::nullopt;
}

std::string Papierbeschreibung(TPapier papier)
{
    return std::string(Formatname(papier.Format)) + (papier.Querformat ? ", Querformat" : ", Hochformat");
}

std::string Pdfdruckername(TPapier papier)
{
    return "PDF (" + std::string(Formatname(papier.Format)) + (papier.Querformat ? " quer)" : ")");
}
