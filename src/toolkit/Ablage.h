// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// Where the program keeps what it remembers from one run to the next (the worksheets opened
// last, the folders its file dialogs were used in, where its windows stood): texts and lists
// of texts under names such as "Ordner/Pdf". The desktop keeps them in Qt's settings in the
// user's configuration folder, never in a worksheet file; a change is kept at once.
class TAblage {
public:
    virtual ~TAblage() = default;
    // The text kept under schluessel; nothing when there is none.
    virtual std::optional<std::string> Text(const std::string& schluessel) const = 0;
    virtual void SetzeText(const std::string& schluessel, const std::string& wert) = 0;
    // The list kept under schluessel, in its order; empty when there is none.
    virtual std::vector<std::string> Liste(const std::string& schluessel) const = 0;
    virtual void SetzeListe(const std::string& schluessel, const std::vector<std::string>& werte) = 0;
};
