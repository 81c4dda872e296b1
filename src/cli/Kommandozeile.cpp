// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Kommandozeile.h"

#include "app/Einstellungsdatei.h"
#include "app/Programm.h"
#include "app/UDrucken.h"
#include "app/USplash.h"
#include "app/UUeberschrift.h"
#include "app/UZeichnen.h"
#include "app/Version.h"
#include "app/Vorlagen.h"
#include "cli/Aufgabenzeile.h"
#include "cli/Steuerelementsetzer.h"
#include "files/Dateizugriff.h"
#include "files/Fehler.h"
#include "files/Windows1252.h"
#include "generator/UGSAufgabe.h"
#include "settings/Main.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Ausgabegeraete.h"
#include "toolkit/Dateidialog.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Zeitgeber.h"
#include "toolkit/Zufall.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

namespace {

// A whole decimal number in min..max, or a German message naming the option.
std::int64_t ZahlLesen(const std::string& option, const std::string& text, std::int64_t min, std::int64_t max)
{
    std::int64_t wert = 0;
    const char* ende = text.data() + text.size();
    const auto [zeiger, fehler] = std::from_chars(text.data(), ende, wert);
    if (text.empty() || fehler != std::errc() || zeiger != ende || wert < min || wert > max) {
        throw TBedienfehler("Ungültige Zahl für " + option + ": \"" + text + "\" (erlaubt: " + std::to_string(min)
                            + " bis " + std::to_string(max) + ").");
    }
    return wert;
}

// The name of a file to write: not empty.
std::string Dateiname(const std::string& option, const std::string& wert)
{
    if (wert.empty())
        throw TBedienfehler("Der Option " + option + " fehlt ihr Dateiname.");
    return wert;
}

// A paper format the PDF printer offers, named in any case, or a German message naming them.
TPapierformat PapierformatLesen(const std::string& option, const std::string& text)
{
    if (const std::optional<TPapierformat> format = FormatLesen(text))
        return *format;
    std::string formate;
    for (const TPapierformat format : Papierformate())
        formate += (formate.empty() ? "" : ", ") + std::string(Formatname(format));
    throw TBedienfehler("Unbekanntes Papierformat für " + option + ": \"" + text + "\" (möglich: " + formate + ").");
}

// The characters of a UTF-8 text, as a terminal lines them up.
std::size_t Zeichenzahl(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The options, in the order of --help and the README's table. Each row's Setzen fills the
// request; the rules between options follow the reading in KommandozeileLesen.
constexpr TOption Optionstabelle[] = {
    {"--set", "NAME=WERT",
     [](TKommandozeile& a, const std::string&, const std::string& w) { a.Setzungen.push_back(SetzungTeilen(w)); },
     "ein Bedienelement des Einstellungs- oder Hauptfensters oder\n"
     "des Druckdialogs so ändern, wie es ein Benutzer täte:\n"
     "Kontrollkästchen true/false, Optionsfeld true,\n"
     "Schaltfläche true (ein Druck), Eingabefeld: Text und\n"
     "Eingabetaste, Pfeilschalter: Position, Auswahlgruppe: Nummer\n"
     "des Eintrags; mehrfach möglich, in der angegebenen Reihenfolge\n"
     "(die Namen listet --controls)"},
    {"--controls", "", [](TKommandozeile& a, const std::string&, const std::string&) { a.Steuerelemente = true; },
     "die Bedienelemente auflisten, die --set ändern kann, eines je Zeile: Name, Art, Beschriftung, Wert "
     "und ob es gerade bedienbar ist, durch Tabulatoren getrennt"},
    {"--seed", "N",
     [](TKommandozeile& a, const std::string& o, const std::string& w) {
         a.Startwert = static_cast<std::uint32_t>(ZahlLesen(o, w, 0, 4'294'967'295));
     },
     "Startwert des Zufalls (gleicher Startwert, gleiche Ausgabe)"},
    {"--pool", "", [](TKommandozeile& a, const std::string&, const std::string&) { a.Vorrat = true; },
     "einen frischen Aufgabenvorrat ausgeben, eine Aufgabe je Zeile"},
    {"--tasks", "N",
     [](TKommandozeile& a, const std::string& o, const std::string& w) { a.Aufgaben = ZahlLesen(o, w, 0, 1'000'000); },
     "N Aufgaben in der Reihenfolge ausgeben, in der sie vergeben werden"},
    {"--heading", "TEXT",
     [](TKommandozeile& a, const std::string&, const std::string& w) { a.Ueberschrift.push_back(w); },
     "eine Zeile der Überschrift anfügen (mehrfach möglich)"},
    {"--instruction", "TEXT",
     [](TKommandozeile& a, const std::string&, const std::string& w) { a.Anweisung.push_back(w); },
     "eine Zeile der Arbeitsanweisung anfügen (mehrfach möglich)"},
    {"--page", "", [](TKommandozeile& a, const std::string&, const std::string&) { a.Seite = true; },
     "die Aufgaben des gesetzten Arbeitsblatts ausgeben: Zeile, Spalte\n"
     "(ab 1) und die Aufgabenfelder"},
    {"--save", "DATEI",
     [](TKommandozeile& a, const std::string& o, const std::string& w) { a.Speichern = Dateiname(o, w); },
     "das Arbeitsblatt als Arbeitsblattdatei (.zfb) speichern"},
    {"--svg", "DATEI", [](TKommandozeile& a, const std::string& o, const std::string& w) { a.Svg = Dateiname(o, w); },
     "das Arbeitsblatt als Bild (SVG) speichern, wie es die\n"
     "Zwischenablage erhält"},
    {"--pdf", "DATEI", [](TKommandozeile& a, const std::string& o, const std::string& w) { a.Pdf = Dateiname(o, w); },
     "das Arbeitsblatt als PDF drucken, wie es der Druckdialog\n"
     "druckt; alle Seiten kommen in eine Datei"},
    {"--paper", "FORMAT",
     [](TKommandozeile& a, const std::string& o, const std::string& w) { a.Papierformat = PapierformatLesen(o, w); },
     "mit --page, --svg und --pdf: das Papier, auf dem das\n"
     "Arbeitsblatt gesetzt wird: A4 (ohne Angabe), A5 oder Letter"},
    {"--landscape", "", [](TKommandozeile& a, const std::string&, const std::string&) { a.Querformat = true; },
     "mit --page, --svg und --pdf: das Papier im Querformat"},
    {"--sheets", "N", [](TKommandozeile& a, const std::string&, const std::string& w) { a.Blaetter = w; },
     "mit --pdf: N verschiedene Arbeitsblätter, neue Aufgaben für\n"
     "jedes (wie im Druckdialog getippt: nur die Ziffern zählen,\n"
     "ohne Ziffern 1; 1 bis 10000)"},
    {"--copies", "N", [](TKommandozeile& a, const std::string&, const std::string& w) { a.Exemplare = w; },
     "mit --pdf: jedes Arbeitsblatt N-mal (wie --sheets)"},
    {"--solutions", "", [](TKommandozeile& a, const std::string&, const std::string&) { a.Loesungsblaetter = true; },
     "mit --pdf: zu jedem Arbeitsblatt ein Lösungsblatt, direkt vor\n"
     "seinem letzten Exemplar"},
    {"--solutions-last", "",
     [](TKommandozeile& a, const std::string&, const std::string&) {
         a.Loesungsblaetter = true;
         a.LoesungenAmEnde = true;
     },
     "mit --pdf: alle Lösungsblätter nach allen Arbeitsblättern"},
    {"--templates", "", [](TKommandozeile& a, const std::string&, const std::string&) { a.VorlagenListe = true; },
     "die fertigen Arbeitsblätter auflisten: Name, Klasse, Titel"},
    {"--template", "NAME", [](TKommandozeile& a, const std::string&, const std::string& w) { a.Vorlage = w; },
     "mit dem fertigen Arbeitsblatt NAME beginnen (neue Aufgaben)\n"
     "statt mit den Standardeinstellungen"},
    {"--number", "", [](TKommandozeile& a, const std::string&, const std::string&) { a.Nummerieren = true; },
     "mit --pdf: jede Seite trägt oben links die Nummer ihres\n"
     "Arbeitsblatts, auch das Lösungsblatt"},
    {"--help", "", [](TKommandozeile& a, const std::string&, const std::string&) { a.Hilfe = true; }, "diese Hilfe",
     "-h"},
    {"--version", "", [](TKommandozeile& a, const std::string&, const std::string&) { a.Version = true; },
     "Versionstext"},
    {"--", "", nullptr, "Ende der Optionen: alles Weitere ist ein Dateiname"},
};

// The options' part of --help: a "*" before an output option, the name and value, then the
// text in one column for all, wrapped at word ends within 80 characters.
std::string Optionshilfe()
{
    const auto aufruf = [](const TOption& option) {
        return std::string(option.Name) + (option.Wertname.empty() ? "" : " " + std::string(option.Wertname));
    };
    std::size_t spalte = 0;
    for (const TOption& option : Optionen())
        spalte = std::max(spalte, 2 + Zeichenzahl(aufruf(option)) + 2);
    std::string hilfe;
    for (const TOption& option : Optionen()) {
        std::string zeile = (IstAusgabeoption(option) ? "* " : "  ") + aufruf(option);
        std::size_t laenge = 2 + Zeichenzahl(aufruf(option));
        bool zeilenanfang = true;
        std::size_t anfang = 0;
        const std::string_view text = option.Hilfe;
        while (anfang < text.size()) {
            const std::size_t ende = std::min(text.find_first_of(" \n", anfang), text.size());
            const std::string_view wort = text.substr(anfang, ende - anfang);
            anfang = ende + 1;
            if (wort.empty())
                continue;
            if (!zeilenanfang && laenge + 1 + Zeichenzahl(wort) > 80) {
                hilfe += zeile + '\n';
                zeile.clear();
                laenge = 0;
                zeilenanfang = true;
            }
            if (zeilenanfang) {
                zeile.append(spalte - laenge, ' ');
                laenge = spalte;
            } else {
                zeile += ' ';
                ++laenge;
            }
            zeile += wort;
            laenge += Zeichenzahl(wort);
            zeilenanfang = false;
        }
        hilfe += zeile + '\n';
    }
    return hilfe;
}

// Message boxes of a run without a window: their text goes to the error output.
class TTextmeldungen final : public TMeldungen {
public:
    explicit TTextmeldungen(std::ostream& fehler) : Fehler(fehler) {}
    void Zeige(const std::string& titel, const std::string& text, TMeldungsart) override
    {
        Melden(Fehler, titel + ' ' + text);
    }

private:
    std::ostream& Fehler;
};

} // namespace

std::span<const TOption> Optionen()
{
    return Optionstabelle;
}

bool IstAusgabeoption(const TOption& option)
{
    if (option.Setzen == nullptr)
        return false;
    // Asked of the option itself with a value it takes, so that the table and the request stay
    // the one place that says what an option does.
    TKommandozeile auftrag;
    try {
        option.Setzen(auftrag, std::string(option.Name),
                      option.Wertname.empty() ? "" : (option.Wertname == "N" ? "1" : "a=1"));
    } catch (const TBedienfehler&) {
        return false;
    }
    return auftrag.Kopflos();
}

std::string Programmversionstext()
{
    return std::string("Zifferbogen ") + Programmversion + " " + Versionsdatum;
}

TKommandozeile KommandozeileLesen(const std::vector<std::string>& argumente)
{
    TKommandozeile auftrag;
    bool optionenZuEnde = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& argument = argumente[i];
        if (!optionenZuEnde && argument == "--") {
            // Everything after "--" is a file name, even one that starts with "-".
            optionenZuEnde = true;
            continue;
        }
        if (optionenZuEnde || argument.size() < 2 || argument[0] != '-') {
            if (!auftrag.Datei.empty())
                throw TBedienfehler("Es darf nur eine Datei angegeben werden: „" + auftrag.Datei + "“ und „" + argument
                                    + "“.");
            if (argument.empty())
                throw TBedienfehler("Leerer Dateiname.");
            auftrag.Datei = argument;
            continue;
        }
        const auto gleich = argument.find('=');
        const std::string option = argument.substr(0, gleich);
        const bool hat_wert = gleich != std::string::npos;
        std::string wert = hat_wert ? argument.substr(gleich + 1) : std::string();

        const TOption* gefunden = nullptr;
        for (const TOption& kandidat : Optionen()) {
            if (kandidat.Setzen != nullptr && (option == kandidat.Name || option == kandidat.Kurzname))
                gefunden = &kandidat;
        }
        if (gefunden == nullptr)
            throw TBedienfehler("Unbekannte Option: " + argument + " (Hilfe: --help)");
        // The value: "--opt WERT" or "--opt=WERT".
        if (gefunden->Wertname.empty()) {
            if (hat_wert)
                throw TBedienfehler("Die Option " + option + " nimmt keinen Wert.");
        } else if (!hat_wert) {
            if (i + 1 >= argumente.size())
                throw TBedienfehler("Der Option " + option + " fehlt ihr Wert.");
            wert = argumente[++i];
        }
        gefunden->Setzen(auftrag, option, wert);
    }
    if (!auftrag.Vorlage.empty() && !auftrag.Datei.empty())
        throw TBedienfehler("Eine Vorlage und eine Datei zugleich: „" + auftrag.Vorlage + "“ und „" + auftrag.Datei
                            + "“.");
    if (auftrag.Vorrat && auftrag.Aufgaben)
        throw TBedienfehler("--pool und --tasks können nicht zusammen verwendet werden.");
    if ((auftrag.Vorrat || auftrag.Aufgaben)
        && (auftrag.Seitenausgabe() || !auftrag.Ueberschrift.empty() || !auftrag.Anweisung.empty()))
        throw TBedienfehler("--pool und --tasks stehen allein (nur mit DATEI, --set und --seed); --controls, --page, "
                            "--pdf, --svg, --heading und --instruction gehören zum Arbeitsblatt.");
    if (!auftrag.Seitenausgabe() && (!auftrag.Ueberschrift.empty() || !auftrag.Anweisung.empty()))
        throw TBedienfehler("--heading und --instruction wirken nur mit --page, --save, --svg oder --pdf.");
    for (const auto& [option, zeilen] :
         {std::pair{"--heading", &auftrag.Ueberschrift}, std::pair{"--instruction", &auftrag.Anweisung}}) {
        if (zeilen->size() > TFUeberschrift::GroessteZeilenzahl)
            throw TBedienfehler(std::string(option) + " ist " + std::to_string(zeilen->size())
                                + "-mal angegeben; Überschrift und Arbeitsanweisung haben höchstens "
                                + std::to_string(TFUeberschrift::GroessteZeilenzahl) + " Zeilen.");
    }
    // A PDF or a picture on the standard output is all that may go there.
    if (auftrag.Svg == "-" || auftrag.Pdf == "-") {
        std::vector<std::string> andere;
        if (auftrag.Steuerelemente)
            andere.emplace_back("--controls");
        if (auftrag.Seite)
            andere.emplace_back("--page");
        if (auftrag.Svg == "-" && auftrag.Pdf == "-")
            andere.emplace_back("--svg -");
        if (!andere.empty()) {
            std::string namen;
            for (const std::string& name : andere)
                namen += (namen.empty() ? "" : ", ") + name;
            throw TBedienfehler("Auf die Standardausgabe kann nur eine Ausgabe gehen: " + namen + " und "
                                + (auftrag.Pdf == "-" ? "--pdf -" : "--svg -") + " zugleich.");
        }
    }
    // A worksheet file is no stream to pipe on; a file named "-" is "./-".
    if (auftrag.Speichern == "-")
        throw TBedienfehler("--save schreibt nicht auf die Standardausgabe; eine Datei namens „-“ wird als ./- "
                            "angegeben.");
    if (auftrag.Pdf.empty()
        && (auftrag.Blaetter || auftrag.Exemplare || auftrag.Loesungsblaetter || auftrag.Nummerieren))
        throw TBedienfehler("--sheets, --copies, --solutions und --number wirken nur mit --pdf.");
    if ((auftrag.Papierformat || auftrag.Querformat) && !auftrag.Seite && auftrag.Svg.empty() && auftrag.Pdf.empty())
        throw TBedienfehler("--paper und --landscape wirken nur mit --page, --svg oder --pdf.");
    // The desktop program opens only a name ending in ".zfb" (in any case) and otherwise the
    // standard settings; for the outputs without a window another name is a mistake worth
    // saying.
    if (auftrag.Kopflos() && !auftrag.Datei.empty() && TZeichnen::ErsteDatei({auftrag.Datei}, {}) != auftrag.Datei)
        throw TBedienfehler("„" + auftrag.Datei + "“ ist keine Arbeitsblattdatei: der Name endet nicht auf .zfb.");
    return auftrag;
}

std::string Hilfetext()
{
    return "Aufruf: zifferbogen [OPTION]... [DATEI.zfb]\n"
           "Erstellt Rechenarbeitsblätter für die Grund- und Hauptschule.\n"
           "Ohne Ausgabeoption startet das Programm mit Fenster; mit einer (unten mit *\n"
           "markiert) arbeitet es ohne Fenster und braucht keine grafische Oberfläche.\n"
           "Die Einstellungen kommen aus DATEI, sonst aus den Standardeinstellungen\n"
           "(~/.config/zifferbogen/Standard.zfb, sonst /etc/xdg/zifferbogen/Standard.zfb),\n"
           "dann aus den --set-Optionen.\n"
           "\n"
           "Optionen (* Ausgabeoption):\n"
        + Optionshilfe()
        + "\n"
          "Für --svg und --pdf ist DATEI „-“ die Standardausgabe.\n"
          "Beispiel: drei Einmaleins-Blätter mit ihren Lösungsblättern in einer PDF-Datei\n"
          "  zifferbogen --heading Einmaleins --sheets 3 --solutions --pdf blatt.pdf\n"
          "\n"
          "Aufgabenzeilen sind durch Tabulatoren getrennt: Operand1, Rechenzeichen\n"
          "(0 +, 1 -, 2 ·, 3 :), Operand2, Ergebnis, Rest, Platzhalter (1..3),\n"
          "Gespenstermuster (Einer zuerst), Fehlermeldung.\n"
          "Eine Fehlerzeile (keine passende Aufgabe gefunden) erkennt man allein an der\n"
          "nicht leeren Fehlermeldung; ihre Zahlenfelder tragen keine Aufgabe.\n"
          "Rückgabewert: 0 fertig, 1 Datei nicht lesbar oder schreibbar, 2 falscher Aufruf.\n";
}

void Melden(std::ostream& fehler, const std::string& meldung)
{
    fehler << "zifferbogen: " << Utf8Maskiert(meldung) << '\n';
}

namespace {

// Writes a whole output and makes sure it arrived: a full disk, a closed standard output or
// a broken device must not pass for success.
int Ausgeben(std::ostream& aus, std::ostream& fehler, const std::string& text)
{
    errno = 0;
    aus << text;
    aus.flush();
    if (aus)
        return StatusFertig;
    const int fehlernummer = errno;
    Melden(fehler,
           "Die Ausgabe konnte nicht vollständig geschrieben werden"
               + (fehlernummer != 0 ? " (" + Fehlerursache(fehlernummer) + ")." : std::string(".")));
    return StatusDateifehler;
}

// The settings of the file named on the command line, else of the standard settings file.
// Returns the exit status: a file named by the user that cannot be opened or read ends the
// run; a missing standard file is no error, one that exists but cannot be read is reported
// and the defaults stay, as at every start of the program.
int EinstellungenLaden(const std::function<int(const std::string&)>& oeffnen, const std::string& datei,
                       const std::filesystem::path& standarddatei, std::ostream& fehler)
{
    const bool standard = datei.empty();
    if (standard && standarddatei.empty())
        return StatusFertig;
    try {
        DateiOeffnenOderMelden(oeffnen, standard ? standarddatei.string() : datei, standard);
    } catch (const EZifferbogenFehler& dateifehler) {
        Melden(fehler, dateifehler.what());
        if (!standard)
            return StatusDateifehler;
    }
    return StatusFertig;
}

// --pool and --tasks: the generator alone, behind the settings window.
int VorratAusgeben(const TKommandozeile& auftrag, TMainForm& einstellungen, std::ostream& aus, std::ostream& fehler)
{
    // As "Zum Hauptfenster" does before the first page is built.
    einstellungen.GeneratorEinstellen();
    TGSAufgabengenerator& generator = einstellungen.Generator();
    generator.VorratErzeugen();
    std::string ausgabe;
    if (auftrag.Vorrat) {
        for (std::int32_t i = 1; i <= generator.VorratAnzahl(); ++i)
            ausgabe += Aufgabenzeile(generator.Vorrat()[static_cast<std::size_t>(i)]) + '\n';
    } else {
        TGSAufgabe aufgabe;
        for (std::int64_t i = 0; i < *auftrag.Aufgaben; ++i) {
            generator.NaechsteAufgabe(aufgabe);
            ausgabe += Aufgabenzeile(aufgabe) + '\n';
        }
    }
    return Ausgeben(aus, fehler, ausgabe);
}

// Writes a document atomically: the file at pfad is replaced only by the complete new one;
// "-" is the standard output, aus.
int DokumentSchreiben(const std::string& pfad, const std::string& bytes, std::ostream& aus, std::ostream& fehler)
{
    if (pfad == "-")
        return Ausgeben(aus, fehler, bytes);
    TAtomareDatei datei;
    if (!datei.Oeffnen(pfad)) {
        Melden(fehler,
               "Die Datei „" + pfad + "“ kann nicht geschrieben werden (" + Fehlerursache(datei.Fehlernummer()) + ").");
        return StatusDateifehler;
    }
    try {
        datei.Schreiben(bytes);
        datei.Abschliessen();
    } catch (const EZifferbogenFehler& dateifehler) {
        Melden(fehler, dateifehler.what());
        return StatusDateifehler;
    }
    return StatusFertig;
}

// The save dialog as the command line answers it: always with the file named on it.
class TFesteDateiwahl final : public TDateidialog {
public:
    explicit TFesteDateiwahl(std::string pfad) : Pfad(std::move(pfad)) {}
    std::optional<std::string> Oeffnen(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> Speichern(const std::string&, const std::string&, const std::string&) override
    {
        return Pfad;
    }

private:
    std::string Pfad;
};

// The shown tasks of the laid-out page: row and column from 1, then the task's fields.
std::string Seitenzeilen(const TSeite& seite)
{
    std::string text;
    const auto zeilen = seite.GezeigteAufgaben();
    for (std::size_t r = 0; r < zeilen.size(); ++r) {
        for (std::size_t c = 0; c < zeilen[r].size(); ++c)
            text += std::to_string(r + 1) + '\t' + std::to_string(c + 1) + '\t' + Aufgabenzeile(zeilen[r][c]->Daten) + '\n';
    }
    return text;
}

// The generator's message when the page shows no task but error tasks (or none at all);
// empty when it shows a task to solve.
std::string OhneAufgabe(const TSeite* seite)
{
    std::string grund = "Das Arbeitsblatt enthält keine Aufgabe.";
    if (seite == nullptr)
        return grund;
    bool erste = true;
    for (const auto& zeile : seite->GezeigteAufgaben()) {
        for (const TAufgabe* aufgabe : zeile) {
            if (!aufgabe->IstFehler())
                return {};
            if (erste)
                grund = aufgabe->Daten.Fehlermeldung;
            erste = false;
        }
    }
    return grund;
}

// --page, --save, --svg and --pdf: the main window with its page, started as the desktop program
// starts, then changed by --heading, --instruction and --set, then the outputs in this order.
int SeiteAusgeben(const TKommandozeile& auftrag, TZufall& zufall, TTextmeldungen& meldungen,
                  const std::filesystem::path& standarddatei, TAusgabegeraete& geraete, std::ostream& aus,
                  std::ostream& fehler)
{
    // The windows come up as at every start; the splash timer is ticked by hand below.
    THandzeitgeber splashZeitgeber;
    TProgramm programm(zufall, meldungen, splashZeitgeber, {}, {});
    TZeichnen& zeichnen = programm.Zeichnen();
    TFUeberschrift& ueberschrift = programm.Ueberschrift();
    TFDrucken& drucken = programm.Drucken();
    const std::unique_ptr<TDokumentdrucker> drucker = geraete.Pdfdrucker(auftrag.Papier());
    TBildspeicher ablage(geraete);
    zeichnen.Blatt().SetzeDrucker(drucker.get());
    zeichnen.Blatt().SetzeZwischenablage(&ablage);
    drucken.SetzeDrucker({drucker.get()});

    try {
        // The first showing of the main window at its designed size: the rules hand the
        // settings over and lend the generator, then the first page is built.
        programm.HauptfensterZeigen();
    } catch (const EZifferbogenFehler& laufzeitfehler) {
        Melden(fehler, laufzeitfehler.what());
        return StatusDateifehler;
    }
    // What the splash's first tick does in the desktop program: the worksheet named on the
    // command line, else the standard settings, opened whole once the first page stands; here
    // a file the user named that cannot be read ends the run.
    if (const int status = EinstellungenLaden([&](const std::string& pfad) { return zeichnen.OpenFile(pfad); },
                                              auftrag.Datei, standarddatei, fehler);
        status != StatusFertig)
        return status;
    programm.Splash().Schliessen();
    if (auftrag.NeueAufgaben)
        zeichnen.BNeueAufgabeClick();
    try {
        for (const std::string& zeile : auftrag.Ueberschrift)
            ueberschrift.UeberschriftZeileAnfuegen(zeile);
        for (const std::string& zeile : auftrag.Anweisung)
            ueberschrift.AnweisungZeileAnfuegen(zeile);
    } catch (const EZifferbogenFehler& laufzeitfehler) {
        Melden(fehler, laufzeitfehler.what());
        return StatusDateifehler;
    }

    try {
        for (const auto& [name, wert] : auftrag.Setzungen)
            SteuerelementSetzen({&programm.Einstellungen(), &zeichnen, &drucken, &ueberschrift}, name, wert);
    } catch (const TBedienfehler& bedienfehler) {
        Melden(fehler, bedienfehler.what());
        return StatusBedienfehler;
    }

    // A chosen layout larger than the paper is kept, as in the window, and said.
    if (const std::string hinweis = zeichnen.Platzhinweis(); !hinweis.empty())
        Melden(fehler, "Warnung: " + hinweis);

    try {
        if (auftrag.Steuerelemente) {
            const std::string liste =
                Steuerelementliste({&programm.Einstellungen(), &zeichnen, &drucken, &ueberschrift});
            if (const int status = Ausgeben(aus, fehler, liste); status != StatusFertig)
                return status;
        }
        if (auftrag.Seite && zeichnen.Seite() != nullptr) {
            if (const int status = Ausgeben(aus, fehler, Seitenzeilen(*zeichnen.Seite())); status != StatusFertig)
                return status;
        }
        if (!auftrag.Speichern.empty())
            zeichnen.SaveFile(auftrag.Speichern);
        // Settings that allow no task give a page of error tasks: no sheet to hand out.
        if (!auftrag.Svg.empty() || !auftrag.Pdf.empty()) {
            if (const std::string grund = OhneAufgabe(zeichnen.Seite()); !grund.empty()) {
                Melden(fehler, grund);
                return StatusDateifehler;
            }
        }
        if (!auftrag.Svg.empty()) {
            zeichnen.Blatt().InZwischenablage();
            const std::string svg = ablage.Letztes() != nullptr ? ablage.Letztes()->Svg() : std::string();
            if (const int status = DokumentSchreiben(auftrag.Svg, svg, aus, fehler); status != StatusFertig)
                return status;
        }
        if (!auftrag.Pdf.empty()) {
            // The print dialog as a user fills it in: the numbers typed, the boxes ticked.
            zeichnen.Drucken1Click();
            if (auftrag.Blaetter)
                drucken.EVerschBlaetter->Eingeben(*auftrag.Blaetter);
            if (auftrag.Exemplare)
                drucken.EExemplare->Eingeben(*auftrag.Exemplare);
            if (auftrag.Loesungsblaetter)
                drucken.CBLoesungsblaetter->SetChecked(true);
            if (auftrag.LoesungenAmEnde)
                drucken.CBLoesungenAmEnde->SetChecked(true);
            if (auftrag.Nummerieren)
                drucken.CBNummerieren->SetChecked(true);
            // The file --pdf names is the one a user chooses in the save dialog: opened
            // before the run, its pages written as they are made, and the target replaced
            // only by the complete document. For the standard output the printer keeps the
            // document until it is complete, so a failed run writes nothing there.
            TFesteDateiwahl pdfdatei(auftrag.Pdf);
            drucken.SetzeDateidialog(auftrag.Pdf == "-" ? nullptr : &pdfdatei);
            drucken.BOKClick();
            drucken.SetzeDateidialog(nullptr);
            if (auftrag.Pdf == "-")
                return Ausgeben(aus, fehler, drucker->Dokument());
        }
    } catch (const EZifferbogenFehler& laufzeitfehler) {
        Melden(fehler, laufzeitfehler.what());
        return StatusDateifehler;
    }
    return StatusFertig;
}

} // namespace

std::string Arbeitsblattdatei(const TKommandozeile& auftrag, const std::filesystem::path& vorlagenordner)
{
    if (auftrag.Vorlage.empty())
        return auftrag.Datei;
    const std::vector<TVorlage> vorlagen = VorlagenLesen(vorlagenordner);
    if (const TVorlage* vorlage = VorlageFinden(vorlagen, auftrag.Vorlage))
        return vorlage->Datei.string();
    std::string namen;
    for (const TVorlage& vorlage : vorlagen)
        namen += (namen.empty() ? " " : ", ") + vorlage.Name;
    throw TBedienfehler("Die Vorlage „" + auftrag.Vorlage + "“ gibt es nicht."
                        + (namen.empty() ? std::string(" Es sind keine Vorlagen installiert.")
                                         : " Es gibt diese Vorlagen (--templates):" + namen + "."));
}

int KommandozeileAusfuehren(const TKommandozeile& auftrag, std::ostream& aus, std::ostream& fehler,
                            const std::filesystem::path& standarddatei, TAusgabegeraete* geraete,
                            const std::filesystem::path& vorlagenordner)
{
    if (auftrag.Hilfe)
        return Ausgeben(aus, fehler, Hilfetext());
    if (auftrag.Version)
        return Ausgeben(aus, fehler, Programmversionstext() + '\n');
    if (auftrag.VorlagenListe) {
        std::string liste;
        for (const TVorlage& vorlage : VorlagenLesen(vorlagenordner))
            liste += vorlage.Name + '\t' + std::to_string(vorlage.Klasse) + '\t' + vorlage.Titel + '\n';
        return Ausgeben(aus, fehler, liste);
    }
    if (!auftrag.Vorlage.empty()) {
        // A ready-made sheet is opened as its file, and gets new tasks from its settings.
        TKommandozeile mitDatei = auftrag;
        try {
            mitDatei.Datei = Arbeitsblattdatei(auftrag, vorlagenordner);
        } catch (const TBedienfehler& bedienfehler) {
            Melden(fehler, bedienfehler.what());
            return StatusBedienfehler;
        }
        mitDatei.Vorlage.clear();
        mitDatei.NeueAufgaben = true;
        return KommandozeileAusfuehren(mitDatei, aus, fehler, standarddatei, geraete, vorlagenordner);
    }

    std::unique_ptr<TZufall> zufall =
        auftrag.Startwert ? std::make_unique<TMersenneZufall>(*auftrag.Startwert) : std::make_unique<TMersenneZufall>();
    TTextmeldungen meldungen(fehler);

    if (auftrag.Seitenausgabe()) {
        if (geraete == nullptr) {
            Melden(fehler,
                   "Die Ausgaben des Arbeitsblatts (--controls, --page, --save, --svg, --pdf) sind hier nicht "
                   "verfügbar.");
            return StatusBedienfehler;
        }
        return SeiteAusgeben(auftrag, *zufall, meldungen, standarddatei, *geraete, aus, fehler);
    }

    // The windows exist as at every start, but the main window is not shown, so no page is
    // built.
    THandzeitgeber splashZeitgeber;
    TProgramm programm(*zufall, meldungen, splashZeitgeber, {}, {});
    TMainForm& einstellungen = programm.Einstellungen();
    if (const int status =
            EinstellungenLaden([&](const std::string& pfad) { return EinstellungenAusDateiLesen(einstellungen, pfad); },
                               auftrag.Datei, standarddatei, fehler);
        status != StatusFertig)
        return status;
    try {
        for (const auto& [name, wert] : auftrag.Setzungen)
            SteuerelementSetzen({&einstellungen}, name, wert);
    } catch (const TBedienfehler& bedienfehler) {
        Melden(fehler, bedienfehler.what());
        return StatusBedienfehler;
    }
    if (!auftrag.Vorrat && !auftrag.Aufgaben)
        return StatusFertig;
    return VorratAusgeben(auftrag, einstellungen, aus, fehler);
}
