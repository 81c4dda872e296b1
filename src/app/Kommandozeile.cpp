#include "app/Kommandozeile.h"

#include "app/Aufgabenzeile.h"
#include "app/Einstellungsdatei.h"
#include "app/Steuerelementsetzer.h"
#include "app/Version.h"
#include "files/Fehler.h"
#include "generator/UGSAufgabe.h"
#include "settings/Main.h"
#include "settings/ZeichnenPlatzhalter.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Zufall.h"

#include <charconv>
#include <memory>
#include <ostream>

namespace {

// A whole decimal number in min..max, or a German message naming the option.
std::int64_t ZahlLesen(const std::string& option, const std::string& text, std::int64_t min, std::int64_t max)
{
    std::int64_t wert = 0;
    const char* ende = text.data() + text.size();
    const auto [zeiger, fehler] = std::from_chars(text.data(), ende, wert);
    if (text.empty() || fehler != std::errc() || zeiger != ende || wert < min || wert > max) {
        throw TBedienfehler("Ungültige Zahl für " + option + ": \"" + text + "\" (erlaubt: "
                            + std::to_string(min) + " bis " + std::to_string(max) + ").");
    }
    return wert;
}

// The value of an option: "--opt WERT" or "--opt=WERT".
std::string OptionswertLesen(const std::vector<std::string>& argumente, std::size_t& i,
                             const std::string& option, const std::string& inline_wert, bool hat_inline_wert)
{
    if (hat_inline_wert)
        return inline_wert;
    if (i + 1 >= argumente.size())
        throw TBedienfehler("Der Option " + option + " fehlt ihr Wert.");
    return argumente[++i];
}

// Message boxes of a run without a window: their text goes to the error output.
class TTextmeldungen final : public TMeldungen {
public:
    explicit TTextmeldungen(std::ostream& fehler) : Fehler(fehler) {}
    void Zeige(const std::string& titel, const std::string& text, TMeldungsart) override
    {
        Fehler << "zifferbogen: " << titel << ' ' << text << '\n';
    }

private:
    std::ostream& Fehler;
};

} // namespace

TKommandozeile KommandozeileLesen(const std::vector<std::string>& argumente)
{
    TKommandozeile auftrag;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& argument = argumente[i];
        if (argument.size() < 2 || argument[0] != '-') {
            if (!auftrag.Datei.empty())
                throw TBedienfehler("Es darf nur eine Datei angegeben werden: \"" + auftrag.Datei
                                    + "\" und \"" + argument + "\".");
            if (argument.empty())
                throw TBedienfehler("Leerer Dateiname.");
            auftrag.Datei = argument;
            continue;
        }
        const auto gleich = argument.find('=');
        const std::string option = argument.substr(0, gleich);
        const bool hat_wert = gleich != std::string::npos;
        const std::string wert = hat_wert ? argument.substr(gleich + 1) : std::string();
        auto ohne_wert = [&] {
            if (hat_wert)
                throw TBedienfehler("Die Option " + option + " nimmt keinen Wert.");
        };

        if (option == "--help" || option == "-h") {
            ohne_wert();
            auftrag.Hilfe = true;
        } else if (option == "--version") {
            ohne_wert();
            auftrag.Version = true;
        } else if (option == "--pool") {
            ohne_wert();
            auftrag.Vorrat = true;
        } else if (option == "--tasks") {
            auftrag.Aufgaben = ZahlLesen(option, OptionswertLesen(argumente, i, option, wert, hat_wert), 0, 1'000'000);
        } else if (option == "--set") {
            auftrag.Setzungen.push_back(SetzungTeilen(OptionswertLesen(argumente, i, option, wert, hat_wert)));
        } else if (option == "--seed") {
            auftrag.Startwert = static_cast<std::uint32_t>(
                ZahlLesen(option, OptionswertLesen(argumente, i, option, wert, hat_wert), 0, 4'294'967'295));
        } else {
            throw TBedienfehler("Unbekannte Option: " + argument + " (Hilfe: --help)");
        }
    }
    if (auftrag.Vorrat && auftrag.Aufgaben)
        throw TBedienfehler("--pool und --tasks können nicht zusammen verwendet werden.");
    return auftrag;
}

std::string Hilfetext()
{
    return "Aufruf: zifferbogen [OPTION]... [DATEI.zfb]\n"
           "Erstellt Rechenarbeitsblätter für die Grund- und Hauptschule.\n"
           "Ohne Ausgabeoption startet das Programm mit Fenster.\n"
           "Die Einstellungen kommen aus DATEI, sonst aus den Standardeinstellungen\n"
           "(~/.config/zifferbogen/Standard.zfb oder Standard.zfb neben dem Programm),\n"
           "dann aus den --set-Optionen.\n"
           "\n"
           "Optionen:\n"
           "  --set NAME=WERT  ein Bedienelement des Einstellungsfensters so ändern, wie es\n"
           "                ein Benutzer täte: Kontrollkästchen true/false, Optionsfeld\n"
           "                true, Schaltfläche true (ein Druck), Eingabefeld: Text und\n"
           "                Eingabetaste, Pfeilschalter: Position, Auswahlgruppe: Nummer\n"
           "                des Eintrags; mehrfach möglich, in der angegebenen Reihenfolge\n"
           "  --seed N      Startwert des Zufalls (gleicher Startwert, gleiche Ausgabe)\n"
           "  --pool        einen frischen Aufgabenvorrat ausgeben, eine Aufgabe je Zeile\n"
           "  --tasks N     N Aufgaben in der Reihenfolge ausgeben, in der sie vergeben werden\n"
           "  --help        diese Hilfe\n"
           "  --version     Versionstext\n"
           "\n"
           "Aufgabenzeilen sind durch Tabulatoren getrennt: Operand1, Rechenzeichen\n"
           "(0 +, 1 -, 2 ·, 3 :), Operand2, Ergebnis, Rest, Platzhalter (1..3),\n"
           "Gespenstermuster (Einer zuerst), Fehlermeldung.\n"
           "Rückgabewert: 0 fertig, 1 Datei nicht lesbar oder schreibbar, 2 falscher Aufruf.\n";
}

int KommandozeileAusfuehren(const TKommandozeile& auftrag, std::ostream& aus, std::ostream& fehler,
                            const std::filesystem::path& standarddatei)
{
    if (auftrag.Hilfe) {
        aus << Hilfetext();
        return StatusFertig;
    }
    if (auftrag.Version) {
        aus << Versionstext() << '\n';
        return StatusFertig;
    }

    std::unique_ptr<TZufall> zufall = auftrag.Startwert
        ? std::make_unique<TMersenneZufall>(*auftrag.Startwert)
        : std::make_unique<TMersenneZufall>();
    TTextmeldungen meldungen(fehler);
    TZeichnenPlatzhalter hauptfenster;
    TMainForm einstellungen(*zufall, meldungen, &hauptfenster);

    if (!auftrag.Datei.empty()) {
        try {
            if (!EinstellungenAusDateiLesen(einstellungen, auftrag.Datei)) {
                fehler << "zifferbogen: Die Datei \"" << auftrag.Datei << "\" konnte nicht geöffnet werden.\n";
                return StatusDateifehler;
            }
        } catch (const EZifferbogenFehler& dateifehler) {
            fehler << "zifferbogen: Die Datei \"" << auftrag.Datei << "\" konnte nicht gelesen werden: "
                   << dateifehler.what() << '\n';
            return StatusDateifehler;
        }
    } else if (!standarddatei.empty()) {
        // A missing standard settings file leaves the defaults, as at every start; a damaged
        // one is reported, and the defaults stay.
        try {
            EinstellungenAusDateiLesen(einstellungen, standarddatei.string());
        } catch (const EZifferbogenFehler& dateifehler) {
            fehler << "zifferbogen: Die Standardeinstellungen \"" << standarddatei.string()
                   << "\" konnten nicht gelesen werden: " << dateifehler.what() << '\n';
        }
    }

    try {
        for (const auto& [name, wert] : auftrag.Setzungen)
            SteuerelementSetzen({&einstellungen}, name, wert);
    } catch (const TBedienfehler& bedienfehler) {
        fehler << "zifferbogen: " << bedienfehler.what() << '\n';
        return StatusBedienfehler;
    }

    if (auftrag.Vorrat || auftrag.Aufgaben) {
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
        aus << ausgabe;
    }
    return StatusFertig;
}
