// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/QtDateidialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

std::optional<std::string> TQtDateidialog::Oeffnen(const std::string& filter, const std::string& endung,
                                                   const std::string& start)
{
    return Zeigen(false, filter, endung, start);
}

std::optional<std::string> TQtDateidialog::Speichern(const std::string& filter, const std::string& endung,
                                                     const std::string& start)
{
    return Zeigen(true, filter, endung, start);
}

std::optional<std::string> TQtDateidialog::Zeigen(bool speichern, const std::string& filter, const std::string& endung,
                                                  const std::string& start)
{
    // A folder that is gone since (a USB stick pulled out) gives way to the home folder. Only
    // the save dialog proposes a file, one of its own type; it need not exist yet, its folder
    // must.
    QString ordner = QDir::homePath();
    QString vorschlag;
    const QFileInfo ort(QString::fromStdString(start));
    if (!start.empty() && ort.isDir()) {
        ordner = ort.absoluteFilePath();
    } else if (!start.empty() && speichern && ort.absoluteDir().exists()
               && ort.suffix().compare(QString::fromStdString(endung), Qt::CaseInsensitive) == 0) {
        ordner = ort.absolutePath();
        vorschlag = ort.fileName();
    }
    QFileDialog dialog(Eltern, speichern ? QStringLiteral("Speichern unter") : QStringLiteral("Öffnen"), ordner,
                       QString::fromStdString(filter));
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!vorschlag.isEmpty())
        dialog.selectFile(vorschlag);
    // A name typed without an extension gets the worksheet's.
    dialog.setDefaultSuffix(QString::fromStdString(endung));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}
