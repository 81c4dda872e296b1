#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Bad usage of the command line; what() is the German message. Exit status 2.
class TBedienfehler final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Exit statuses of the command line.
inline constexpr int StatusFertig = 0;
inline constexpr int StatusDateifehler = 1;
inline constexpr int StatusBedienfehler = 2;

// What the command line asks for, as read from the arguments.
struct TKommandozeile {
    bool Hilfe = false;
    bool Version = false;
    bool Vorrat = false;                     // --pool
    std::optional<std::int64_t> Aufgaben;    // --tasks N
    std::optional<std::uint32_t> Startwert;  // --seed N
    std::vector<std::pair<std::string, std::string>> Setzungen; // --set NAME=VALUE, in order
    std::string Datei;                       // FILE.zfb, empty when none

    // True when an output option was given, so the program runs without a window.
    bool Kopflos() const { return Hilfe || Version || Vorrat || Aufgaben.has_value(); }
};

// Reads the arguments (without the program name). Throws TBedienfehler on bad usage.
TKommandozeile KommandozeileLesen(const std::vector<std::string>& argumente);

// The German usage text of --help.
std::string Hilfetext();

// Runs the headless outputs; returns the exit status. Results go to aus, messages to fehler.
// The settings come from the given file, else from the standard settings file (when it
// exists), then from the --set options. Nothing is written to aus when the run fails.
int KommandozeileAusfuehren(const TKommandozeile& auftrag, std::ostream& aus, std::ostream& fehler,
                            const std::filesystem::path& standarddatei = {});
