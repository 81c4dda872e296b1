// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Druckerdialog.h"

class QWidget;

// The printer-setup dialog "Druckereinrichtung": one of the installed printers is chosen, and
// a system printer's paper, orientation and margins are set up in Qt's page-setup dialog.
// The PDF printer offers A4, A5 and Letter, upright or across, in a small dialog of its own,
// since every paper Qt knows would be a long list for a worksheet; its name follows the paper.
// Cancel keeps the printer that was chosen and puts back the paper of every printer set up
// meanwhile.
class TQtDruckerdialog final : public TDruckerdialog {
public:
    explicit TQtDruckerdialog(QWidget* eltern = nullptr) : Eltern(eltern) {}

    std::size_t Ausfuehren(const std::vector<TDrucker*>& drucker, std::size_t gewaehlt) override;

private:
    QWidget* Eltern;
};
