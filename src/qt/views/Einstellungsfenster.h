// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class TBindung;
class TFehlerbehandlung;
class TMainForm;

// The settings window "Aufgaben auswählen" on screen: the left column with "Zum Hauptfenster",
// the quick boxes of the four operations and the error list, and the four tab pages. Every
// widget is bound to the control of the settings window model of the same name; the grid of
// combinations, the digit places, the times-table boxes and the digit-count fields stand where
// the model places them.
class TEinstellungsfenster final : public QWidget {
public:
    TEinstellungsfenster(TMainForm& form, TFehlerbehandlung& fehler);
    ~TEinstellungsfenster() override;

    TBindung& Bindung() const { return *BindungFeld; }

private:
    QWidget* SeitePlusMinus();
    QWidget* SeiteMalGeteilt();
    QWidget* SeitePlatzhalter();
    QWidget* SeiteTriviale();
    QWidget* Stellengruppe(const char* gruppe, int erstes, const char* rolle);
    QWidget* Einmaleinsgruppe(const char* gruppe, const char* bis10, const char* bis20, const char* ta,
                              const char* kleinKlein, const char* kleinGross, const char* grossGross,
                              const char* schwer, const char* schwer1, const char* schwer2, QLayout* unten);

    std::unique_ptr<TBindung> BindungFeld;
};
