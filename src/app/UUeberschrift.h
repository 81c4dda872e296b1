// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The heading dialog as a model: its two memos are the only place the heading and the work
// instruction of the sheet are kept; every change lays the page out anew.

#include "toolkit/Formular.h"

class TLoadSave;

// What the heading dialog needs of the main window: its font buttons open the main window's
// font dialog, and the page is laid out anew when the heading changes.
class TUeberschriftZiel {
public:
    virtual ~TUeberschriftZiel() = default;
    // The font button with Tag index (3 the heading, 5 the work instruction).
    virtual void SchriftCLick(int index) = 0;
    virtual void Seitenmetrik() = 0;
};

class TFUeberschrift final : public TFormular {
public:
    // The most lines the heading, and the work instruction, may have: the dialog and the
    // command line take no more, and a worksheet file with more is damaged. A thousand lines
    // fit no sheet already; the limit keeps a damaged count from making the reader run on.
    static constexpr std::size_t GroessteZeilenzahl = 1000;

    explicit TFUeberschrift(TUeberschriftZiel& hauptfenster);

    // The dialog opens, not modally; the memos keep what they hold.
    void FormShow() { Sichtbar = true; }
    // "OK": the page laid out anew, and the dialog closed.
    void BOKClick();

    // Appends a line to the heading or the work instruction, as typing it would. Beyond
    // GroessteZeilenzahl lines the memo keeps its first ones and ERangeError says so.
    void UeberschriftZeileAnfuegen(std::string zeile);
    void AnweisungZeileAnfuegen(std::string zeile);

    // Writes the heading block of a worksheet file: the line count and the lines of the
    // heading, then those of the work instruction.
    void UeberschriftSchreiben(TLoadSave& strom) const;
    // Reads a heading block into the memos, which are cleared first. Raises ERangeError for a
    // line count that no heading has, EConvertError at the end of the file.
    void UeberschriftLesen(TLoadSave& strom);
    // The warning after a save when the heading or the work instruction holds characters a
    // worksheet file cannot hold, which the file keeps as "?": it names each of them once.
    // Empty when the file holds both as they are.
    std::string Fragezeichenhinweis() const;

    TMemo* MUeberschrift = nullptr;
    TMemo* MArbeitsanweisung = nullptr;
    // A line at the very top of the page for the pupil's name and the date, with the class
    // when CBKlasse is ticked too.
    TCheckBox* CBNamenszeile = nullptr;
    TCheckBox* CBKlasse = nullptr;
    TButton* BSchrift = nullptr;   // Tag 3, the heading font
    TButton* BAaSchrift = nullptr; // Tag 5, the work-instruction font
    TButton* BOK = nullptr;
    TSichtbarkeit Sichtbar;

private:
    void MUeberschriftChange(TMemo& memo);
    // "Überschrift" or "Arbeitsanweisung", as messages name the memo's block.
    std::string Blockname(const TMemo& memo) const;

    TUeberschriftZiel& Hauptfenster;
};
