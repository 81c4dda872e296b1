// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric input fields of the settings window: how typed text becomes a number, when a
// typed number is taken over, and how the sixteen digit-count fields keep each other
// consistent.

#include "settings/Main.h"

#include <string>

void TMainForm::EnterFeldUebernehmen(TEdit& feld, std::int32_t& wert)
{
    wert = Ziffernfilter(feld.Text(), wert);
    feld.SetText(std::to_string(wert));
    LogikCheck();
}

void TMainForm::EMinErgDivisionChange()
{
    // The text is left as typed, so an out-of-range entry stays visible while the position
    // keeps its last value.
    const std::int32_t v = Ziffernfilter(EMinErgDivision->Text(), UDMinErgDivision->Position());
    if (v >= 0 && v <= 10)
        UDMinErgDivision->SetPosition(v);
    LogikCheck();
}

void TMainForm::UDMinErgDivisionClick()
{
    EMinErgDivision->SetText(std::to_string(UDMinErgDivision->Position()));
    LogikCheck();
}

void TMainForm::EStellenChange(int t)
{
    // 0 is not taken even in a zero field (the arrows reach it); LogikCheck then rewrites
    // the text from the up-down, so an entry that was not taken reverts at once.
    const std::int32_t v = Ziffernfilter(EStellen[t]->Text(), 10);
    if (v >= 1 && v <= 7)
        UDStellen[t]->SetPosition(v);
    Stellenkopplung(t);
    LogikCheck();
}

void TMainForm::UDStellenClick(int t)
{
    Stellenkopplung(t);
    LogikCheck();
    EStellen[t]->SetText(std::to_string(UDStellen[t]->Position()));
}

void TMainForm::Stellenkopplung(int t)
{
    // The moved positions couple their own group when LogikCheck rewrites their texts.
    const auto p = [this](int x) { return UDStellen[x]->Position(); };
    const auto setze = [this](int x, int wert) { UDStellen[x]->SetPosition(wert); };
    const int g = (t - 1) / 4 * 4;

    switch (t - g) {
    case 1: // digits from
        if (p(g + 2) < p(g + 1))
            setze(g + 2, p(g + 1));
        if (p(g + 1) - 1 < p(g + 3))
            setze(g + 3, p(g + 1) - 1);
        break;
    case 2: // digits to
        if (p(g + 2) < p(g + 1))
            setze(g + 1, p(g + 2));
        if (p(g + 2) - 1 < p(g + 4))
            setze(g + 4, p(g + 2) - 1);
        break;
    case 3: // zeros from
        if (p(g + 1) < p(g + 3) + 1)
            setze(g + 1, p(g + 3) + 1);
        if (p(g + 4) < p(g + 3))
            setze(g + 4, p(g + 3));
        break;
    default: // zeros to
        if (p(g + 4) < p(g + 3))
            setze(g + 3, p(g + 4));
        if (p(g + 2) < p(g + 4) + 1)
            setze(g + 2, p(g + 4) + 1);
        break;
    }

    // The divisor never has more digits than the dividend; the field changed wins.
    switch (t) {
    case 9:
        if (p(13) > p(9))
            setze(13, p(9));
        break;
    case 10:
        if (p(14) > p(10))
            setze(14, p(10));
        break;
    case 13:
        if (p(13) > p(9))
            setze(9, p(13));
        break;
    case 14:
        if (p(14) > p(10))
            setze(10, p(14));
        break;
    default:
        break;
    }
}
