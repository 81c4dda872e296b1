// The worksheet type registered for the user below a temporary XDG_DATA_HOME: the files and
// their contents, a later start by another program, the caches, and everything that must
// change nothing.

#include "QtTesthilfen.h"

#include "qt/Dateitypanmeldung.h"

#include <QElapsedTimer>
#include <QStandardPaths>

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Lesen(const fs::path& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

std::vector<std::string> Zeilen(const std::string& text)
{
    std::vector<std::string> zeilen;
    std::istringstream strom(text);
    for (std::string zeile; std::getline(strom, zeile);)
        zeilen.push_back(zeile);
    return zeilen;
}

bool Enthaelt(const std::vector<std::string>& zeilen, const std::string& zeile)
{
    return std::find(zeilen.begin(), zeilen.end(), zeile) != zeilen.end();
}

// Every file below ordner, relative to it.
std::vector<std::string> Dateien(const fs::path& ordner)
{
    std::vector<std::string> dateien;
    std::error_code fehler;
    for (fs::recursive_directory_iterator it(ordner, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
        if (it->is_regular_file())
            dateien.push_back(fs::relative(it->path(), ordner).string());
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

// An environment variable set for one test and put back afterwards.
class TUmgebungswert final {
public:
    explicit TUmgebungswert(const char* name) : Name(name)
    {
        if (const char* wert = std::getenv(name); wert != nullptr)
            Alt = wert;
    }
    ~TUmgebungswert()
    {
        if (Alt)
            ::setenv(Name, Alt->c_str(), 1);
        else
            ::unsetenv(Name);
    }
    TUmgebungswert(const TUmgebungswert&) = delete;
    TUmgebungswert& operator=(const TUmgebungswert&) = delete;

    void Setzen(const std::string& wert) const { ::setenv(Name, wert.c_str(), 1); }
    void Loeschen() const { ::unsetenv(Name); }

private:
    const char* Name;
    std::optional<std::string> Alt;
};

class Dateitypanmeldung : public ::testing::Test {
protected:
    Dateitypanmeldung() : Wurzel(Ordner.path().toStdString()), Vorher(fs::current_path())
    {
        Daten.Setzen((Wurzel / "daten").string());
        Heim.Setzen((Wurzel / "heim").string());
        // Relative paths are taken from here.
        fs::current_path(Wurzel);
    }
    ~Dateitypanmeldung() override { fs::current_path(Vorher); }

    fs::path Eintrag() const { return Wurzel / "daten" / "applications" / "zifferbogen.desktop"; }
    fs::path Typ() const { return Wurzel / "daten" / "mime" / "packages" / "zifferbogen.xml"; }
    fs::path Symbol() const { return Wurzel / "daten" / "icons" / "hicolor" / "scalable" / "apps" / "zifferbogen.svg"; }

    QTemporaryDir Ordner;
    fs::path Wurzel;
    fs::path Vorher;
    TUmgebungswert Daten{"XDG_DATA_HOME"};
    TUmgebungswert Heim{"HOME"};
    TUmgebungswert Suchpfad{"PATH"};
    TXdgDateitypanmeldung Anmeldung;
};

TEST_F(Dateitypanmeldung, WritesTheTypeTheEntryAndTheIconForTheProgramStarted)
{
    struct Fall {
        std::string Programm;
        std::string Exec, TryExec;
    };
    const std::string hier = Wurzel.string();
    for (const Fall& fall : {
             Fall{"/usr/bin/zifferbogen", "Exec=/usr/bin/zifferbogen %f", "TryExec=/usr/bin/zifferbogen"},
             Fall{"/opt/Mein Programm/zifferbogen", "Exec=\"/opt/Mein Programm/zifferbogen\" %f",
                  "TryExec=/opt/Mein Programm/zifferbogen"},
             Fall{"/home/jörg/Rechnen/zifferbogen", "Exec=/home/jörg/Rechnen/zifferbogen %f",
                  "TryExec=/home/jörg/Rechnen/zifferbogen"},
             // A percent sign would start a field code; quotes, dollar and backslash are
             // escaped inside the quotes, and every backslash is written twice once more.
             Fall{"/home/a/100% Mathe/zifferbogen", "Exec=\"/home/a/100%% Mathe/zifferbogen\" %f",
                  "TryExec=/home/a/100% Mathe/zifferbogen"},
             Fall{"/tmp/a\"b$c\\d/zifferbogen", "Exec=\"/tmp/a\\\\\"b\\\\$c\\\\\\\\d/zifferbogen\" %f",
                  "TryExec=/tmp/a\"b$c\\\\d/zifferbogen"},
             Fall{"bin/../bin/zifferbogen", "Exec=" + hier + "/bin/zifferbogen %f",
                  "TryExec=" + hier + "/bin/zifferbogen"},
         }) {
        fs::remove_all(Wurzel / "daten");
        Anmeldung.Anmelden("zfb", fall.Programm);

        const std::vector<std::string> eintrag = Zeilen(Lesen(Eintrag()));
        EXPECT_EQ(eintrag.front(), "[Desktop Entry]") << fall.Programm;
        for (const std::string& zeile :
             {fall.Exec, fall.TryExec, std::string("Type=Application"), std::string("Name=Zifferbogen"),
              std::string("Comment=Arbeitsblätter mit Rechenaufgaben für Grund- und Hauptschule erstellen und drucken"),
              std::string("MimeType=application/x-zifferbogen;"), std::string("Icon=zifferbogen"),
              std::string("Categories=Education;Office;")})
            EXPECT_TRUE(Enthaelt(eintrag, zeile)) << fall.Programm << ": " << zeile << " fehlt in\n"
                                                  << Lesen(Eintrag());
        EXPECT_EQ(
            std::count_if(eintrag.begin(), eintrag.end(), [](const std::string& z) { return z.starts_with("Exec="); }),
            1);

        const std::string typ = Lesen(Typ());
        for (const char* teil :
             {"<mime-type type=\"application/x-zifferbogen\">", "<glob pattern=\"*.zfb\"/>",
              "<comment>Zifferbogen worksheet</comment>", "<comment xml:lang=\"de\">Zifferbogen-Arbeitsblatt</comment>",
              "<icon name=\"zifferbogen\"/>"})
            EXPECT_NE(typ.find(teil), std::string::npos) << teil << " fehlt in\n" << typ;
        EXPECT_NE(Lesen(Symbol()).find("<svg"), std::string::npos);

        // Where the desktop's own checker is installed, it finds no error in the entry.
        if (const QString pruefer = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
            !pruefer.isEmpty()) {
            QProcess pruefung;
            pruefung.start(pruefer, {QString::fromStdString(Eintrag().string())});
            ASSERT_TRUE(pruefung.waitForFinished(10000));
            const QString meldungen =
                QString::fromUtf8(pruefung.readAllStandardOutput() + pruefung.readAllStandardError());
            EXPECT_EQ(pruefung.exitCode(), 0) << meldungen.toStdString();
            EXPECT_FALSE(meldungen.contains(QStringLiteral("error:"))) << meldungen.toStdString();
        }
    }
}

TEST_F(Dateitypanmeldung, TheProgramStartedLastIsTheOneTheEntryStarts)
{
    Anmeldung.Anmelden("zfb", "/alt/zifferbogen");
    const std::string typ = Lesen(Typ());
    Anmeldung.Anmelden("zfb", "/neu/zifferbogen");
    const std::vector<std::string> eintrag = Zeilen(Lesen(Eintrag()));
    EXPECT_TRUE(Enthaelt(eintrag, "Exec=/neu/zifferbogen %f"));
    EXPECT_FALSE(Enthaelt(eintrag, "Exec=/alt/zifferbogen %f"));
    EXPECT_EQ(Lesen(Typ()), typ);
    // Written in place: no temporary file stays behind.
    for (const std::string& datei : Dateien(Wurzel / "daten"))
        EXPECT_EQ(datei.find(".tmp"), std::string::npos) << datei;
}

TEST_F(Dateitypanmeldung, TheDataFolderFollowsTheFreedesktopRules)
{
    struct Fall {
        std::optional<std::string> XdgDataHome; // none: unset
        fs::path Erwartet;                      // relative to the temporary folder
    };
    for (const Fall& fall : {
             Fall{(Wurzel / "eigen").string(), "eigen"},
             Fall{std::nullopt, "heim/.local/share"},
             Fall{"", "heim/.local/share"},
             Fall{"relativ/daten", "heim/.local/share"},
         }) {
        fs::remove_all(Wurzel / "eigen");
        fs::remove_all(Wurzel / "heim");
        if (fall.XdgDataHome)
            Daten.Setzen(*fall.XdgDataHome);
        else
            Daten.Loeschen();
        Anmeldung.Anmelden("zfb", "/usr/bin/zifferbogen");
        EXPECT_TRUE(fs::exists(Wurzel / fall.Erwartet / "applications" / "zifferbogen.desktop"))
            << fall.XdgDataHome.value_or("(nicht gesetzt)");
        EXPECT_TRUE(fs::exists(Wurzel / fall.Erwartet / "mime" / "packages" / "zifferbogen.xml"))
            << fall.XdgDataHome.value_or("(nicht gesetzt)");
    }
    EXPECT_FALSE(fs::exists(Wurzel / "relativ"));
}

TEST_F(Dateitypanmeldung, WhatCannotBeRegisteredChangesNothingAndThrowsNothing)
{
    // A regular file where a folder would have to be: even root cannot write below it.
    std::ofstream(Wurzel / "datei") << "kein Ordner";
    struct Fall {
        std::string Was;
        std::string Daten;
        std::string Endung;
        fs::path Programm;
    };
    const std::string daten = (Wurzel / "daten").string();
    for (const Fall& fall : {
             Fall{"Datenordner unter einer Datei", (Wurzel / "datei" / "daten").string(), "zfb",
                  "/usr/bin/zifferbogen"},
             Fall{"fremde Endung", daten, "txt", "/usr/bin/zifferbogen"},
             Fall{"leere Endung", daten, "", "/usr/bin/zifferbogen"},
             Fall{"kein Programm", daten, "zfb", ""},
             Fall{"Zeilenumbruch im Pfad", daten, "zfb", "/tmp/zwei\nZeilen/zifferbogen"},
             Fall{"kein UTF-8 im Pfad", daten, "zfb", "/tmp/\xff\xfe/zifferbogen"},
         }) {
        Daten.Setzen(fall.Daten);
        EXPECT_NO_THROW(Anmeldung.Anmelden(fall.Endung, fall.Programm)) << fall.Was;
        EXPECT_EQ(Dateien(Wurzel), std::vector<std::string>{"datei"}) << fall.Was;
        EXPECT_EQ(Lesen(Wurzel / "datei"), "kein Ordner") << fall.Was;
    }
}

TEST_F(Dateitypanmeldung, TheDesktopCachesKnowTheTypeAfterwards)
{
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database oder update-desktop-database fehlt (Pakete shared-mime-info, "
                        "desktop-file-utils).";
    Anmeldung.Anmelden("zfb", "/usr/bin/zifferbogen");
    EXPECT_NE(Lesen(Wurzel / "daten" / "mime" / "globs2").find("application/x-zifferbogen:*.zfb"), std::string::npos);
    EXPECT_NE(Lesen(Wurzel / "daten" / "applications" / "mimeinfo.cache")
                  .find("application/x-zifferbogen=zifferbogen.desktop;"),
              std::string::npos);
}

TEST_F(Dateitypanmeldung, ACacheToolThatHangsIsStoppedAndStartUpGoesOn)
{
    // Both tools note their process and then sleep far longer than start-up may wait.
    const fs::path werkzeuge = Wurzel / "werkzeuge";
    fs::create_directories(werkzeuge);
    for (const char* name : {"update-mime-database", "update-desktop-database"}) {
        std::ofstream(werkzeuge / name) << "#!/bin/sh\necho $$ > \"" << (werkzeuge / name).string()
                                        << ".pid\"\nexec sleep 60\n";
        fs::permissions(werkzeuge / name, fs::perms::owner_all);
    }
    Suchpfad.Setzen(werkzeuge.string() + ":" + std::getenv("PATH"));

    QElapsedTimer uhr;
    uhr.start();
    Anmeldung.Anmelden("zfb", "/usr/bin/zifferbogen");
    // Each tool had its full time, and no more.
    EXPECT_GE(uhr.elapsed(), 2 * TXdgDateitypanmeldung::WerkzeugFristMs);
    EXPECT_LT(uhr.elapsed(), 2 * TXdgDateitypanmeldung::WerkzeugFristMs + 3000);

    EXPECT_TRUE(fs::exists(Eintrag()));
    for (const char* name : {"update-mime-database", "update-desktop-database"}) {
        const std::string pid = Lesen(werkzeuge / (std::string(name) + ".pid"));
        ASSERT_FALSE(pid.empty()) << name << " lief nicht";
        // Stopped and reaped: no such process is left.
        EXPECT_EQ(::kill(static_cast<pid_t>(std::stol(pid)), 0), -1) << name;
        EXPECT_EQ(errno, ESRCH) << name;
    }
}

} // namespace
