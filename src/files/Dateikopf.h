// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The header text every worksheet file starts with, and the version number derived from it
// that the readers test to skip values older files do not hold.

// Header written by this program.
inline constexpr std::string_view AktuellerDateikopf = "Zifferbogen 3.1";
// Version number of the files this program writes (and of every unknown header).
inline constexpr int AktuelleDateiversion = 11;

// Returns the file version for a header text: "Zifferbogen 2.0" is 0, "Zifferbogen 2.1" is 1,
// ... "Zifferbogen 3.0" is 10; every other text (the current header, an empty or unknown one)
// is 11. The comparison is exact and case-sensitive. Named apart from the main window's field
// Dateiversion so that it is not hidden inside its member functions.
int DateiversionAusKopf(std::string_view kopf);
