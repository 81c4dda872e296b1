#pragma once

#include <filesystem>
#include <string>

// Where the standard settings "Standard.zfb" live: in the user's configuration directory
// ($XDG_CONFIG_HOME/zifferbogen/, by default ~/.config/zifferbogen/), where
// "Standardeinstellungen Speichern" writes them, or else beside the executable, where an
// installation may ship them.
struct TStandarddatei {
    inline static const std::string Dateiname = "Standard.zfb";

    // The file in the configuration directory (whether it exists or not); empty when
    // neither XDG_CONFIG_HOME nor HOME is set.
    static std::filesystem::path Konfigurationspfad();
    // The file to read at start-up: the one in the configuration directory if it exists,
    // else the one beside the executable (which need not exist).
    static std::filesystem::path Lesepfad();
    // The directory of the running executable; empty when it cannot be found.
    static std::filesystem::path Programmverzeichnis();
};
