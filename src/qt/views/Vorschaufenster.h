// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/views/Dialog.h"

class QScrollArea;
class TFVorschau;

// The print preview "Vorschau" on screen, modal over the print dialog: the page navigation
// with "Seite i von n", the zoom, the page in a scrolling area, and "Drucken" and
// "Schließen". Every widget is bound to the preview model's control of the same name; the
// page is drawn by the model. Page Up and Page Down turn the pages, Home and End go to the
// first and the last.
class TVorschaufenster final : public TDialog {
public:
    TVorschaufenster(TFVorschau& vorschau, TFehlerbehandlung& fehler, QWidget* eltern = nullptr);
    ~TVorschaufenster() override;

    QScrollArea& Seitenbereich() const { return *Bereich; }

protected:
    // Escape and the window's close button act as "Schließen".
    void reject() override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    // Each showing fits the screen the window comes up on.
    void Vorbereiten() override;

private:
    TFVorschau& Vorschau;
    TFehlerbehandlung& Fehler;
    QScrollArea* Bereich;
};
