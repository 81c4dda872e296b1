#pragma once

// The heading dialog as a model: its two memos are the only place the heading and the work
// instruction of the sheet are kept; every change lays the page out anew.

#include "toolkit/Formular.h"

class TLoadSave;
class TZeichnen;

class TFUeberschrift final : public TFormular {
public:
    explicit TFUeberschrift(TZeichnen& hauptfenster);

    // The dialog opens, not modally; the memos keep what they hold.
    void FormShow() { Sichtbar = true; }
    // "OK": the page laid out anew, and the dialog closed.
    void BOKClick();

    // Appends a line to the heading or the work instruction, as typing it would.
    void UeberschriftZeileAnfuegen(std::string zeile);
    void AnweisungZeileAnfuegen(std::string zeile);

    // Writes the heading block of a worksheet file: the line count and the lines of the
    // heading, then those of the work instruction.
    void UeberschriftSchreiben(TLoadSave& strom) const;
    // Reads a heading block into the memos, which are cleared first. Raises ERangeError for a
    // line count that no heading has, EConvertError at the end of the file.
    void UeberschriftLesen(TLoadSave& strom);

    TMemo* MUeberschrift = nullptr;
    TMemo* MArbeitsanweisung = nullptr;
    TButton* BSchrift = nullptr;   // Tag 3, the heading font
    TButton* BAaSchrift = nullptr; // Tag 5, the work-instruction font
    TButton* BOK = nullptr;
    TSichtbarkeit Sichtbar;

private:
    void MUeberschriftChange();

    TZeichnen& Hauptfenster;
};
