// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Where the standard settings "Standard.zfb" live: in the user's configuration directory
// ($XDG_CONFIG_HOME/zifferbogen/, by default ~/.config/zifferbogen/), where
// "Standardeinstellungen Speichern" writes them, or else in one of the system's configuration
// directories ($XDG_CONFIG_DIRS, by default /etc/xdg/zifferbogen/), where an administrator
// sets them for every user.
struct TStandarddatei {
    inline static const std::string Dateiname = "Standard.zfb";

    // The file in the configuration directory (whether it exists or not); empty when
    // neither XDG_CONFIG_HOME nor HOME is set.
    static std::filesystem::path Konfigurationspfad();
    // The places looked at, in their order: the user's file, then the file in each absolute
    // entry of XDG_CONFIG_DIRS (unset or empty: /etc/xdg).
    static std::vector<std::filesystem::path> Suchpfade();
    // The file to read at start-up: the first of Suchpfade that is there, else the user's
    // file (which then does not exist).
    static std::filesystem::path Lesepfad();
    // The directory of the running executable; empty when it cannot be found.
    static std::filesystem::path Programmverzeichnis();
};
