// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// poppler's tools on a printed PDF, for the Qt tests whatever application they run in.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

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
