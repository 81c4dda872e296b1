#include "app/Standarddatei.h"

#include <cstdlib>
#include <system_error>

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

std::filesystem::path TStandarddatei::Lesepfad()
{
    const auto konfiguration = Konfigurationspfad();
    std::error_code fehler;
    if (!konfiguration.empty() && std::filesystem::is_regular_file(konfiguration, fehler))
        return konfiguration;
    const auto verzeichnis = Programmverzeichnis();
    return verzeichnis.empty() ? std::filesystem::path() : verzeichnis / Dateiname;
}
