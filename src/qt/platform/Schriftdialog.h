// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Schriftdialog.h"

#include <QColor>
#include <QFont>

class QWidget;

// The font dialog of the main window: Qt's font dialog (existing fonts, with the effects
// underline and strikeout) and beside it the text colour, chosen in Qt's colour dialog.
class TQtSchriftdialog final : public TSchriftdialog {
public:
    explicit TQtSchriftdialog(QWidget* eltern = nullptr) : Eltern(eltern) {}

    bool Ausfuehren(TSchrift& schrift) override;

    // The font record as the dialog shows it, and back: what the dialog chose, on the record
    // that was shown (the character set stays; the colour stays a system colour unless
    // another was chosen).
    static QFont AlsFont(const TSchrift& schrift);
    static QColor AlsFarbe(const TSchrift& schrift);
    static TSchrift AusDialog(const QFont& font, const QColor& farbe, const TSchrift& vorher);

private:
    QWidget* Eltern;
};
