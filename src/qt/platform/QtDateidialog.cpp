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
    // A folder that is gone since (a USB stick pulled out) gives way to the home folder; a
    // proposed file need not exist yet, its folder must.
    const QFileInfo ort(QString::fromStdString(start));
    const bool ordner = !start.empty() && ort.isDir();
    const bool datei = !start.empty() && !ordner && ort.absoluteDir().exists();
    QFileDialog dialog(Eltern, speichern ? QStringLiteral("Speichern unter") : QStringLiteral("Öffnen"),
                       ordner ? ort.absoluteFilePath() : datei ? ort.absolutePath() : QDir::homePath(),
                       QString::fromStdString(filter));
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (datei)
        dialog.selectFile(ort.fileName());
    // A name typed without an extension gets the worksheet's.
    dialog.setDefaultSuffix(QString::fromStdString(endung));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}
