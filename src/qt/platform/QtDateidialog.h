// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Dateidialog.h"

class QWidget;

// Qt's file dialogs for opening and saving worksheets, in German, starting in the folder
// used last.
class TQtDateidialog final : public TDateidialog {
public:
    explicit TQtDateidialog(QWidget* eltern = nullptr) : Eltern(eltern) {}

    std::optional<std::string> Oeffnen(const std::string& filter, const std::string& endung) override;
    std::optional<std::string> Speichern(const std::string& filter, const std::string& endung) override;

private:
    std::optional<std::string> Zeigen(bool speichern, const std::string& filter, const std::string& endung);

    QWidget* Eltern;
    std::string Ordner;
};
