// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The nine layout values of the main window (TZeichnen::RandWerte[1..9], cm): one row each
// with its controls, caption, default and the page's field it is handed to. The window's
// construction, the hand-over to the page, the defaults and the file reader's messages all
// follow this table, so a new value is one row (and one more place in the arrays of
// TZeichnen, which UZeichnenAufbau.cpp checks).

#include "sheet/USeite.h"

#include <array>

struct TLayoutwert {
    int Index;                  // its place in RandWerte, RandWerteEdits and RandUpDowns; the up-down's Tag
    const char* Feld;           // the edit field's name
    const char* Pfeile;         // the up-down's name
    const char* Beschriftung;   // the label's name
    const char* Text;           // the label's caption
    const char* Reiter;         // the tab page it stands on
    double Vorgabe;             // the value at the start, cm
    double TSeite::*Seitenfeld; // where ParameterUebergeben puts it
    const char* Wertname;       // how a message names it: "Der Wert ... cm für <Wertname> ..."
};

// The four margins stand side by side on their own tab page, made at run time in a row; the
// other five are designed onto the pages they belong to.
inline constexpr std::array<TLayoutwert, 9> Layoutwerte{{
    {1, "RandWerteEdits[1]", "RandUpDowns[1]", "RandLabels[1]", "Links:", "TSSeitenraender", 1.0, &TSeite::RandLinks,
     "den linken Rand"},
    {2, "RandWerteEdits[2]", "RandUpDowns[2]", "RandLabels[2]", "Rechts:", "TSSeitenraender", 1.0, &TSeite::RandRechts,
     "den rechten Rand"},
    {3, "RandWerteEdits[3]", "RandUpDowns[3]", "RandLabels[3]", "Oben:", "TSSeitenraender", 2.0, &TSeite::RandOben,
     "den oberen Rand"},
    {4, "RandWerteEdits[4]", "RandUpDowns[4]", "RandLabels[4]", "Unten:", "TSSeitenraender", 2.0, &TSeite::RandUnten,
     "den unteren Rand"},
    {5, "ESpaltenabstand", "UDSpaltenabstand", "LESpaltenabstand", "Spaltenabstand mind.:", "TSLayout1", 0.8,
     &TSeite::Spaltenabstand, "den Spaltenabstand"},
    {6, "ESBreite", "UDSBreite", "LESBreite", "Breite:", "TSPlatzhaltergroesse", 0.5, &TSeite::ZifferBreite,
     "die Breite einer Ziffer"},
    {7, "ESHoehe", "UDShoehe", "LESHoehe", "Höhe:", "TSPlatzhaltergroesse", 0.7, &TSeite::ZifferHoehe,
     "die Höhe einer Ziffer"},
    {8, "EZeilenabstand", "UDZeilenabstand", "LEZeilenabstand", "Zeilenabstand mind.:", "TSLayout1", 0.3,
     &TSeite::Zeilenabstand, "den Zeilenabstand"},
    {9, "EAbstNummerAufgabe", "UDAbstNummerierungAufgabe", "LEAbstNummerAufgabe",
     "Abstand zwischen Nummer und Aufgabe:", "TSNummerierung", 0.4, &TSeite::NummerAbstand,
     "den Abstand zwischen Nummer und Aufgabe"},
}};

// The rows stand in the order of their index, 1 up, each with a page field of its own.
constexpr bool LayoutwerteGeordnet()
{
    for (std::size_t i = 0; i < Layoutwerte.size(); ++i) {
        if (Layoutwerte[i].Index != static_cast<int>(i) + 1 || Layoutwerte[i].Seitenfeld == nullptr)
            return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (Layoutwerte[j].Seitenfeld == Layoutwerte[i].Seitenfeld)
                return false;
        }
    }
    return true;
}
static_assert(LayoutwerteGeordnet());
