// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/QtMeldungen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

void TQtMeldungen::Zeige(const std::string& titel, const std::string& text, TMeldungsart art)
{
    const QMessageBox::Icon symbol = art == TMeldungsart::Fehler ? QMessageBox::Critical
        : art == TMeldungsart::Warnung                           ? QMessageBox::Warning
                                                                 : QMessageBox::Information;
    QMessageBox box(symbol, QString::fromStdString(titel), QString::fromStdString(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

TAntwort TQtMeldungen::Frage(const std::string& titel, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(titel), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* speichern = box.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
    QPushButton* verwerfen = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton* abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(speichern);
    box.setEscapeButton(abbrechen);
    box.exec();
    if (box.clickedButton() == speichern)
        return TAntwort::Speichern;
    if (box.clickedButton() == verwerfen)
        return TAntwort::Verwerfen;
    return TAntwort::Abbrechen;
}
