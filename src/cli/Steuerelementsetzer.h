// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class TFormular;

// Changes a control of one of the given windows by name, as a user would: check box
// "true"/"false" (a click that leaves it so), radio button "true" (a click on it; "false" only
// for one that is not chosen, which changes nothing), edit
// field: its text, then Enter; up-down: its position, then its arrow-click handler; radio
// group: the item index; combo box: one of its item texts; button "true" (a press). A control that is disabled or
// hidden cannot be changed. Throws TBedienfehler with a German message naming the control
// when the name is unknown (with up to three similar names), the value does not fit the
// control, or the control cannot be operated; nothing is changed then.
void SteuerelementSetzen(const std::vector<TFormular*>& fenster, const std::string& name, const std::string& wert);

// The controls of the given windows that SteuerelementSetzen finds, one a line, tab-separated:
// the name it takes; the kind (German, with an up-down's range and a radio group's items by
// their numbers, "Pfeilschalter 1 bis 10", "Auswahlgruppe 0=a | 1=b"); the caption the user
// reads there, behind the captions of the tab page and group boxes around it ("Plus, Minus ›
// Zahlenraum bis einschließlich › 10"); the value as it would be set now (a button has none);
// and whether it can be operated now ("bedienbar", "gesperrt", "ausgeblendet" or "gerade nicht
// bedienbar", as its group box or tab page is). Read-only fields and controls without a value
// are left out, and so is a name an earlier window holds already.
std::string Steuerelementliste(const std::vector<TFormular*>& fenster);

// Splits "NAME=VALUE" of --set; throws TBedienfehler when there is no "=" or no name.
std::pair<std::string, std::string> SetzungTeilen(const std::string& setzung);
