// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/QtDateidialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

std::optional<std::string> TQtDateidialog::Oeffnen(const std::string& filter, const std::string& endung)
{
    return Zeigen(false, filter, endung);
}

std::optional<std::string> TQtDateidialog::Speichern(const std::string& filter, const std::string& endung)
{
    return Zeigen(true, filter, endung);
}

std::optional<std::string> TQtDateidialog::Zeigen(bool speichern, const std::string& filter, const std::string& endung)
{
    QFileDialog dialog(Eltern, speichern ? QStringLiteral("Speichern unter") : QStringLiteral("Öffnen"),
                       Ordner.empty() ? QDir::homePath() : QString::fromStdString(Ordner),
                       QString::fromStdString(filter));
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A name typed without an extension gets the worksheet's.
    dialog.setDefaultSuffix(QString::fromStdString(endung));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString pfad = dialog.selectedFiles().constFirst();
    Ordner = QFileInfo(pfad).absolutePath().toStdString();
    return pfad.toStdString();
}
