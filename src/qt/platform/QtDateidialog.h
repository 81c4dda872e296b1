// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Dateidialog.h"

class QWidget;

// Qt's file dialogs for opening and saving, in German, starting where the model says (the
// folder used last, or the file to propose), else in the user's home folder.
class TQtDateidialog final : public TDateidialog {
public:
    explicit TQtDateidialog(QWidget* eltern = nullptr) : Eltern(eltern) {}

    std::optional<std::string> Oeffnen(const std::string& filter, const std::string& endung,
                                       const std::string& start) override;
    std::optional<std::string> Speichern(const std::string& filter, const std::string& endung,
                                         const std::string& start) override;

private:
    std::optional<std::string> Zeigen(bool speichern, const std::string& filter, const std::string& endung,
                                      const std::string& start);

    QWidget* Eltern;
};
