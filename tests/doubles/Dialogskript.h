// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Dateidialog.h"

#include <optional>
#include <string>
#include <utility>

// Answers the file dialogs from a script: a path, or Cancel (nothing). Notes the last question
// (filter and extension), where it started, and how many were asked.
class TDialogskript final : public TDateidialog {
public:
    TDialogskript() = default;
    explicit TDialogskript(std::optional<std::string> antwort) : Antwort(std::move(antwort)) {}

    std::optional<std::string> Oeffnen(const std::string& filter, const std::string& endung,
                                       const std::string& start) override
    {
        return Fragen(filter, endung, start);
    }
    std::optional<std::string> Speichern(const std::string& filter, const std::string& endung,
                                         const std::string& start) override
    {
        return Fragen(filter, endung, start);
    }

    std::optional<std::string> Antwort;
    std::string Gefragt;
    std::string Start;
    int Gestellt = 0;

private:
    std::optional<std::string> Fragen(const std::string& filter, const std::string& endung, const std::string& start)
    {
        Gefragt = filter + " " + endung;
        Start = start;
        ++Gestellt;
        return Antwort;
    }
};
