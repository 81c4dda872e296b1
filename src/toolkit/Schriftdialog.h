// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Schrift.h"

// The font dialog: shows a font and lets the user change it. Returns false after Cancel,
// leaving schrift as it was.
class TSchriftdialog {
public:
    virtual ~TSchriftdialog() = default;
    virtual bool Ausfuehren(TSchrift& schrift) = 0;
};
