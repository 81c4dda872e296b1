#include "files/Dateizugriff.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>

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
    void SetUp() override
    {
        std::string muster = (fs::temp_directory_path() / "zb-dateizugriff-XXXXXX").string();
        ASSERT_NE(::mkdtemp(muster.data()), nullptr);
        Verzeichnis = muster;
    }
    void TearDown() override { fs::remove_all(Verzeichnis); }

    std::size_t AnzahlDateien() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(Verzeichnis), fs::directory_iterator()));
    }

    fs::path Verzeichnis;
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

} // namespace
