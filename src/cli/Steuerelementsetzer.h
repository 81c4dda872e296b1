// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class TFormular;

// Changes a control of one of the given windows by name, as a user would: check box
// "true"/"false" (a click that leaves it so), radio button "true" (a click on it), edit
// field: its text, then Enter; up-down: its position, then its arrow-click handler; radio
// group: the item index; combo box: one of its item texts; button "true" (a press). A control that is disabled or
// hidden cannot be changed. Throws TBedienfehler with a German message naming the control
// when the name is unknown, the value does not fit the control, or the control cannot be
// operated; nothing is changed then.
void SteuerelementSetzen(const std::vector<TFormular*>& fenster, const std::string& name, const std::string& wert);

// Splits "NAME=VALUE" of --set; throws TBedienfehler when there is no "=" or no name.
std::pair<std::string, std::string> SetzungTeilen(const std::string& setzung);
