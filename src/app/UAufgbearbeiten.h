// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The task edit dialog as a model: one task of the page typed in by hand. The dialog works on
// a copy of the task's values and writes them back only on "Übernehmen"; the result is
// recomputed from operands and operator, never typed.

#include "toolkit/Formular.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class TAufgabe;
class TMeldungen;

class TFEditAufgabe final : public TFormular {
public:
    // The operator list's entries, in the order of the operator codes 0..3.
    static constexpr std::array<const char*, 4> Operatoren{"+", "-", "·", "/"};

    // Errors of the computation are shown through meldungen.
    explicit TFEditAufgabe(TMeldungen& meldungen);

    // The task to edit (none: the dialog edits nothing and writes nothing back). The main
    // window sets it before it shows the dialog and takes it away afterwards.
    void SetzeAufgabe(TAufgabe* aufgabe) { Aufgabe = aufgabe; }
    // Copies the task's values into the working copy, selects the placeholder's radio button
    // and shows them.
    void Laden();
    // Shows the working copy and recomputes result and remainder. A division by 0 or a result
    // outside 32 bits is reported in a message box; result and remainder then keep their
    // values and EErg is not updated. Returns whether the result could be computed.
    bool Anzeigen();
    // Reads operands, operator and placeholder position from the controls into the working
    // copy, then Anzeigen; returns what Anzeigen returns.
    bool einlesen();
    // Copies the working copy into the task and recomputes its digit sum.
    void Zurueckschreiben();
    // The dialog opens (modally): Sichtbar, and the task loaded again.
    void FormShow();
    // The dialog closes without Übernehmen, e.g. by the window's close button.
    void Schliessen() { Sichtbar = false; }

    // The integer in text: its digits, negative when a minus sign stands before the first
    // digit; other characters are ignored. No digit, or a number outside 32 bits, gives
    // vorgabe.
    static std::int32_t secureStrtoInt(std::string_view text, std::int32_t vorgabe);

    // The working copy.
    std::int32_t Operand1 = 0;
    std::int32_t Operand2 = 0;
    int Rechenzeichen = 0; // index of the operator list
    std::int32_t Ergebnis = 0;
    std::int32_t Rest = 0;
    std::int32_t Platzhalter = 3; // 1 first operand, 2 second operand, 3 result

    TSichtbarkeit Sichtbar;
    // Whether the dialog was last closed by "Übernehmen".
    bool Uebernommen = false;

    TEdit* EOp1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TEdit* EOp2 = nullptr;
    TEdit* EErg = nullptr;
    TRadioButton* RBPlatzhalterOp1 = nullptr;
    TRadioButton* RBPlatzhalterOp2 = nullptr;
    TRadioButton* RBPlatzhalterErg = nullptr;
    TButton* Button1 = nullptr; // "Operanden vertauschen"
    TButton* BAbbrechen = nullptr;
    TButton* BUebernehmen = nullptr;

private:
    // The handler of the controls that read the dialog; ignored while the dialog sets its
    // own controls, so that showing the copy never reads stale texts back into it.
    void Eingabe();
    void BUebernehmenClick();
    void BAbbrechenClick();
    void Button1Click();

    TMeldungen& Meldungen;
    TAufgabe* Aufgabe = nullptr;
    bool Setzt = false;
};
