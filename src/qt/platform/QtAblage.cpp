// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/QtAblage.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The settings file is the program's own, at a path someone else may have planted a link
// at: a link is followed only into a regular file of the running user, any other link is
// removed, so that the settings go into a new file of their own and never into another
// user's file or a device.
void FremdenVerweisEntfernen(const QString& datei)
{
    const QByteArray pfad = datei.toLocal8Bit();
    struct stat verweis {};
    if (::lstat(pfad.constData(), &verweis) != 0 || !S_ISLNK(verweis.st_mode))
        return;
    struct stat ziel {};
    const bool eigen = ::stat(pfad.constData(), &ziel) == 0 && S_ISREG(ziel.st_mode) && verweis.st_uid == ::geteuid()
        && ziel.st_uid == ::geteuid();
    if (!eigen)
        ::unlink(pfad.constData());
}

QString Schluessel(const std::string& schluessel)
{
    return QString::fromStdString(schluessel);
}

} // namespace

TQtAblage::TQtAblage()
{
    // Before Qt reads the file: a link to a FIFO would keep the start waiting for a writer.
    // Qt's settings of an organisation lie in its folder in the configuration folder.
    FremdenVerweisEntfernen(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                            + QStringLiteral("/zifferbogen/zifferbogen.conf"));
    Einstellungen = std::make_unique<QSettings>(QStringLiteral("zifferbogen"), QStringLiteral("zifferbogen"));
}

TQtAblage::~TQtAblage() = default;

std::optional<std::string> TQtAblage::Text(const std::string& schluessel) const
{
    const QVariant wert = Einstellungen->value(Schluessel(schluessel));
    if (!wert.isValid())
        return std::nullopt;
    return wert.toString().toStdString();
}

void TQtAblage::SetzeText(const std::string& schluessel, const std::string& wert)
{
    Einstellungen->setValue(Schluessel(schluessel), QString::fromStdString(wert));
    Schreiben();
}

std::vector<std::string> TQtAblage::Liste(const std::string& schluessel) const
{
    std::vector<std::string> liste;
    for (const QString& wert : Einstellungen->value(Schluessel(schluessel)).toStringList())
        liste.push_back(wert.toStdString());
    return liste;
}

void TQtAblage::SetzeListe(const std::string& schluessel, const std::vector<std::string>& werte)
{
    QStringList liste;
    for (const std::string& wert : werte)
        liste.append(QString::fromStdString(wert));
    Einstellungen->setValue(Schluessel(schluessel), liste);
    Schreiben();
}

std::string TQtAblage::Datei() const
{
    return Einstellungen->fileName().toStdString();
}

void TQtAblage::Schreiben()
{
    FremdenVerweisEntfernen(Einstellungen->fileName());
    Einstellungen->sync();
}
