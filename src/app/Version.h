// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The program's version as the user sees it and as the worksheet files carry it.
inline constexpr const char* Programmversion = "3.1";
inline constexpr const char* Versionsdatum = "vom 16.12.2006";

// "Version 3.1 vom 16.12.2006"
inline std::string Versionstext()
{
    return std::string("Version ") + Programmversion + " " + Versionsdatum;
}
