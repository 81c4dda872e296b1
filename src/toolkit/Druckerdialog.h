// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

class TDrucker;

// The printer-setup dialog: lets the user choose one of the printers (with its paper and
// orientation, which the printer keeps). Returns the chosen index, or gewaehlt after Cancel.
class TDruckerdialog {
public:
    virtual ~TDruckerdialog() = default;
    virtual std::size_t Ausfuehren(const std::vector<TDrucker*>& drucker, std::size_t gewaehlt) = 0;
};
