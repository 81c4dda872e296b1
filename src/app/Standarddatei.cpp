// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Standarddatei.h"

#include <cstdlib>
#include <sstream>
#include <system_error>
#include <utility>

std::filesystem::path TStandarddatei::Konfigurationspfad()
{
    // An XDG_CONFIG_HOME that is not absolute is invalid and must be ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path basis;
    if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) {
        basis = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        basis = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return basis / "zifferbogen" / Dateiname;
}

std::filesystem::path TStandarddatei::Programmverzeichnis()
{
    std::error_code fehler;
    const auto programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
    return fehler ? std::filesystem::path() : programm.parent_path();
}

std::vector<std::filesystem::path> TStandarddatei::Suchpfade()
{
    std::vector<std::filesystem::path> pfade;
    if (auto eigen = Konfigurationspfad(); !eigen.empty())
        pfade.push_back(std::move(eigen));
    const char* xdg = std::getenv("XDG_CONFIG_DIRS");
    std::istringstream liste(xdg != nullptr && *xdg != '\0' ? xdg : "/etc/xdg");
    for (std::string ordner; std::getline(liste, ordner, ':');) {
        // Relative entries are invalid and must be ignored.
        if (std::filesystem::path(ordner).is_absolute())
            pfade.push_back(std::filesystem::path(ordner) / "zifferbogen" / Dateiname);
    }
    return pfade;
}

std::filesystem::path TStandarddatei::Lesepfad()
{
    // A file that exists but cannot be read is still the one chosen: its error is reported
    // instead of settings from elsewhere standing in silently.
    for (const auto& pfad : Suchpfade()) {
        std::error_code fehler;
        if (std::filesystem::exists(pfad, fehler))
            return pfad;
    }
    return Konfigurationspfad();
}
