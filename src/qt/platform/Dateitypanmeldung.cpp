// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/Dateitypanmeldung.h"

#include "files/Dateizugriff.h"
#include "qt/platform/Desktopdateien.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Leaves the registration where it stands; caught in Anmelden.
struct TAbbruch {};

// The desktop entry's name: the program's reverse-DNS id, as the package installs it and its
// AppStream metadata names it.
constexpr std::string_view Eintragsname = "de.zifferbogen.Zifferbogen.desktop";
// The name earlier versions registered the entry under, removed where the program wrote it.
constexpr std::string_view AlterEintragsname = "zifferbogen.desktop";
constexpr std::string_view MimeTypZeile = "MimeType=application/x-zifferbogen;";

fs::path Datenordner()
{
    // A value that is not an absolute path is invalid and must be ignored.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && fs::path(xdg).is_absolute())
        return xdg;
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return fs::path(home) / ".local" / "share";
    throw TAbbruch{};
}

// The path as a desktop entry can hold it: UTF-8 without control characters.
std::string Darstellbar(const fs::path& programm)
{
    std::error_code fehler;
    const fs::path absolut = fs::absolute(programm, fehler);
    if (programm.empty() || fehler)
        throw TAbbruch{};
    const std::string pfad = absolut.lexically_normal().string();
    for (const char c : pfad) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            throw TAbbruch{};
    }
    const QByteArray bytes(pfad.data(), static_cast<qsizetype>(pfad.size()));
    if (QString::fromUtf8(bytes).toUtf8() != bytes)
        throw TAbbruch{};
    return pfad;
}

// Every string value of a desktop entry writes a backslash twice.
std::string Zeichenkettenwert(std::string_view text)
{
    std::string wert;
    for (const char c : text) {
        if (c == '\\')
            wert += '\\';
        wert += c;
    }
    return wert;
}

// The program as the first word of Exec: in double quotes when it holds a character the
// format reserves, with ", `, $ and \ escaped inside them; a percent sign doubled, since it
// starts the field codes; and then written as every string value.
std::string ExecProgramm(const std::string& pfad)
{
    constexpr std::string_view reserviert = " \t\n\"'\\><~|&;$*?#()`";
    std::string wort;
    const bool quoten = pfad.find_first_of(reserviert) != std::string::npos;
    if (quoten)
        wort += '"';
    for (const char c : pfad) {
        if (quoten && (c == '"' || c == '`' || c == '$' || c == '\\'))
            wort += '\\';
        if (c == '%')
            wort += '%';
        wort += c;
    }
    if (quoten)
        wort += '"';
    return Zeichenkettenwert(wort);
}

// The package's desktop entry, started through this program: Exec names it by its full
// path, and TryExec hides the entry once the program is gone.
std::string Desktopeintrag(const std::string& vorlage, const std::string& pfad)
{
    std::istringstream zeilen(vorlage);
    std::string eintrag;
    bool exec = false;
    for (std::string zeile; std::getline(zeilen, zeile);) {
        if (zeile.starts_with("Exec=")) {
            eintrag += "TryExec=" + Zeichenkettenwert(pfad) + "\nExec=" + ExecProgramm(pfad) + " %f\n";
            exec = true;
        } else if (!zeile.starts_with("TryExec=")) {
            eintrag += zeile + '\n';
        }
    }
    if (!exec)
        throw TAbbruch{};
    return eintrag;
}

// Whether the text holds this whole line.
bool HatZeile(const std::string& text, std::string_view zeile)
{
    return ("\n" + text + "\n").find("\n" + std::string(zeile) + "\n") != std::string::npos;
}

// The value of the first line "schluessel=..." of a desktop entry, or nothing.
std::optional<std::string> Wert(const std::string& eintrag, std::string_view schluessel)
{
    std::istringstream zeilen(eintrag);
    for (std::string zeile; std::getline(zeilen, zeile);) {
        if (zeile.starts_with(schluessel) && zeile.size() > schluessel.size() && zeile[schluessel.size()] == '=')
            return zeile.substr(schluessel.size() + 1);
    }
    return std::nullopt;
}

// The system's data folders after the freedesktop rules: $XDG_DATA_DIRS, its relative
// entries ignored, by default /usr/local/share and /usr/share.
std::vector<fs::path> Systemdatenordner()
{
    const char* xdg = std::getenv("XDG_DATA_DIRS");
    std::istringstream liste(xdg != nullptr && *xdg != '\0' ? xdg : "/usr/local/share:/usr/share");
    std::vector<fs::path> ordner;
    for (std::string eintrag; std::getline(liste, eintrag, ':');) {
        if (fs::path(eintrag).is_absolute())
            ordner.emplace_back(eintrag);
    }
    return ordner;
}

// Whether a system data folder (where the package installs) already opens the worksheet
// type with this very program: its desktop entry names the type, its Exec finds this
// program (by name through PATH, as the desktop starts it, or by its path), and the type's
// own file lies beside it. A copy for the user would only outlive the package.
bool SystemweitAngemeldet(const fs::path& programm)
{
    for (const fs::path& ordner : Systemdatenordner()) {
        std::string eintrag;
        if (DateiGanzLesen((ordner / "applications" / Eintragsname).string(), eintrag) != 0
            || !HatZeile(eintrag, MimeTypZeile) || !fs::exists(ordner / "mime" / "packages" / "zifferbogen.xml"))
            continue;
        const std::string exec = Wert(eintrag, "Exec").value_or("");
        const std::string befehl = exec.substr(0, exec.find(' '));
        if (befehl.empty() || befehl.starts_with('"'))
            continue;
        const fs::path gefunden = fs::path(befehl).is_absolute()
                                      ? fs::path(befehl)
                                      : fs::path(QStandardPaths::findExecutable(QString::fromStdString(befehl)).toStdString());
        std::error_code fehler;
        if (!gefunden.empty() && fs::equivalent(gefunden, programm, fehler) && !fehler)
            return true;
    }
    return false;
}

// Removes the user's desktop entry of that name when the program wrote it (it carries
// TryExec and the type) and, if given, only when it starts that program; returns whether
// it removed one.
bool EintragEntfernen(const fs::path& eintrag, const std::optional<std::string>& programm)
{
    std::string inhalt;
    if (DateiGanzLesen(eintrag.string(), inhalt) != 0 || !HatZeile(inhalt, MimeTypZeile))
        return false;
    const auto tryExec = Wert(inhalt, "TryExec");
    if (!tryExec || (programm && *tryExec != *programm))
        return false;
    std::error_code fehler;
    return fs::remove(eintrag, fehler);
}

// Writes inhalt to ziel unless it holds exactly that already; returns whether it wrote.
bool Schreiben(const fs::path& ziel, const std::string& inhalt)
{
    std::string vorhanden;
    if (DateiGanzLesen(ziel.string(), vorhanden) == 0 && vorhanden == inhalt)
        return false;
    std::error_code fehler;
    fs::create_directories(ziel.parent_path(), fehler);
    TAtomareDatei datei;
    // A link planted at the program's own path is replaced, not followed, unless it and its
    // file belong to the user running the program.
    if (fehler || !datei.Oeffnen(ziel.string(), TZielart::Eigenverwaltung))
        throw TAbbruch{};
    datei.Schreiben(inhalt);
    datei.Abschliessen();
    return true;
}

// Whether a cache is missing or older than the file it is built from.
bool Veraltet(const fs::path& cache, const fs::path& quelle)
{
    std::error_code fehler;
    const auto stand = fs::last_write_time(cache, fehler);
    if (fehler)
        return true;
    const auto geaendert = fs::last_write_time(quelle, fehler);
    return fehler || stand < geaendert;
}

// Runs a cache tool on ordner, if it is installed, and stops it when it takes too long; its
// output is of no interest to the user.
void Auffrischen(const char* werkzeug, const fs::path& ordner)
{
    const QString programm = QStandardPaths::findExecutable(QString::fromLatin1(werkzeug));
    if (programm.isEmpty())
        return;
    QProcess prozess;
    prozess.setProgram(programm);
    prozess.setArguments({QString::fromStdString(ordner.string())});
    prozess.setStandardInputFile(QProcess::nullDevice());
    prozess.setStandardOutputFile(QProcess::nullDevice());
    prozess.setStandardErrorFile(QProcess::nullDevice());
    prozess.start();
    if (!prozess.waitForFinished(TXdgDateitypanmeldung::WerkzeugFristMs) && prozess.state() != QProcess::NotRunning) {
        prozess.kill();
        prozess.waitForFinished(TXdgDateitypanmeldung::WerkzeugFristMs);
    }
}

} // namespace

void TXdgDateitypanmeldung::Anmelden(const std::string& endung, const std::filesystem::path& programm)
{
    try {
        const std::string typ(MimeTypBeschreibung);
        if (endung.empty() || typ.find("pattern=\"*." + endung + "\"") == std::string::npos)
            return;
        const std::string pfad = Darstellbar(programm);
        const fs::path daten = Datenordner();
        const fs::path mime = daten / "mime";
        const fs::path anwendungen = daten / "applications";
        const fs::path typdatei = mime / "packages" / "zifferbogen.xml";
        const fs::path eintrag = anwendungen / Eintragsname;
        const fs::path symbol = daten / "icons" / "hicolor" / "scalable" / "apps" / "zifferbogen.svg";

        // An entry under the old name would stand in the menu twice.
        const bool alterEntfernt = EintragEntfernen(anwendungen / AlterEintragsname, std::nullopt);
        if (SystemweitAngemeldet(pfad)) {
            // What an earlier start of this program left for the user goes, so nothing of it
            // points at a program the package's removal takes away.
            if (EintragEntfernen(eintrag, Zeichenkettenwert(pfad))) {
                std::error_code fehler;
                fs::remove(typdatei, fehler);
                fs::remove(symbol, fehler);
                Auffrischen("update-mime-database", mime);
                Auffrischen("update-desktop-database", anwendungen);
            } else if (alterEntfernt) {
                Auffrischen("update-desktop-database", anwendungen);
            }
            return;
        }

        const bool typNeu = Schreiben(typdatei, typ);
        const bool eintragNeu = Schreiben(eintrag, Desktopeintrag(std::string(DesktopeintragVorlage), pfad));
        Schreiben(symbol, std::string(Programmsymbol));

        if (typNeu || Veraltet(mime / "mime.cache", typdatei))
            Auffrischen("update-mime-database", mime);
        if (eintragNeu || alterEntfernt || Veraltet(anwendungen / "mimeinfo.cache", eintrag))
            Auffrischen("update-desktop-database", anwendungen);
    } catch (...) {
        // A desktop without the association still runs the program; nothing to report.
    }
}
