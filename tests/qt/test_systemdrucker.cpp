// The system printer on a real print system: a private CUPS daemon, started for this test
// program in a temporary folder with its own socket, whose queues write every job into a
// file. The test skips where no CUPS daemon can be started.

#include "QtTesthilfen.h"

#include "app/Programm.h"
#include "app/UDrucken.h"
#include "app/UZeichnen.h"
#include "doubles/Meldungsrekorder.h"
#include "qt/Systemdrucker.h"
#include "sheet/UBlatt.h"
#include "toolkit/Fehler.h"
#include "toolkit/Zeitgeber.h"
#include "toolkit/Zufall.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// A queue hands its job to this backend, which writes the document as it came from the
// program to the file named in the queue's address: "zbdatei:/path/file.pdf". Run without
// arguments, CUPS asks it which devices it knows.
constexpr char DateiBackend[] = R"sh(#!/bin/sh
if [ $# -eq 0 ]; then echo 'file zbdatei "Unknown" "Datei"'; exit 0; fi
ziel=${DEVICE_URI#zbdatei:}
if [ $# -ge 6 ] && [ -n "$6" ]; then cat "$6"; else cat; fi > "$ziel.teil" && mv "$ziel.teil" "$ziel"
)sh";

// A printer that takes PDF as it is and defaults to A5 paper with margins, so that the test
// sees whether the program uses the paper and printable area of the queue.
constexpr char A5Beschreibung[] = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: German
*LanguageEncoding: ISOLatin1
*PCFileName: "ZBA5.PPD"
*Manufacturer: "Zifferbogen"
*Product: "(Testdrucker A5)"
*ModelName: "Zifferbogen Testdrucker A5"
*ShortNickName: "Zifferbogen Testdrucker A5"
*NickName: "Zifferbogen Testdrucker A5"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsFilter2: "application/pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A5
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize A5/A5: "<</PageSize[420 595]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A5
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion A5/A5: "<</PageSize[420 595]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A5
*ImageableArea A4/A4: "18 36 577 806"
*ImageableArea A5/A5: "18 36 402 559"
*DefaultPaperDimension: A5
*PaperDimension A4/A4: "595 842"
*PaperDimension A5/A5: "420 595"
*DefaultResolution: 300dpi
)ppd";

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

bool Schreiben(const QString& pfad, const QByteArray& inhalt, QFile::Permissions rechte)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(inhalt) == inhalt.size()
        && datei.setPermissions(rechte);
}

// The CUPS daemon of this test program. libcups keeps the server it first talked to for the
// whole process, so there is one daemon for all tests, and each test sets up the queues it
// needs.
class TPrivatesCups final {
public:
    TPrivatesCups() { Grund = Starten(); }
    ~TPrivatesCups()
    {
        if (Dienst.state() != QProcess::NotRunning) {
            Dienst.terminate();
            if (!Dienst.waitForFinished(5000)) {
                Dienst.kill();
                Dienst.waitForFinished(5000);
            }
        }
    }
    TPrivatesCups(const TPrivatesCups&) = delete;
    TPrivatesCups& operator=(const TPrivatesCups&) = delete;

    // Why no daemon runs, or empty when it does.
    const std::string& Fehlgrund() const { return Grund; }

    // The file a queue's jobs end in.
    QString Ausgabe(const QString& warteschlange) const
    {
        return Ordner.filePath(warteschlange + QStringLiteral(".pdf"));
    }

    // A queue writing into Ausgabe(name); with a5 it has the A5 printer's description, else
    // it is a raw queue that takes any document. Fails the test when lpadmin refuses.
    void Einrichten(const QString& name, bool a5 = false)
    {
        QStringList argumente{QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                              QStringLiteral("zbdatei:") + Ausgabe(name)};
        if (a5)
            argumente << QStringLiteral("-P") << Ordner.filePath(QStringLiteral("a5.ppd"));
        Verwalten(argumente);
    }
    void Entfernen(const QString& name) { Verwalten({QStringLiteral("-x"), name}); }
    void AlsStandard(const QString& name) { Verwalten({QStringLiteral("-d"), name}); }
    void AlleEntfernen()
    {
        for (const QString& name : Warteschlangen())
            Entfernen(name);
    }

    // Waits until the queue has no job left to do and returns what it wrote, or fails the
    // test after 30 seconds with the daemon's log.
    QString AufAuftragWarten(const QString& warteschlange)
    {
        const QDeadlineTimer frist(30000);
        while (!frist.hasExpired()) {
            const std::string offen = Werkzeug(Lpstat.toUtf8().constData(),
                                               {QStringLiteral("-h"), Socket(), QStringLiteral("-o"), warteschlange});
            if (offen.empty() && QFileInfo::exists(Ausgabe(warteschlange)))
                return Ausgabe(warteschlange);
            QThread::msleep(100);
        }
        ADD_FAILURE() << "Der Druckauftrag an " << warteschlange.toStdString()
                      << " ist nach 30 s nicht fertig. Protokoll des CUPS-Dienstes:\n"
                      << Protokoll();
        return {};
    }

    std::string Protokoll() const
    {
        QFile datei(Ordner.filePath(QStringLiteral("log/error_log")));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll().right(4000).toStdString() : std::string();
    }

private:
    QString Socket() const { return Ordner.filePath(QStringLiteral("cups.sock")); }

    std::string Starten()
    {
        const QStringList sbin{QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"), QStringLiteral("/sbin")};
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), sbin);
        Lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"), sbin);
        if (Lpadmin.isEmpty())
            Lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"));
        Lpstat = QStandardPaths::findExecutable(QStringLiteral("lpstat"));
        if (cupsd.isEmpty() || Lpadmin.isEmpty() || Lpstat.isEmpty())
            return "Kein CUPS-Dienst: cupsd, lpadmin oder lpstat fehlt (Pakete cups-daemon und cups-client).";
        QString execHelfer;
        for (const QString& ort : {QStringLiteral("/usr/lib/cups"), QStringLiteral("/usr/libexec/cups")}) {
            if (QFileInfo::exists(ort + QStringLiteral("/daemon/cups-exec")))
                execHelfer = ort + QStringLiteral("/daemon/cups-exec");
        }
        if (!Ordner.isValid() || execHelfer.isEmpty())
            return "Kein CUPS-Dienst: cups-exec oder ein temporärer Ordner fehlt.";

        // The daemon runs its helpers from its own program folder: cups-exec from the
        // system, and the file backend, which runs as the daemon's user only when nobody
        // else may touch it.
        const QDir ordner(Ordner.path());
        for (const char* unterordner : {"etc", "spool", "tmp", "cache", "run", "log", "bin/backend", "bin/daemon"})
            ordner.mkpath(QString::fromLatin1(unterordner));
        const QString p = Ordner.path();
        const QString dienstKonfiguration =
            QStringLiteral("LogLevel info\n"
                           "Listen %1\n"
                           "Browsing No\n"
                           "WebInterface No\n"
                           "DefaultAuthType None\n"
                           "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                           "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                           "  </Limit>\n</Policy>\n")
                .arg(Socket());
        const QString dateiKonfiguration = QStringLiteral("ServerRoot %1/etc\n"
                                                          "RequestRoot %1/spool\n"
                                                          "TempDir %1/tmp\n"
                                                          "CacheDir %1/cache\n"
                                                          "StateDir %1/run\n"
                                                          "ServerBin %1/bin\n"
                                                          "ErrorLog %1/log/error_log\n"
                                                          "AccessLog %1/log/access_log\n"
                                                          "PageLog %1/log/page_log\n"
                                                          "Printcap %1/run/printcap\n")
                                               .arg(p);
        const auto lesbar = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        if (!Schreiben(ordner.filePath(QStringLiteral("etc/cupsd.conf")), dienstKonfiguration.toUtf8(), lesbar)
            || !Schreiben(ordner.filePath(QStringLiteral("etc/cups-files.conf")), dateiKonfiguration.toUtf8(), lesbar)
            || !Schreiben(ordner.filePath(QStringLiteral("bin/backend/zbdatei")), DateiBackend,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
            || !Schreiben(ordner.filePath(QStringLiteral("a5.ppd")), A5Beschreibung, lesbar)
            || !QFile::link(execHelfer, ordner.filePath(QStringLiteral("bin/daemon/cups-exec"))))
            return "Kein CUPS-Dienst: die Konfiguration im temporären Ordner ließ sich nicht schreiben.";

        Dienst.setProgram(cupsd);
        Dienst.setArguments({QStringLiteral("-f"), QStringLiteral("-c"),
                             ordner.filePath(QStringLiteral("etc/cupsd.conf")), QStringLiteral("-s"),
                             ordner.filePath(QStringLiteral("etc/cups-files.conf"))});
        Dienst.setWorkingDirectory(p);
        Dienst.setProcessChannelMode(QProcess::MergedChannels);
        // A test program that dies takes its daemon with it.
        Dienst.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        Dienst.start();
        if (!Dienst.waitForStarted(5000))
            return "Kein CUPS-Dienst: cupsd startet nicht (" + Dienst.errorString().toStdString() + ").";

        // Qt reaches CUPS through libcups, which takes the server from here; LPDEST and
        // PRINTER would name another default printer, and the home folder's lpoptions too.
        qputenv("CUPS_SERVER", Socket().toUtf8());
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
        qputenv("HOME", p.toUtf8());

        const QDeadlineTimer frist(10000);
        while (!frist.hasExpired()) {
            if (Dienst.state() == QProcess::NotRunning)
                break;
            QProcess frage;
            frage.start(Lpstat, {QStringLiteral("-h"), Socket(), QStringLiteral("-r")});
            if (frage.waitForFinished(5000) && frage.exitCode() == 0
                && frage.readAllStandardOutput().contains("scheduler is running"))
                return {};
            QThread::msleep(100);
        }
        return "Kein CUPS-Dienst: cupsd ist nicht bereit. Ausgabe: " + Dienst.readAll().toStdString() + "\nProtokoll:\n"
            + Protokoll();
    }

    QStringList Warteschlangen()
    {
        QStringList namen;
        const std::string liste =
            Werkzeug(Lpstat.toUtf8().constData(), {QStringLiteral("-h"), Socket(), QStringLiteral("-e")});
        for (const QString& zeile : QString::fromStdString(liste).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            namen << zeile.trimmed();
        return namen;
    }

    void Verwalten(QStringList argumente)
    {
        argumente.prepend(Socket());
        argumente.prepend(QStringLiteral("-h"));
        Werkzeug(Lpadmin.toUtf8().constData(), argumente);
    }

    QTemporaryDir Ordner;
    QProcess Dienst;
    QString Lpadmin;
    QString Lpstat;
    std::string Grund;
};

class Systemdrucker : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Cups = std::make_unique<TPrivatesCups>(); }
    static void TearDownTestSuite() { Cups.reset(); }

    void SetUp() override
    {
        if (!Cups->Fehlgrund().empty())
            GTEST_SKIP() << Cups->Fehlgrund();
        Cups->AlleEntfernen();
    }

    static std::vector<std::string> Namen(const std::vector<std::unique_ptr<TDrucker>>& drucker)
    {
        std::vector<std::string> namen;
        for (const auto& d : drucker)
            namen.push_back(d->Name());
        return namen;
    }

    inline static std::unique_ptr<TPrivatesCups> Cups;
};

TEST_F(Systemdrucker, TheListOffersTheDefaultPrinterFirstAndThePdfPrinterLast)
{
    struct Fall {
        std::vector<std::string> Warteschlangen;
        std::string Standard; // "" leaves the system without a default printer
        std::vector<std::string> Angeboten;
    };
    for (const Fall& fall : {
             Fall{{}, "", {"PDF (A4)"}},
             Fall{{"Buero"}, "", {"Buero", "PDF (A4)"}},
             Fall{{"Buero", "Klassenzimmer", "Lehrerzimmer"},
                  "Klassenzimmer",
                  {"Klassenzimmer", "Buero", "Lehrerzimmer", "PDF (A4)"}},
             Fall{{"Buero", "Klassenzimmer"}, "Buero", {"Buero", "Klassenzimmer", "PDF (A4)"}},
         }) {
        Cups->AlleEntfernen();
        for (const std::string& name : fall.Warteschlangen)
            Cups->Einrichten(Text(name));
        if (!fall.Standard.empty())
            Cups->AlsStandard(Text(fall.Standard));
        EXPECT_EQ(Namen(InstallierteDrucker()), fall.Angeboten) << "Standard: " << fall.Standard;
    }
}

TEST_F(Systemdrucker, APrintRunThroughThePrintDialogReachesTheQueueOnItsPaper)
{
    // GIVEN a queue on A5 paper chosen in the print dialog, with a raw queue as the default
    Cups->Einrichten(QStringLiteral("Standarddrucker"));
    Cups->AlsStandard(QStringLiteral("Standarddrucker"));
    Cups->Einrichten(QStringLiteral("Klassendrucker"), true);
    const auto drucker = InstallierteDrucker();
    ASSERT_EQ(Namen(drucker), (std::vector<std::string>{"Standarddrucker", "Klassendrucker", "PDF (A4)"}));
    std::vector<TDrucker*> zeiger;
    for (const auto& d : drucker)
        zeiger.push_back(d.get());

    TMersenneZufall zufall(7);
    TMeldungsrekorder meldungen;
    THandzeitgeber zeitgeber;
    TProgramm programm(zufall, meldungen, zeitgeber, {}, {});
    programm.Zeichnen().Blatt().SetzeDrucker(zeiger[0]);
    programm.Drucken().SetzeDrucker(zeiger, 1);
    programm.HauptfensterZeigen();

    // DO: two different sheets, two copies each, with solution sheets
    programm.Zeichnen().Drucken1Click();
    TFDrucken& dialog = programm.Drucken();
    dialog.EVerschBlaetter->Eingeben("2");
    dialog.EExemplare->Eingeben("2");
    dialog.CBLoesungsblaetter->SetChecked(true);
    dialog.BOK->Click();
    EXPECT_FALSE(dialog.Sichtbar);

    // CHECK: each sheet as two copies and a solution sheet, all on the queue's A5 paper, each
    // with the page drawn on it, and nothing sent to the other queue
    const QString ausgabe = Cups->AufAuftragWarten(QStringLiteral("Klassendrucker"));
    ASSERT_FALSE(ausgabe.isEmpty());
    const std::string info = Werkzeug(ZB_PDFINFO, {ausgabe});
    EXPECT_NE(info.find("Pages:           6\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       420 x 595 pts (A5)"), std::string::npos) << info;
    for (int seite = 1; seite <= 6; ++seite) {
        const std::string text = Werkzeug(ZB_PDFTOTEXT,
                                          {QStringLiteral("-f"), QString::number(seite), QStringLiteral("-l"),
                                           QString::number(seite), ausgabe, QStringLiteral("-")});
        EXPECT_NE(text.find('='), std::string::npos) << "Seite " << seite << ":\n" << text;
    }
    EXPECT_FALSE(QFileInfo::exists(Cups->Ausgabe(QStringLiteral("Standarddrucker"))));
    EXPECT_TRUE(meldungen.Gezeigt.empty());
}

TEST_F(Systemdrucker, MeasuresThePrintableAreaOfTheQueuesPaper)
{
    Cups->Einrichten(QStringLiteral("Klassendrucker"), true);
    TSystemdrucker drucker("Klassendrucker");
    ASSERT_GT(drucker.DpiX(), 0);
    ASSERT_GT(drucker.DpiY(), 0);
    // A5 is 420 × 595 points; the printer cannot reach 18 points left and right, 36 at the
    // top and bottom.
    EXPECT_NEAR(drucker.SeitePxBreite(), (420 - 36) / 72.0 * drucker.DpiX(), 2);
    EXPECT_NEAR(drucker.SeitePxHoehe(), (595 - 72) / 72.0 * drucker.DpiY(), 2);
    // Text is measured at the printer's resolution before any job.
    EXPECT_GT(drucker.Leinwand().Textbreite("12 + 34 ="), 0.0);
}

TEST_F(Systemdrucker, AQueueThatIsGoneIsNamedInTheMessageAndGetsNoJob)
{
    Cups->Einrichten(QStringLiteral("Weg"));
    TSystemdrucker drucker("Weg");
    Cups->Entfernen(QStringLiteral("Weg"));
    struct Fall {
        std::string Name;
        std::function<void()> Tun;
    };
    for (const Fall& fall : {
             Fall{"Weg", [&] { drucker.BeginDoc(); }},
             Fall{"Gibtsnicht", [] { TSystemdrucker("Gibtsnicht"); }},
         }) {
        try {
            fall.Tun();
            ADD_FAILURE() << fall.Name << ": kein Fehler";
        } catch (const EZifferbogenFehler& fehler) {
            EXPECT_EQ(std::string(fehler.what()),
                      "Den Drucker „" + fall.Name + "“ gibt es auf diesem Rechner nicht (mehr).");
        }
    }
    EXPECT_FALSE(QFileInfo::exists(Cups->Ausgabe(QStringLiteral("Weg"))));
}

} // namespace
