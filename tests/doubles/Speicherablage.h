// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program remembers between runs, kept in memory: a test starts the program again on
// the same object to see what a restart finds.

#include "toolkit/Ablage.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class TSpeicherablage final : public TAblage {
public:
    std::optional<std::string> Text(const std::string& schluessel) const override
    {
        const auto it = Texte.find(schluessel);
        return it == Texte.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    void SetzeText(const std::string& schluessel, const std::string& wert) override { Texte[schluessel] = wert; }
    std::vector<std::string> Liste(const std::string& schluessel) const override
    {
        const auto it = Listen.find(schluessel);
        return it == Listen.end() ? std::vector<std::string>{} : it->second;
    }
    void SetzeListe(const std::string& schluessel, const std::vector<std::string>& werte) override
    {
        Listen[schluessel] = werte;
    }

    std::map<std::string, std::string> Texte;
    std::map<std::string, std::vector<std::string>> Listen;
};
