// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

class TMainForm;

// Reads the header and the settings block of the worksheet file at pfad into the settings
// window (the rest of the file is not read). Returns 0 when it was read; else why the file
// could not be opened (as DateiGanzLesen says it, ENOENT for a missing file), and nothing is
// changed. Raises EZifferbogenFehler when the file cannot be read; the settings window is
// then as it was before.
int EinstellungenAusDateiLesen(TMainForm& einstellungen, const std::string& pfad);

// Opens the worksheet file at pfad with oeffnen (which returns why the file could not be
// opened, 0 when it was read, and raises EZifferbogenFehler when it cannot be read) and turns
// every failure into an EInOutError whose German message names the file. For the standard
// settings (standard set) a missing file is no failure, and a message adds that the defaults
// stay.
void DateiOeffnenOderMelden(const std::function<int(const std::string&)>& oeffnen, const std::string& pfad,
                            bool standard);
