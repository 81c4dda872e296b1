#pragma once

#include <string>

class TMainForm;

// Reads the header and the settings block of the worksheet file at pfad into the settings
// window (the rest of the file is not read). Returns 0 when it was read; else why the file
// could not be opened (as DateiGanzLesen says it, ENOENT for a missing file), and nothing is
// changed. Raises EZifferbogenFehler when the file cannot be read; the settings window is
// then as it was before.
int EinstellungenAusDateiLesen(TMainForm& einstellungen, const std::string& pfad);
