// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Verlauf.h"

#include <cassert>
#include <cstddef>

void TVerlauf::Beginnen(std::string stand)
{
    Staende.clear();
    BytesFeld = stand.size();
    Staende.push_back(std::move(stand));
    Position = 0;
}

bool TVerlauf::Festhalten(std::string stand)
{
    if (Staende.empty()) {
        Beginnen(std::move(stand));
        return false;
    }
    if (stand == Staende[Position])
        return false;
    while (Staende.size() > Position + 1) {
        BytesFeld -= Staende.back().size();
        Staende.pop_back();
    }
    BytesFeld += stand.size();
    Staende.push_back(std::move(stand));
    ++Position;
    Kuerzen();
    return true;
}

bool TVerlauf::Ersetzen(std::string stand)
{
    if (Position == 0)
        return Festhalten(std::move(stand));
    BytesFeld -= Staende[Position].size();
    if (stand == Staende[Position - 1]) {
        Staende.erase(Staende.begin() + static_cast<std::ptrdiff_t>(Position));
        --Position;
        return false;
    }
    BytesFeld += stand.size();
    Staende[Position] = std::move(stand);
    Kuerzen();
    return true;
}

void TVerlauf::Kuerzen()
{
    // The present state always stays, however large it is.
    while (Position > 0 && (Staende.size() > MaxSchritte + 1 || BytesFeld > MaxBytes)) {
        BytesFeld -= Staende.front().size();
        Staende.pop_front();
        --Position;
    }
}

const std::string& TVerlauf::Zurueck()
{
    assert(KannZurueck());
    return Staende[--Position];
}

const std::string& TVerlauf::Vor()
{
    assert(KannVor());
    return Staende[++Position];
}

const std::string& TVerlauf::Aktuell() const
{
    static const std::string leer;
    return Staende.empty() ? leer : Staende[Position];
}
