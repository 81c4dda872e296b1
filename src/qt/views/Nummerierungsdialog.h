// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/views/Dialog.h"

class TFNummerierung;

// "Nummerierungszeichen" on screen, modal: the counting style in the group "Zählweise", the
// text after the number, the preview of the first three labels, which follows every click and
// keystroke, and "OK".
class TNummerierungsdialog final : public TDialog {
public:
    TNummerierungsdialog(TFNummerierung& dialog, TFehlerbehandlung& fehler, QWidget* eltern);
};
