// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/views/Dialog.h"

class TFInfo;

// "Über das Programm" on screen, modal: the program's symbol and name, the version text, the
// word to the user (read-only) and "OK".
class TInfofenster final : public TDialog {
public:
    TInfofenster(TFInfo& info, TFehlerbehandlung& fehler, QWidget* eltern);
};
