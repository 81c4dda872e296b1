#include "qt/platform/Dateitypanmeldung.h"

#include "files/Dateizugriff.h"
#include "qt/platform/Desktopdateien.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cstdlib>
#include <sstream>
#include <string_view>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// Leaves the registration where it stands; caught in Anmelden.
struct TAbbruch {};

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
        const fs::path eintrag = anwendungen / "zifferbogen.desktop";

        const bool typNeu = Schreiben(typdatei, typ);
        const bool eintragNeu = Schreiben(eintrag, Desktopeintrag(std::string(DesktopeintragVorlage), pfad));
        Schreiben(daten / "icons" / "hicolor" / "scalable" / "apps" / "zifferbogen.svg", std::string(Programmsymbol));

        if (typNeu || Veraltet(mime / "mime.cache", typdatei))
            Auffrischen("update-mime-database", mime);
        if (eintragNeu || Veraltet(anwendungen / "mimeinfo.cache", eintrag))
            Auffrischen("update-desktop-database", anwendungen);
    } catch (...) {
        // A desktop without the association still runs the program; nothing to report.
    }
}
