#pragma once

#include <string>

class TMainForm;

// Reads the header and the settings block of the worksheet file at pfad into the settings
// window (the rest of the file is not read). Returns false, changing nothing, when the file
// cannot be opened. Raises EZifferbogenFehler when the file cannot be read; the settings
// window is then as it was before.
bool EinstellungenAusDateiLesen(TMainForm& einstellungen, const std::string& pfad);
