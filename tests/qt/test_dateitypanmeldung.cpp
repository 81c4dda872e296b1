// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet type registered for the user below a temporary XDG_DATA_HOME: the files and
// their contents, a later start by another program, the caches, and everything that must
// change nothing.

#include "QtTesthilfen.h"

#include "qt/platform/Dateitypanmeldung.h"

#include <QElapsedTimer>
#include <QStandardPaths>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

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

// Whether the text holds this whole line.
bool Zeile(const std::string& text, const std::string& zeile)
{
    return ("\n" + text).find("\n" + zeile + "\n") != std::string::npos;
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

class Dateitypanmeldung : public ::testing::Test {
protected:
    Dateitypanmeldung() : Wurzel(Ordner.path().toStdString()), Vorher(fs::current_path())
    {
        ::setenv("XDG_DATA_HOME", (Wurzel / "daten").c_str(), 1);
        ::setenv("HOME", (Wurzel / "heim").c_str(), 1);
        // The system's folders are the test's own: a package installed on this machine must
        // not decide for the tests.
        ::setenv("XDG_DATA_DIRS", (Wurzel / "system").c_str(), 1);
        // Relative paths are taken from here.
        fs::current_path(Wurzel);
    }
    ~Dateitypanmeldung() override
    {
        fs::current_path(Vorher);
        qputenv("PATH", Suchpfad);
    }

    fs::path Eintrag() const { return Wurzel / "daten" / "applications" / "de.zifferbogen.Zifferbogen.desktop"; }
    fs::path Typ() const { return Wurzel / "daten" / "mime" / "packages" / "zifferbogen.xml"; }
    fs::path Symbol() const { return Wurzel / "daten" / "icons" / "hicolor" / "scalable" / "apps" / "zifferbogen.svg"; }

    QTemporaryDir Ordner;
    fs::path Wurzel;
    fs::path Vorher;
    const QByteArray Suchpfad = qgetenv("PATH");
    TXdgDateitypanmeldung Anmeldung;
};

// Each start rewrites the entry for the program started, leaving no temporary file.
TEST_F(Dateitypanmeldung, WritesTheTypeTheEntryAndTheIconForTheProgramStartedLast)
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
        Anmeldung.Anmelden("zfb", fall.Programm);

        const std::string eintrag = Lesen(Eintrag());
        EXPECT_TRUE(eintrag.starts_with("[Desktop Entry]\n")) << eintrag;
        EXPECT_EQ(eintrag.find("\nExec="), eintrag.rfind("\nExec=")) << eintrag;
        for (const std::string& zeile :
             {fall.Exec, fall.TryExec, std::string("Type=Application"), std::string("Name=Zifferbogen"),
              std::string("Comment[de]=Arbeitsblätter mit Rechenaufgaben für Grund- und Hauptschule erstellen und "
                          "drucken"),
              std::string("MimeType=application/x-zifferbogen;"), std::string("Icon=zifferbogen"),
              std::string("Categories=Education;Math;")})
            EXPECT_TRUE(Zeile(eintrag, zeile)) << zeile << " fehlt in\n" << eintrag;

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
            const QByteArray meldungen = pruefung.readAllStandardOutput() + pruefung.readAllStandardError();
            EXPECT_TRUE(pruefung.exitCode() == 0 && !meldungen.contains("error:")) << meldungen.toStdString();
        }
    }
    // Only these files, no temporary one left beside them (mime/ holds the caches too).
    for (const char* ordner : {"applications", "mime/packages", "icons"}) {
        for (const std::string& datei : Dateien(Wurzel / "daten" / ordner)) {
            const std::string name = fs::path(datei).filename().string();
            EXPECT_TRUE(name == "de.zifferbogen.Zifferbogen.desktop" || name == "mimeinfo.cache" || name == "zifferbogen.xml"
                        || name == "zifferbogen.svg")
                << datei;
        }
    }
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
            ::setenv("XDG_DATA_HOME", fall.XdgDataHome->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        Anmeldung.Anmelden("zfb", "/usr/bin/zifferbogen");
        EXPECT_TRUE(fs::exists(Wurzel / fall.Erwartet / "applications" / "de.zifferbogen.Zifferbogen.desktop"))
            << fall.XdgDataHome.value_or("(nicht gesetzt)");
        EXPECT_TRUE(fs::exists(Wurzel / fall.Erwartet / "mime" / "packages" / "zifferbogen.xml"))
            << fall.XdgDataHome.value_or("(nicht gesetzt)");
    }
    EXPECT_FALSE(fs::exists(Wurzel / "relativ"));
}

// A link planted at any of the three paths is replaced by the program's own file; the
// file of another user it names stays as it was.
TEST_F(Dateitypanmeldung, LinksPlantedAtTheRegistrationAreReplacedNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "Nur der Superuser kann eine Datei einem anderen Benutzer geben.";
    const fs::path fremd = Wurzel / "fremd";
    std::ofstream(fremd) << "fremd";
    ASSERT_EQ(::chown(fremd.c_str(), 65534, 65534), 0);
    for (const fs::path& pfad : {Typ(), Eintrag(), Symbol()}) {
        fs::create_directories(pfad.parent_path());
        fs::create_symlink(fremd, pfad);
    }
    Anmeldung.Anmelden("zfb", "/usr/bin/zifferbogen");
    EXPECT_EQ(Lesen(fremd), "fremd");
    for (const fs::path& pfad : {Typ(), Eintrag(), Symbol()}) {
        EXPECT_FALSE(fs::is_symlink(pfad)) << pfad;
        EXPECT_NE(Lesen(pfad), "fremd") << pfad;
    }
    EXPECT_TRUE(Zeile(Lesen(Eintrag()), "TryExec=/usr/bin/zifferbogen"));
}

// The package's entry and type in a system folder: the program they start writes nothing for
// the user and takes away what an earlier start left there; any other program (one built from
// source) registers itself as always.
TEST_F(Dateitypanmeldung, AProgramTheSystemRegistersLeavesNothingForTheUser)
{
    const fs::path installiert = Wurzel / "usr" / "bin" / "zifferbogen";
    const fs::path gebaut = Wurzel / "bau" / "bin" / "zifferbogen";
    for (const fs::path& programm : {installiert, gebaut}) {
        fs::create_directories(programm.parent_path());
        std::ofstream(programm) << "#!/bin/sh\n";
        fs::permissions(programm, fs::perms::owner_all);
    }
    qputenv("PATH", QByteArray((Wurzel / "usr" / "bin").c_str()) + ':' + Suchpfad);
    const fs::path system = Wurzel / "system";
    const auto systemeintrag = [&](const std::string& exec, const std::string& mime, bool typ) {
        fs::remove_all(system);
        fs::create_directories(system / "applications");
        std::ofstream(system / "applications" / "de.zifferbogen.Zifferbogen.desktop")
            << "[Desktop Entry]\nType=Application\nName=Zifferbogen\nExec=" << exec << " %f\nMimeType=" << mime << "\n";
        if (typ) {
            fs::create_directories(system / "mime" / "packages");
            std::ofstream(system / "mime" / "packages" / "zifferbogen.xml") << "<mime-info/>";
        }
    };
    struct Fall {
        std::string Was;
        std::string Exec, Mime;
        bool Typ;
        fs::path Programm;
        bool Schreibt;
    };
    for (const Fall& fall : {
             Fall{"das Paket, Exec über PATH", "zifferbogen", "application/x-zifferbogen;", true, installiert, false},
             Fall{"das Paket, Exec mit Pfad", installiert.string(), "application/x-zifferbogen;", true, installiert,
                  false},
             Fall{"ein gebautes Programm neben dem Paket", "zifferbogen", "application/x-zifferbogen;", true, gebaut,
                  true},
             Fall{"Eintrag ohne den Typ", "zifferbogen", "text/plain;", true, installiert, true},
             Fall{"Typdatei fehlt", "zifferbogen", "application/x-zifferbogen;", false, installiert, true},
             Fall{"Programm des Eintrags fehlt", "nicht-da", "application/x-zifferbogen;", true, installiert, true},
         }) {
        fs::remove_all(Wurzel / "daten");
        systemeintrag(fall.Exec, fall.Mime, fall.Typ);
        Anmeldung.Anmelden("zfb", fall.Programm);
        EXPECT_EQ(fs::exists(Eintrag()), fall.Schreibt) << fall.Was;
        EXPECT_EQ(fs::exists(Typ()), fall.Schreibt) << fall.Was;
    }

    // What the installed program wrote before, under both names, goes; another program's
    // entry stays.
    fs::remove_all(Wurzel / "daten");
    Anmeldung.Anmelden("zfb", installiert);
    fs::copy_file(Eintrag(), Eintrag().parent_path() / "zifferbogen.desktop");
    systemeintrag("zifferbogen", "application/x-zifferbogen;", true);
    Anmeldung.Anmelden("zfb", installiert);
    EXPECT_FALSE(fs::exists(Eintrag()));
    EXPECT_FALSE(fs::exists(Eintrag().parent_path() / "zifferbogen.desktop"));
    EXPECT_FALSE(fs::exists(Typ()));
    EXPECT_FALSE(fs::exists(Symbol()));
    fs::remove_all(system);
    Anmeldung.Anmelden("zfb", gebaut);
    systemeintrag("zifferbogen", "application/x-zifferbogen;", true);
    Anmeldung.Anmelden("zfb", installiert);
    EXPECT_TRUE(Zeile(Lesen(Eintrag()), "TryExec=" + gebaut.string()));
    EXPECT_TRUE(fs::exists(Typ()));
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
        ::setenv("XDG_DATA_HOME", fall.Daten.c_str(), 1);
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
                  .find("application/x-zifferbogen=de.zifferbogen.Zifferbogen.desktop;"),
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
    qputenv("PATH", QByteArray(werkzeuge.c_str()) + ':' + Suchpfad);

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
