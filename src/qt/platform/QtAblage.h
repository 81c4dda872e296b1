// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Ablage.h"

#include <memory>

class QSettings;

// What the desktop program remembers, in Qt's settings of organisation and application
// "zifferbogen": $XDG_CONFIG_HOME/zifferbogen/zifferbogen.conf (by default under
// ~/.config). Every change is written at once, so a program that is killed keeps what it
// had noted until then.
class TQtAblage final : public TAblage {
public:
    TQtAblage();
    ~TQtAblage() override;
    TQtAblage(const TQtAblage&) = delete;
    TQtAblage& operator=(const TQtAblage&) = delete;

    std::optional<std::string> Text(const std::string& schluessel) const override;
    void SetzeText(const std::string& schluessel, const std::string& wert) override;
    std::vector<std::string> Liste(const std::string& schluessel) const override;
    void SetzeListe(const std::string& schluessel, const std::vector<std::string>& werte) override;

    // The file the settings are kept in.
    std::string Datei() const;

private:
    void Schreiben();

    std::unique_ptr<QSettings> Einstellungen;
};
