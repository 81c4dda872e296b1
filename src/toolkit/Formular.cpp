// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Formular.h"

#include <algorithm>

namespace {

std::string OhneLeerzeichen(std::string_view text)
{
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (const char c : text) {
        if (c != ' ')
            ergebnis.push_back(c);
    }
    return ergebnis;
}

} // namespace

TControl* TFormular::Finde(std::string_view name) const
{
    const std::string gesucht = OhneLeerzeichen(name);
    const auto it =
        std::find_if(Liste.begin(), Liste.end(), [&](const auto& control) { return control->Name() == gesucht; });
    return it == Liste.end() ? nullptr : it->get();
}

std::string TFormular::Indexname(std::string_view basis, std::initializer_list<int> indizes)
{
    std::string name(basis);
    for (const int index : indizes)
        name += '[' + std::to_string(index) + ']';
    return name;
}

bool TFormular::EingabeAngenommen(const TEdit& feld, const std::string& eingabe) const
{
    if (feld.Text() != eingabe)
        return false;
    const auto* pfeile = dynamic_cast<const TUpDown*>(Finde("UD" + feld.Name().substr(1)));
    return pfeile == nullptr || std::to_string(pfeile->Position()) == eingabe;
}
