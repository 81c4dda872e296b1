// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/views/Dialog.h"

class TFUeberschrift;

// "Überschrift und Arbeitsanweisung" on screen, not modal: the heading and the work
// instruction, each in a memo under its caption with its "Schrift ..." button beside it, and
// "OK". The page follows every keystroke.
class TUeberschriftsdialog final : public TDialog {
public:
    TUeberschriftsdialog(TFUeberschrift& dialog, TFehlerbehandlung& fehler, QWidget* eltern);
};
