// SPDX-License-Identifier: GPL-3.0-or-later
// The system printer on a real print system: a private CUPS daemon, started for this test
// program in a temporary folder with its own socket, whose queues write each job into a
// file (tests/data/cups). The tests skip where no CUPS daemon can be started. The program
// runs as the desktop program does, so that the printer-setup dialog can show on the queues.

#include "DesktopUmgebung.h"
#include "Pdfwerkzeuge.h"

#include "app/Programm.h"
#include "app/UDrucken.h"
#include "app/UZeichnen.h"
#include "doubles/Meldungsrekorder.h"
#include "qt/platform/Druckerdialog.h"
#include "qt/platform/Systemdrucker.h"
#include "sheet/UBlatt.h"
#include "toolkit/Fehler.h"
#include "toolkit/Druckfortschritt.h"
#include "toolkit/Zeitgeber.h"
#include "toolkit/Zufall.h"

#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPageSize>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <sys/prctl.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const QString Daten = QStringLiteral(ZB_TESTDATA_DIR "/cups/");

// The CUPS daemon of this test program. libcups keeps the server it first talked to for the
// whole process, so all tests share one daemon and set up the queues they need.
class TPrivatesCups final {
public:
    TPrivatesCups() { Grund = Starten(); }
    ~TPrivatesCups() { Anhalten(); }
    TPrivatesCups(const TPrivatesCups&) = delete;
    TPrivatesCups& operator=(const TPrivatesCups&) = delete;

    // Why no daemon runs, or empty when it does.
    const std::string& Fehlgrund() const { return Grund; }
    // The file a queue's jobs end in.
    QString Ausgabe(const QString& name) const { return Ordner.filePath(name + QStringLiteral(".pdf")); }

    // A queue writing into Ausgabe(name): on the A5 printer, or a raw queue.
    void Einrichten(const QString& name, bool a5 = false)
    {
        QStringList argumente{QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                              QStringLiteral("zbdatei:") + Ausgabe(name)};
        if (a5)
            argumente << QStringLiteral("-P") << Daten + QStringLiteral("a5.ppd");
        Befehl(Lpadmin, argumente);
    }
    void Entfernen(const QString& name) { Befehl(Lpadmin, {QStringLiteral("-x"), name}); }
    void Abweisen(const QString& name) { Befehl(Cupsreject, {name}); }
    // Stops the daemon; Hochfahren starts it again with the queues it had.
    void Anhalten()
    {
        Dienst.terminate();
        if (!Dienst.waitForFinished(5000))
            Dienst.kill();
        Dienst.waitForFinished(5000);
    }
    bool Laeuft() const { return Dienst.state() != QProcess::NotRunning; }
    void AlsStandard(const QString& name) { Befehl(Lpadmin, {QStringLiteral("-d"), name}); }
    void AlleEntfernen()
    {
        for (const QString& name :
             QString::fromStdString(Befehl(Lpstat, {QStringLiteral("-e")})).split(QLatin1Char('\n')))
            if (!name.isEmpty())
                Entfernen(name);
    }

    // Waits until the queue has no job left and returns what it wrote; fails the test after
    // 30 seconds, with the daemon's log.
    QString AufAuftragWarten(const QString& name)
    {
        for (const QDeadlineTimer frist(30000); !frist.hasExpired(); QThread::msleep(100)) {
            if (Befehl(Lpstat, {QStringLiteral("-o"), name}).empty() && QFileInfo::exists(Ausgabe(name)))
                return Ausgabe(name);
        }
        ADD_FAILURE() << "Der Druckauftrag an " << name.toStdString() << " ist nach 30 s nicht fertig:\n"
                      << Protokoll();
        return {};
    }

private:
    QString Pfad(const char* name) const { return Ordner.filePath(QString::fromLatin1(name)); }
    std::string Protokoll() const
    {
        QFile datei(Pfad("log/error_log"));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll().right(4000).toStdString() : std::string();
    }
    std::string Befehl(const QString& programm, QStringList argumente)
    {
        return Werkzeug(programm.toUtf8().constData(),
                        QStringList{QStringLiteral("-h"), Pfad("cups.sock")} + argumente);
    }

    std::string Starten()
    {
        const QStringList sbin{QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")};
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), sbin);
        Lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"), sbin);
        Lpstat = QStandardPaths::findExecutable(QStringLiteral("lpstat"));
        Cupsreject = QStandardPaths::findExecutable(QStringLiteral("cupsreject"), sbin);
        const QString execHelfer = QStringLiteral("/usr/lib/cups/daemon/cups-exec");
        if (cupsd.isEmpty() || Lpadmin.isEmpty() || Lpstat.isEmpty() || Cupsreject.isEmpty()
            || !QFileInfo::exists(execHelfer))
            return "Kein CUPS-Dienst: cupsd, cups-exec, lpadmin, lpstat oder cupsreject fehlt (Pakete cups-daemon, "
                   "cups-client).";
        Cupsd = cupsd;

        // The daemon's own configuration and program folder: cups-exec from the system and
        // the file backend, which CUPS runs as the daemon's user only when nobody else may
        // touch it.
        const QDir ordner(Ordner.path());
        const QString p = Ordner.path();
        QFile dienst(Pfad("cupsd.conf"));
        QFile dateien(Pfad("cups-files.conf"));
        bool eingerichtet = true;
        for (const char* unterordner : {"etc", "spool", "tmp", "cache", "run", "log", "bin/backend", "bin/daemon"})
            eingerichtet = eingerichtet && ordner.mkpath(QString::fromLatin1(unterordner));
        eingerichtet = eingerichtet && QFile::link(execHelfer, Pfad("bin/daemon/cups-exec"))
            && QFile::copy(Daten + QStringLiteral("zbdatei"), Pfad("bin/backend/zbdatei"))
            && QFile::setPermissions(Pfad("bin/backend/zbdatei"), QFile::ReadOwner | QFile::ExeOwner)
            && dienst.open(QIODevice::WriteOnly)
            && dienst.write(QStringLiteral("Listen %1/cups.sock\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                                           "<Location />\n  Allow all\n</Location>\n"
                                           "<Policy default>\n  <Limit All>\n  </Limit>\n</Policy>\n")
                                .arg(p)
                                .toUtf8())
                > 0
            && dateien.open(QIODevice::WriteOnly)
            && dateien.write(QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                                            "CacheDir %1/cache\nStateDir %1/run\nServerBin %1/bin\n"
                                            "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                            "PageLog %1/log/page_log\nPrintcap %1/run/printcap\n")
                                 .arg(p)
                                 .toUtf8())
                > 0;
        dienst.close();
        dateien.close();
        if (!Ordner.isValid() || !eingerichtet)
            return "Kein CUPS-Dienst: der temporäre Ordner lässt sich nicht einrichten.";

        // libcups takes the server from CUPS_SERVER; LPDEST, PRINTER and the lpoptions in
        // the home folder would name another default printer.
        qputenv("CUPS_SERVER", Pfad("cups.sock").toUtf8());
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
        qputenv("HOME", p.toUtf8());
        return Hochfahren();
    }

public:
    // Starts the daemon, or says why it does not come up.
    std::string Hochfahren()
    {
        // A test program that dies takes its daemon with it.
        Dienst.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        Dienst.start(Cupsd,
                     {QStringLiteral("-f"), QStringLiteral("-c"), Pfad("cupsd.conf"), QStringLiteral("-s"),
                      Pfad("cups-files.conf")});
        for (const QDeadlineTimer frist(10000); !frist.hasExpired() && Dienst.state() != QProcess::NotRunning;
             QThread::msleep(100)) {
            // lpstat answers in the user's language; the test reads its English answer.
            QProcess frage;
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
            frage.setProcessEnvironment(umgebung);
            frage.start(Lpstat, {QStringLiteral("-h"), Pfad("cups.sock"), QStringLiteral("-r")});
            if (frage.waitForFinished(5000) && frage.readAllStandardOutput().contains("scheduler is running"))
                return {};
        }
        return "Kein CUPS-Dienst: cupsd kommt nicht hoch (" + Dienst.errorString().toStdString() + "):\n"
            + Dienst.readAllStandardError().toStdString() + Protokoll();
    }

private:
    QTemporaryDir Ordner;
    QProcess Dienst;
    QString Cupsd, Lpadmin, Lpstat, Cupsreject;
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
        std::vector<QString> Warteschlangen;
        QString Standard; // empty: the system has no default printer
        std::vector<std::string> Angeboten;
    };
    for (const Fall& fall : {
             Fall{{}, {}, {"PDF (A4)"}},
             Fall{{QStringLiteral("Buero")}, {}, {"Buero", "PDF (A4)"}},
             Fall{{QStringLiteral("Buero"), QStringLiteral("Klasse"), QStringLiteral("Lehrer")},
                  QStringLiteral("Klasse"),
                  {"Klasse", "Buero", "Lehrer", "PDF (A4)"}},
             Fall{{QStringLiteral("Buero"), QStringLiteral("Klasse")},
                  QStringLiteral("Buero"),
                  {"Buero", "Klasse", "PDF (A4)"}},
         }) {
        Cups->AlleEntfernen();
        for (const QString& name : fall.Warteschlangen)
            Cups->Einrichten(name);
        if (!fall.Standard.isEmpty())
            Cups->AlsStandard(fall.Standard);
        EXPECT_EQ(Namen(InstallierteDrucker()), fall.Angeboten) << fall.Standard.toStdString();
    }
}

TEST_F(Systemdrucker, APrintRunThroughThePrintDialogReachesTheChosenQueueOnItsPaper)
{
    // GIVEN the A5 queue chosen in the print dialog, a raw queue being the default
    Cups->Einrichten(QStringLiteral("Roh"));
    Cups->AlsStandard(QStringLiteral("Roh"));
    Cups->Einrichten(QStringLiteral("Klasse"), true);
    const auto drucker = InstallierteDrucker();
    ASSERT_EQ(Namen(drucker), (std::vector<std::string>{"Roh", "Klasse", "PDF (A4)"}));
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
    programm.Drucken().EVerschBlaetter->Eingeben("2");
    programm.Drucken().EExemplare->Eingeben("2");
    programm.Drucken().CBLoesungsblaetter->SetChecked(true);
    programm.Drucken().BOK->Click();

    // CHECK: per sheet two copies and a solution sheet, on A5, each page with its tasks
    const QString ausgabe = Cups->AufAuftragWarten(QStringLiteral("Klasse"));
    ASSERT_FALSE(ausgabe.isEmpty());
    const std::string info = Werkzeug(ZB_PDFINFO, {ausgabe});
    EXPECT_NE(info.find("Pages:           6\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       420 x 595 pts (A5)"), std::string::npos) << info;
    for (int seite = 1; seite <= 6; ++seite) {
        const QString s = QString::number(seite);
        EXPECT_NE(
            Werkzeug(ZB_PDFTOTEXT, {QStringLiteral("-f"), s, QStringLiteral("-l"), s, ausgabe, QStringLiteral("-")})
                .find('='),
            std::string::npos)
            << "Seite " << seite;
    }
    EXPECT_FALSE(QFileInfo::exists(Cups->Ausgabe(QStringLiteral("Roh"))));
    EXPECT_TRUE(meldungen.Gezeigt.empty());
}

TEST_F(Systemdrucker, TheSetupDialogTurnsThePaperAndCancelTurnsItBack)
{
    Cups->Einrichten(QStringLiteral("Klasse"), true);
    TSystemdrucker drucker("Klasse");
    TQtDruckerdialog dialog;
    struct Fall {
        const char* Knopf;
        QPageLayout::Orientation Danach;
    };
    for (const Fall& fall : {Fall{"Abbrechen", QPageLayout::Portrait}, Fall{"OK", QPageLayout::Landscape}}) {
        QString gezeigt;
        QTimer::singleShot(0, qApp, [&] {
            QWidget* einrichtung = QApplication::activeModalWidget();
            ASSERT_NE(einrichtung, nullptr);
            // Qt's page-setup dialog: landscape, and OK.
            QTimer::singleShot(0, qApp, [] {
                QWidget* seite = QApplication::activeModalWidget();
                ASSERT_NE(seite, nullptr);
                auto* quer = seite->findChild<QRadioButton*>(QStringLiteral("landscape"));
                ASSERT_NE(quer, nullptr);
                quer->click();
                static_cast<QDialog*>(seite)->accept();
            });
            for (QPushButton* knopf : einrichtung->findChildren<QPushButton*>()) {
                if (knopf->text() == QStringLiteral("Papier und Ausrichtung ..."))
                    knopf->click();
            }
            for (QLabel* text : einrichtung->findChildren<QLabel*>()) {
                if (text->text().contains(QStringLiteral("format")))
                    gezeigt = text->text();
            }
            for (QPushButton* knopf : einrichtung->findChildren<QPushButton*>()) {
                if (knopf->text() == QString::fromUtf8(fall.Knopf))
                    knopf->click();
            }
        });
        EXPECT_EQ(dialog.Ausfuehren({&drucker}, 0), 0U);
        EXPECT_EQ(gezeigt, QStringLiteral("A5, Querformat")) << fall.Knopf;
        EXPECT_EQ(drucker.Seitenlayout().orientation(), fall.Danach) << fall.Knopf;
        // The canvas measures on the paper as it is now: a landscape page is wider than high.
        EXPECT_EQ(drucker.SeitePxBreite() > drucker.SeitePxHoehe(), fall.Danach == QPageLayout::Landscape)
            << fall.Knopf;
    }
}

TEST_F(Systemdrucker, MeasuresThePrintableAreaOfTheQueuesPaper)
{
    Cups->Einrichten(QStringLiteral("Klasse"), true);
    TSystemdrucker drucker("Klasse");
    ASSERT_GT(drucker.DpiX(), 0);
    ASSERT_GT(drucker.DpiY(), 0);
    // A5 is 420 × 595 points, of which the printer cannot reach 18 at the left and right
    // and 36 at the top and bottom.
    EXPECT_NEAR(drucker.SeitePxBreite(), (420 - 36) / 72.0 * drucker.DpiX(), 2);
    EXPECT_NEAR(drucker.SeitePxHoehe(), (595 - 72) / 72.0 * drucker.DpiY(), 2);
    EXPECT_GT(drucker.Leinwand().Textbreite("12 + 34 ="), 0.0);
    // A4 chosen in the printer-setup dialog, with the margins the queue gives for it.
    drucker.Einrichten([](QPrinter& qt) { qt.setPageSize(QPageSize(QPageSize::A4)); });
    EXPECT_NEAR(drucker.SeitePxBreite(), (595 - 36) / 72.0 * drucker.DpiX(), 2);
    EXPECT_NEAR(drucker.SeitePxHoehe(), (842 - 72) / 72.0 * drucker.DpiY(), 2);
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
    for (const Fall& fall :
         {Fall{"Weg", [&] { drucker.BeginDoc(); }}, Fall{"Gibtsnicht", [] { TSystemdrucker("Gibtsnicht"); }}}) {
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

// Does something to the print system before one page of a run, as an administrator or a
// crash might while the teacher prints.
class TEingriff final : public TDruckfortschritt {
public:
    TEingriff(std::int64_t vorSeite, std::function<void()> tun) : VorSeite(vorSeite), Tun(std::move(tun)) {}
    void Anfang(std::int64_t) override {}
    bool Weiter(std::int64_t gedruckt) override
    {
        if (gedruckt == VorSeite)
            Tun();
        return true;
    }
    void Ende() noexcept override {}

private:
    std::int64_t VorSeite;
    std::function<void()> Tun;
};

TEST_F(Systemdrucker, AJobTheQueueDoesNotTakeEndsTheRunWithCupssReasonAndNothingPrinted)
{
    const QString klasse = QStringLiteral("Klasse");
    struct Fall {
        const char* Was;
        std::int64_t VorSeite; // -1: before OK
        std::function<void()> Tun;
        std::string Meldung; // the start of the message
    };
    for (const Fall& fall : {
             Fall{"abgewiesen vor OK", -1, [&] { Cups->Abweisen(klasse); },
                  "Der Drucker „Klasse“ nimmt zurzeit keine Druckaufträge an"},
             Fall{"abgewiesen im Lauf", 2, [&] { Cups->Abweisen(klasse); },
                  "Der Drucker „Klasse“ nimmt zurzeit keine Druckaufträge an (CUPS: "},
             Fall{"entfernt im Lauf", 2, [&] { Cups->Entfernen(klasse); },
                  "Den Drucker „Klasse“ gibt es auf diesem Rechner nicht mehr (CUPS: "},
             Fall{"Dienst angehalten vor OK", -1, [&] { Cups->Anhalten(); },
                  "Das Drucksystem (CUPS) ist nicht erreichbar; der Drucker „Klasse“ bekommt den Druckauftrag nicht "
                  "(CUPS: "},
             Fall{"Dienst angehalten im Lauf", 2, [&] { Cups->Anhalten(); },
                  "Das Drucksystem (CUPS) ist nicht erreichbar; der Drucker „Klasse“ bekommt den Druckauftrag nicht "
                  "(CUPS: "},
         }) {
        // GIVEN the A5 queue in the print dialog, and a run of six pages
        if (!Cups->Laeuft()) {
            ASSERT_EQ(Cups->Hochfahren(), "");
        }
        Cups->AlleEntfernen();
        QFile::remove(Cups->Ausgabe(klasse));
        Cups->Einrichten(klasse, true);
        TSystemdrucker drucker(klasse.toStdString());
        TMersenneZufall zufall(7);
        TMeldungsrekorder meldungen;
        THandzeitgeber zeitgeber;
        TProgramm programm(zufall, meldungen, zeitgeber, {}, {});
        programm.Zeichnen().Blatt().SetzeDrucker(&drucker);
        programm.Drucken().SetzeDrucker({&drucker});
        TEingriff eingriff(fall.VorSeite, fall.Tun);
        programm.Drucken().SetzeFortschritt(&eingriff);
        programm.HauptfensterZeigen();
        if (fall.VorSeite < 0)
            fall.Tun();

        // DO: OK in the print dialog
        programm.Zeichnen().Drucken1Click();
        programm.Drucken().EVerschBlaetter->Eingeben("2");
        programm.Drucken().EExemplare->Eingeben("3");
        std::string meldung;
        try {
            programm.Drucken().BOK->Click();
            ADD_FAILURE() << fall.Was << ": als gedruckt gemeldet";
        } catch (const EZifferbogenFehler& fehler) {
            meldung = fehler.what();
        }

        // CHECK: the message names the printer, what happened and CUPS's reason; the print
        // dialog stays open, and no page reached the queue's backend
        EXPECT_EQ(meldung.rfind(fall.Meldung, 0), 0U) << fall.Was << ": " << meldung;
        EXPECT_TRUE(meldung.ends_with(". Es wurde nichts gedruckt.")) << fall.Was << ": " << meldung;
        EXPECT_TRUE(programm.Drucken().Sichtbar) << fall.Was;
        EXPECT_FALSE(QFileInfo::exists(Cups->Ausgabe(klasse))) << fall.Was;
    }
    if (!Cups->Laeuft()) {
        EXPECT_EQ(Cups->Hochfahren(), "");
    }
}

} // namespace
