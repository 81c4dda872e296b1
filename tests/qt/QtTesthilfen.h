#pragma once

// Shared by the Qt tests: the application every test needs, poppler's tools on a printed
// PDF, and looking at pixels.

#include "qt/Kopflos.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// One QGuiApplication for the whole test program, as fonts and painting need it.
class TQtUmgebung final : public ::testing::Environment {
public:
    void SetUp() override { Anwendung = KopflosStarten(Argc, Argv); }
    void TearDown() override { Anwendung.reset(); }

private:
    inline static char Name[] = "zifferbogen-test";
    inline static char* Argv[] = {Name, nullptr};
    inline static int Argc = 1;
    std::unique_ptr<QGuiApplication> Anwendung;
};

inline ::testing::Environment* const QtUmgebung = ::testing::AddGlobalTestEnvironment(new TQtUmgebung);

// Runs a tool and returns its standard output; a tool that is missing or fails fails the test.
inline std::string Werkzeug(const char* programm, const QStringList& argumente)
{
    QProcess prozess;
    prozess.start(QString::fromUtf8(programm), argumente);
    const bool fertig = prozess.waitForFinished(30000);
    EXPECT_TRUE(fertig && prozess.exitStatus() == QProcess::NormalExit && prozess.exitCode() == 0)
        << programm << " " << argumente.join(QLatin1Char(' ')).toStdString() << ": "
        << prozess.readAllStandardError().toStdString();
    return prozess.readAllStandardOutput().toStdString();
}

// A printed document in a temporary folder, for poppler's tools.
class TPdfDatei final {
public:
    explicit TPdfDatei(const std::string& dokument)
    {
        QFile datei(Pfad());
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(dokument.data(), static_cast<qint64>(dokument.size()));
    }

    QString Pfad() const { return Ordner.filePath(QStringLiteral("blatt.pdf")); }

    std::string Info() const { return Werkzeug(ZB_PDFINFO, {Pfad()}); }
    // The text of one page, or of all pages with seite 0.
    std::string Text(int seite = 0) const
    {
        QStringList argumente{QStringLiteral("-layout")};
        if (seite > 0)
            argumente << QStringLiteral("-f") << QString::number(seite) << QStringLiteral("-l")
                      << QString::number(seite);
        argumente << Pfad() << QStringLiteral("-");
        return Werkzeug(ZB_PDFTOTEXT, argumente);
    }
    // One page rendered at dpi dots per inch, the whole A4 sheet including its margins.
    QImage Seite(int seite, int dpi) const
    {
        const QString stamm = Ordner.filePath(QStringLiteral("seite"));
        Werkzeug(ZB_PDFTOPPM,
                 {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                  QString::number(seite), QStringLiteral("-l"), QString::number(seite), QStringLiteral("-singlefile"),
                  Pfad(), stamm});
        return QImage(stamm + QStringLiteral(".png"));
    }

private:
    QTemporaryDir Ordner;
};

inline bool Dunkel(QRgb farbe)
{
    return qGray(farbe) < 96;
}

inline bool Weiss(QRgb farbe)
{
    return qRed(farbe) > 240 && qGreen(farbe) > 240 && qBlue(farbe) > 240;
}

// The smallest rectangle around the pixels that are not white, within bereich.
inline QRect Tinte(const QImage& bild, const QRect& bereich)
{
    QRect tinte;
    const QRect innen = bereich.intersected(bild.rect());
    for (int y = innen.top(); y <= innen.bottom(); ++y) {
        for (int x = innen.left(); x <= innen.right(); ++x) {
            if (!Weiss(bild.pixel(x, y)))
                tinte |= QRect(x, y, 1, 1);
        }
    }
    return tinte;
}
