// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/views/Dialog.h"

#include <memory>

class QProgressDialog;
class TDruckfortschritt;
class TFDrucken;
class TFehlerbehandlung;

// The print dialog "Drucken" on screen: the note at the top, the sentence with the numbers of
// different worksheets and of copies with their arrows, the two options, the printer in use
// with "Druckereinstellungen...", and "Vorschau ...", "OK" and "Abbruch". Every widget is bound to the control
// of the print dialog model of the same name. While a run prints, a progress window with
// "Abbruch" shows how far it is, once the run takes longer than a moment.
class TDruckdialog final : public TDialog {
public:
    TDruckdialog(TFDrucken& drucken, TFehlerbehandlung& fehler, QWidget* eltern = nullptr);
    ~TDruckdialog() override;

    // What the print runs of this dialog report their progress to.
    TDruckfortschritt& Fortschritt() const;
    // The progress window of the run going on, or none.
    QProgressDialog* Fortschrittsfenster() const;

protected:
    // Escape and the window's close button act as "Abbruch".
    void reject() override;
    // Each showing stands over the middle of the main window, with the number of worksheets
    // ready to be typed.
    void Vorbereiten() override;

private:
    class TFortschritt;

    TFDrucken& Drucken;
    TFehlerbehandlung& Fehler;
    std::unique_ptr<TFortschritt> FortschrittFeld;
    // The same while the pages of a preview are made.
    std::unique_ptr<TFortschritt> VorbereitungFeld;
};
