// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Dateizugriff.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "fixtures/Testordner.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Inhalt(const fs::path& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

void Anlegen(const fs::path& pfad, const std::string& inhalt)
{
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

// Each test works in a directory of its own, removed afterwards.
class Dateizugriff : public ::testing::Test {
protected:
    Dateizugriff() : Verzeichnis(Ordner.Pfad) {}

    std::size_t AnzahlDateien() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(Verzeichnis), fs::directory_iterator()));
    }

    const TTestordner Ordner;
    const fs::path Verzeichnis;
};

// Limits the size of files this process may write, for one test.
class TGroessengrenze final {
public:
    explicit TGroessengrenze(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &Vorher);
        VorherSignal = std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of a signal
        rlimit grenze = Vorher;
        grenze.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &grenze);
    }
    ~TGroessengrenze()
    {
        ::setrlimit(RLIMIT_FSIZE, &Vorher);
        std::signal(SIGXFSZ, VorherSignal);
    }
    TGroessengrenze(const TGroessengrenze&) = delete;
    TGroessengrenze& operator=(const TGroessengrenze&) = delete;

private:
    rlimit Vorher{};
    void (*VorherSignal)(int) = nullptr;
};

// Whatever is not a regular file is refused before a byte is read: a FIFO without a writer
// would otherwise block the program for good.
TEST_F(Dateizugriff, OpeningTellsWhyAFileCannotBeRead)
{
    const fs::path fifo = Verzeichnis / "fifo.zfb";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    struct Fall {
        fs::path Pfad;
        int Grund;
        const char* Ursache;
    };
    for (const Fall& fall : {
             Fall{Verzeichnis / "fehlt.zfb", ENOENT, "Datei oder Verzeichnis nicht gefunden"},
             Fall{Verzeichnis, EISDIR, "ist ein Verzeichnis"},
             Fall{fifo, KeineGewoehnlicheDatei, "keine gewöhnliche Datei"},
             Fall{"/dev/zero", KeineGewoehnlicheDatei, "keine gewöhnliche Datei"},
         }) {
        TLoadSave strom;
        EXPECT_TRUE(strom.OpenRead(fall.Pfad.string())) << fall.Pfad;
        EXPECT_EQ(strom.Oeffnungsfehler(), fall.Grund) << fall.Pfad;
        EXPECT_EQ(Fehlerursache(strom.Oeffnungsfehler()), fall.Ursache);
    }
}

// A worksheet file is small; a huge one is refused with a message instead of being read
// into memory.
TEST_F(Dateizugriff, AFileAboveTheSizeLimitIsRefused)
{
    const fs::path gross = Verzeichnis / "gross.zfb";
    Anlegen(gross, "[Zifferbogen 3.1]");
    fs::resize_file(gross, GroessteDateigroesse + 1); // sparse: costs no disk space
    TLoadSave strom;
    try {
        (void)strom.OpenRead(gross.string());
        FAIL() << "no error raised";
    } catch (const EInOutError& fehler) {
        EXPECT_NE(std::string(fehler.what()).find("zu groß für eine Arbeitsblattdatei"), std::string::npos);
    }

    fs::resize_file(gross, GroessteDateigroesse);
    EXPECT_FALSE(strom.OpenRead(gross.string()));
    EXPECT_EQ(strom.ReadText(), "Zifferbogen 3.1");
}

TEST_F(Dateizugriff, PathsThatCannotBeOpenedReportFailure)
{
    TLoadSave strom;
    EXPECT_TRUE(strom.OpenRead(""));
    EXPECT_TRUE(strom.OpenRead((Verzeichnis / "fehlt.zfb").string()));
    EXPECT_TRUE(strom.OpenRead(Verzeichnis.string()));
    EXPECT_TRUE(strom.OpenWrite(""));
    EXPECT_TRUE(strom.OpenWrite(Verzeichnis.string()));
    EXPECT_TRUE(strom.OpenWrite((Verzeichnis / "fehlt" / "neu.zfb").string()));
    EXPECT_EQ(AnzahlDateien(), 0u);
}

TEST_F(Dateizugriff, WrittenFileHoldsTheBytesAndReadsBack)
{
    const fs::path pfad = Verzeichnis / "Blatt.zfb";
    {
        TLoadSave schreiber;
        ASSERT_FALSE(schreiber.OpenWrite(pfad.string()));
        schreiber.WriteText("Überschrift");
        schreiber.WriteLineEnd();
        schreiber.WriteFloat(0.5);
        schreiber.Close();
    }
    EXPECT_EQ(Inhalt(pfad),
              "[\xDC"
              "berschrift]\r\n  5.00000000000000E-0001 ");
    EXPECT_EQ(AnzahlDateien(), 1u);

    TLoadSave leser;
    ASSERT_FALSE(leser.OpenRead(pfad.string()));
    EXPECT_EQ(leser.ReadText(), "Überschrift");
    EXPECT_EQ(leser.ReadFloat(), 0.5);
    leser.Close();
}

TEST_F(Dateizugriff, TheOldFileStaysUntilClose)
{
    const fs::path pfad = Verzeichnis / "Standard.zfb";
    Anlegen(pfad, "alt");
    TLoadSave schreiber;
    ASSERT_FALSE(schreiber.OpenWrite(pfad.string()));
    schreiber.WriteText(std::string(100000, 'x')); // more than is kept in memory
    EXPECT_EQ(Inhalt(pfad), "alt");
    schreiber.Close();
    EXPECT_EQ(Inhalt(pfad).size(), 100002u);
    EXPECT_EQ(AnzahlDateien(), 1u);
}

TEST_F(Dateizugriff, AStreamDestroyedWithoutCloseLeavesTheOldFile)
{
    const fs::path pfad = Verzeichnis / "Blatt.zfb";
    Anlegen(pfad, "alt");
    {
        TLoadSave schreiber;
        ASSERT_FALSE(schreiber.OpenWrite(pfad.string()));
        schreiber.WriteText(std::string(100000, 'x'));
        schreiber.WriteInteger(1);
    }
    EXPECT_EQ(Inhalt(pfad), "alt");
    EXPECT_EQ(AnzahlDateien(), 1u); // no temporary file left behind
}

TEST_F(Dateizugriff, AFailedWriteRaisesTheInOutErrorAndKeepsTheOldFile)
{
    const fs::path pfad = Verzeichnis / "Blatt.zfb";
    Anlegen(pfad, "alt");
    for (const std::size_t laenge : {std::size_t{200000}, std::size_t{1000}}) {
        SCOPED_TRACE(laenge); // failing while writing, and failing at Close
        TLoadSave schreiber;
        ASSERT_FALSE(schreiber.OpenWrite(pfad.string()));
        try {
            const TGroessengrenze grenze(500);
            schreiber.WriteText(std::string(laenge, 'x'));
            schreiber.Close();
            ADD_FAILURE() << "no error raised";
        } catch (const EInOutError& fehler) {
            EXPECT_EQ(std::string(fehler.what()),
                      "Die Datei „" + pfad.string() + "“ konnte nicht geschrieben werden (Datei zu groß).");
        }
    }
    EXPECT_EQ(Inhalt(pfad), "alt");
    EXPECT_EQ(AnzahlDateien(), 1u);
}

TEST_F(Dateizugriff, SavingKeepsPermissionsAndLinks)
{
    const fs::path echt = Verzeichnis / "echt.zfb";
    const fs::path verweis = Verzeichnis / "verweis.zfb";
    Anlegen(echt, "alt");
    fs::permissions(echt, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(echt, verweis);

    TLoadSave schreiber;
    ASSERT_FALSE(schreiber.OpenWrite(verweis.string()));
    schreiber.WriteBoolean(true);
    schreiber.Close();

    EXPECT_TRUE(fs::is_symlink(verweis));
    EXPECT_EQ(Inhalt(echt), " true ");
    EXPECT_EQ(fs::status(echt).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(Dateizugriff, ANewFileGetsTheUsualPermissions)
{
    const fs::path pfad = Verzeichnis / "neu.zfb";
    const mode_t maske = ::umask(022);
    TLoadSave schreiber;
    const bool fehlgeschlagen = schreiber.OpenWrite(pfad.string());
    ::umask(maske);
    ASSERT_FALSE(fehlgeschlagen);
    schreiber.Close();
    EXPECT_EQ(fs::status(pfad).permissions(), static_cast<fs::perms>(0644));
}

TEST_F(Dateizugriff, ReadingAFileStopsAtCtrlZ)
{
    const fs::path pfad = Verzeichnis / "alt.zfb";
    Anlegen(pfad, std::string("[Zifferbogen 2.3]\x1a[Rest]"));
    TLoadSave leser;
    ASSERT_FALSE(leser.OpenRead(pfad.string()));
    EXPECT_EQ(leser.ReadText(), "Zifferbogen 2.3");
    EXPECT_EQ(leser.ReadText(), "");
    EXPECT_TRUE(leser.AmEnde());
}

// A device, a FIFO or a pipe named as the target gets the bytes, as "cat > ziel" would give
// them; neither it nor a link to it is replaced by a file.
TEST_F(Dateizugriff, TargetsThatAreNoRegularFileAreWrittenIntoDirectly)
{
    const fs::path fifo = Verzeichnis / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    fs::create_symlink(fifo, Verzeichnis / "zur-fifo");
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    fs::create_symlink("/proc/self/fd/" + std::to_string(rohr[1]), Verzeichnis / "zum-rohr");
    // A device node of its own (the null device's numbers), where the file system allows one.
    const fs::path geraet = Verzeichnis / "null";
    const bool knoten = ::mknod(geraet.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    const int probe = knoten ? ::open(geraet.c_str(), O_WRONLY | O_CLOEXEC) : -1;
    const bool mitGeraet = probe >= 0;
    if (mitGeraet) {
        ::close(probe);
    }
    struct Fall {
        std::string Name;
        int Leser; // where the bytes arrive, or -1 for a device that swallows them
    };
    std::vector<Fall> faelle{{"fifo", -2}, {"zur-fifo", -2}, {"zum-rohr", rohr[0]}};
    if (mitGeraet) {
        faelle.push_back({"null", -1});
    }
    for (Fall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        const fs::path pfad = Verzeichnis / fall.Name;
        const fs::file_type vorher = fs::symlink_status(pfad).type();
        if (fall.Leser == -2) {
            fall.Leser = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        }
        TAtomareDatei datei;
        ASSERT_TRUE(datei.Oeffnen(pfad.string()));
        datei.Schreiben("Blatt");
        datei.Abschliessen();
        if (fall.Leser >= 0) {
            std::array<char, 16> gelesen{};
            EXPECT_EQ(::read(fall.Leser, gelesen.data(), gelesen.size()), 5);
            EXPECT_EQ(std::string(gelesen.data()), "Blatt");
            if (fall.Leser != rohr[0]) {
                ::close(fall.Leser);
            }
        }
        EXPECT_EQ(fs::symlink_status(pfad).type(), vorher);
    }
    ::close(rohr[0]);
    ::close(rohr[1]);
    EXPECT_EQ(AnzahlDateien(), knoten ? 4u : 3u); // nothing left beside them

    // A FIFO nobody reads from is refused at once instead of waiting for a reader.
    TAtomareDatei datei;
    EXPECT_FALSE(datei.Oeffnen(fifo.string()));
    EXPECT_EQ(Fehlerursache(datei.Fehlernummer()), "niemand liest am anderen Ende, oder das Gerät fehlt");
}

TEST_F(Dateizugriff, ATargetThatCannotBeWrittenTellsWhy)
{
    const fs::path schleife = Verzeichnis / "schleife";
    fs::create_symlink(schleife, schleife);
    const fs::path schreibgeschuetzt = Verzeichnis / "schreibgeschuetzt";
    fs::create_directory(schreibgeschuetzt);
    fs::permissions(schreibgeschuetzt, fs::perms::owner_read | fs::perms::owner_exec);
    struct Fall {
        fs::path Pfad;
        const char* Ursache;
    };
    std::vector<Fall> faelle{
        {"", "Datei oder Verzeichnis nicht gefunden"},
        {Verzeichnis, "ist ein Verzeichnis"},
        {Verzeichnis / "entfernt" / "b.pdf", "Datei oder Verzeichnis nicht gefunden"},
        {schleife, "zu viele symbolische Verknüpfungen"},
        {Verzeichnis / std::string(256, 'x'), "Dateiname zu lang"},
    };
    if (::geteuid() != 0) { // the superuser writes into any folder
        faelle.push_back({schreibgeschuetzt / "b.pdf", "Zugriff verweigert"});
    }
    for (const Fall& fall : faelle) {
        TAtomareDatei datei;
        EXPECT_FALSE(datei.Oeffnen(fall.Pfad.string())) << fall.Pfad;
        EXPECT_EQ(Fehlerursache(datei.Fehlernummer()), fall.Ursache) << fall.Pfad;
        TLoadSave strom;
        EXPECT_TRUE(strom.OpenWrite(fall.Pfad.string())) << fall.Pfad;
        EXPECT_EQ(Fehlerursache(strom.Oeffnungsfehler()), fall.Ursache) << fall.Pfad;
    }
    EXPECT_EQ(AnzahlDateien(), 2u);
    EXPECT_TRUE(fs::is_empty(schreibgeschuetzt));
}

// The temporary name is longer than the target's; a name at the file system's limit is saved
// all the same.
TEST_F(Dateizugriff, NamesUpToTheFileSystemsLimitAreSaved)
{
    std::string umlaute;
    for (int i = 0; i < 127; ++i) {
        umlaute += "ä";
    }
    for (const std::string& name : {std::string(240, 'a'), std::string(255, 'b'), umlaute + "c"}) {
        SCOPED_TRACE(name.size());
        const fs::path pfad = Verzeichnis / name;
        TAtomareDatei datei;
        ASSERT_TRUE(datei.Oeffnen(pfad.string()));
        datei.Schreiben("neu");
        datei.Abschliessen();
        EXPECT_EQ(Inhalt(pfad), "neu");
        fs::remove(pfad);
        EXPECT_EQ(AnzahlDateien(), 0u);
    }
}

// A save waiting for its bytes leaves nothing in the folder, and a save stopped by a signal
// removes its temporary file; the program still ends by that signal.
TEST_F(Dateizugriff, ASignalDuringASaveLeavesNoTemporaryFile)
{
    const fs::path ziel = Verzeichnis / "t.pdf";
    {
        TAtomareDatei datei;
        ASSERT_TRUE(datei.Oeffnen(ziel.string()));
        EXPECT_EQ(AnzahlDateien(), 0u);
    }
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            TemporaereDateienBeiSignalEntfernen();
            TAtomareDatei datei;
            if (!datei.Oeffnen(ziel.string())) {
                ::_exit(3);
            }
            datei.Schreiben(std::string(100000, 'x'));
            ::raise(signal);
            ::_exit(4);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(AnzahlDateien(), 0u);
    }
}

// The program's own files (the file-type registration, the standard settings) follow a link
// only into a regular file of the running user; whatever else is planted there is replaced
// itself and stays as it was.
TEST_F(Dateizugriff, TheProgramsOwnFilesDoNotWriteThroughForeignLinks)
{
    const fs::path eigen = Verzeichnis / "eigen.xml";
    const fs::path fremd = Verzeichnis / "fremd.xml";
    const fs::path fifo = Verzeichnis / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const bool mitFremdem = ::geteuid() == 0; // only the superuser can give a file away
    struct Fall {
        fs::path Verweisziel;
        bool Gefolgt;
    };
    std::vector<Fall> faelle{{eigen, true}, {fifo, false}, {Verzeichnis / "fehlt.xml", false}};
    if (mitFremdem) {
        faelle.push_back({fremd, false});
    }
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.Verweisziel);
        Anlegen(eigen, "alt");
        Anlegen(fremd, "alt");
        if (mitFremdem) {
            ASSERT_EQ(::chown(fremd.c_str(), 65534, 65534), 0);
        }
        const fs::path pfad = Verzeichnis / "zifferbogen.xml";
        fs::create_symlink(fall.Verweisziel, pfad);
        TAtomareDatei datei;
        ASSERT_TRUE(datei.Oeffnen(pfad.string(), TZielart::Eigenverwaltung));
        datei.Schreiben("neu");
        datei.Abschliessen();
        EXPECT_EQ(fs::is_symlink(pfad), fall.Gefolgt);
        EXPECT_EQ(Inhalt(pfad), "neu");
        EXPECT_EQ(Inhalt(eigen), fall.Gefolgt ? "neu" : "alt");
        EXPECT_EQ(Inhalt(fremd), "alt");
        EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
        EXPECT_FALSE(fs::exists(Verzeichnis / "fehlt.xml"));
        fs::remove(pfad);
    }
}

} // namespace
