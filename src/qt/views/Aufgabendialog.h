// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/views/Dialog.h"

class TFEditAufgabe;

// "Aufgabe bearbeiten" on screen, modal: first operand, the operator list (its entries alone,
// nothing can be typed there), second operand, "=" and the result, which is shown, not typed
// (the Tab key passes it by); below the operands the three buttons for the placeholder's
// place, the first captioned "Platzhalter:" on its left; then "Operanden vertauschen",
// "Abbrechen" and "Übernehmen". Enter in an operand field computes the result; a refused
// "Übernehmen" leaves the dialog open.
class TAufgabendialog final : public TDialog {
public:
    TAufgabendialog(TFEditAufgabe& dialog, TFehlerbehandlung& fehler, QWidget* eltern);

protected:
    void showEvent(QShowEvent* ereignis) override;
};
