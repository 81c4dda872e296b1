// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Bedienfehler.h"
#include "toolkit/Papier.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class EZifferbogenFehler;
class TAusgabegeraete;

// Exit statuses of the command line.
inline constexpr int StatusFertig = 0;
inline constexpr int StatusDateifehler = 1;
inline constexpr int StatusBedienfehler = 2;

// What the command line asks for, as read from the arguments.
struct TKommandozeile {
    bool Hilfe = false;
    bool Version = false;
    bool Vorrat = false;                                        // --pool
    std::optional<std::int64_t> Aufgaben;                       // --tasks N
    std::optional<std::uint32_t> Startwert;                     // --seed N
    std::vector<std::pair<std::string, std::string>> Setzungen; // --set NAME=VALUE, in order
    std::vector<std::string> Ueberschrift;                      // --heading TEXT, in order
    std::vector<std::string> Anweisung;                         // --instruction TEXT, in order
    bool Steuerelemente = false;                                // --controls
    bool Seite = false;                                         // --page
    std::string Pdf;                                            // --pdf FILE, empty when none
    std::string Svg;                                            // --svg FILE, empty when none
                                                                // (both: "-" standard output)
    std::string Speichern;                                      // --save FILE, empty when none
    std::optional<TPapierformat> Papierformat;                  // --paper FORMAT
    bool Querformat = false;                                    // --landscape
    // The print dialog's fields for --pdf, as typed (--sheets N, --copies N; none: the field
    // stays as it is) and its check boxes (--solutions, --number; false: as it is).
    std::optional<std::string> Blaetter;
    std::optional<std::string> Exemplare;
    bool Loesungsblaetter = false;
    bool LoesungenAmEnde = false;
    bool Nummerieren = false;
    std::string Datei; // FILE.zfb, empty when none
    bool VorlagenListe = false; // --templates
    std::string Vorlage;        // --template NAME, empty when none
    bool NeueAufgaben = false;  // new tasks once FILE is opened (a ready-made sheet's)

    // The PDF printer's paper the page is laid out on and printed to: A4 portrait unless asked.
    TPapier Papier() const { return {Papierformat.value_or(TPapierformat::A4), Querformat}; }
    // True when an output of the laid-out page was asked for, which needs the page model and
    // the platform's printer.
    bool Seitenausgabe() const { return Steuerelemente || Seite || !Pdf.empty() || !Svg.empty() || !Speichern.empty(); }
    // True when an output option was given, so the program runs without a window.
    bool Kopflos() const
    {
        return Hilfe || Version || VorlagenListe || Vorrat || Aufgaben.has_value() || Seitenausgabe();
    }
};

// One option of the command line: its name, the value it takes, what it does to the request,
// and how --help explains it. The parser, --help and the README's option table all follow the
// list of Optionen(), so a new option is one row there (and its field in TKommandozeile).
struct TOption {
    std::string_view Name;     // "--tasks"
    std::string_view Wertname; // the value's name in --help and the README ("N"); empty: takes none
    // Takes the option's value (empty when it takes none) into the request; throws
    // TBedienfehler on a bad value. None for "--", which the parser itself understands.
    void (*Setzen)(TKommandozeile& auftrag, const std::string& option, const std::string& wert);
    // Its --help text; --help wraps it into the column of all options' texts (a line end in
    // it counts as a blank).
    std::string_view Hilfe;
    std::string_view Kurzname = {}; // another name the parser accepts, not shown ("-h")
};

// The options in the order --help and the README list them.
std::span<const TOption> Optionen();

// Reads the arguments (without the program name). Throws TBedienfehler on bad usage.
TKommandozeile KommandozeileLesen(const std::vector<std::string>& argumente);

// Whether the option is an output option: given alone, the program runs without a window.
bool IstAusgabeoption(const TOption& option);

// The German usage text of --help, in lines of at most 80 characters.
std::string Hilfetext();

// Writes "zifferbogen: ", the message and a line end to fehler; bytes of the message that are
// not well-formed UTF-8 (say, of a file name) and control characters appear as \xNN.
void Melden(std::ostream& fehler, const std::string& meldung);

// The text of --version: the program's name and version, "Zifferbogen 3.1 vom 16.12.2006".
std::string Programmversionstext();

// Runs the headless outputs; returns the exit status. Results go to aus, messages to fehler;
// an output that cannot be written completely is reported and gives StatusDateifehler.
// The settings come from the given file, else from the standard settings file (when it
// exists), then from the --set options. Nothing is written to aus when the run fails.
// geraete provides the printer and pictures of the page outputs (--page, --pdf, --svg); without
// it those outputs are refused.
// vorlagenordner holds the ready-made worksheets (--templates, --template NAME; see
// app/Vorlagen.h).
int KommandozeileAusfuehren(const TKommandozeile& auftrag, std::ostream& aus, std::ostream& fehler,
                            const std::filesystem::path& standarddatei = {}, TAusgabegeraete* geraete = nullptr,
                            const std::filesystem::path& vorlagenordner = {});

// The file of the ready-made worksheet the request names (--template), or its own FILE. An
// unknown name is bad usage: the message lists the names there are.
std::string Arbeitsblattdatei(const TKommandozeile& auftrag, const std::filesystem::path& vorlagenordner);
