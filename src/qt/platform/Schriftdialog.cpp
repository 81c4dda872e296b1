// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/Schriftdialog.h"

#include "qt/platform/QtLeinwand.h"

#include <QBoxLayout>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

#include <cmath>

QFont TQtSchriftdialog::AlsFont(const TSchrift& schrift)
{
    return TQtLeinwand::QtSchrift(schrift);
}

QColor TQtSchriftdialog::AlsFarbe(const TSchrift& schrift)
{
    return TQtLeinwand::QtFarbe(schrift.Farbe);
}

TSchrift TQtSchriftdialog::AusDialog(const QFont& font, const QColor& farbe, const TSchrift& vorher)
{
    TSchrift schrift = vorher;
    schrift.Name = font.family().toStdString();
    schrift.Groesse = static_cast<std::int32_t>(std::lround(font.pointSizeF()));
    schrift.Stil = (font.bold() ? TSchrift::Fett : 0) | (font.italic() ? TSchrift::Kursiv : 0)
        | (font.underline() ? TSchrift::Unterstrichen : 0) | (font.strikeOut() ? TSchrift::Durchgestrichen : 0);
    // A system colour draws as it is shown; it stays a system colour unless another was chosen.
    if (farbe != AlsFarbe(vorher))
        schrift.Farbe = farbe.red() | (farbe.green() << 8) | (farbe.blue() << 16);
    return schrift;
}

namespace {

void Farbfeld(QPushButton& knopf, const QColor& farbe)
{
    QPixmap muster(32, 14);
    muster.fill(farbe);
    knopf.setIcon(QIcon(muster));
    knopf.setIconSize(muster.size());
}

// Qt's font dialog finds a font's style by its name, and names it in the language of the
// program ("Fett", "Kursiv"), while the font files name their styles in English; not found,
// the dialog would show the family's first style, and OK would take that. The font shown
// therefore carries the name its family gives the style of its weight and slant.
QFont MitStilname(QFont font)
{
    const QString familie = QFontInfo(font).family();
    for (const QString& stil : QFontDatabase::styles(familie)) {
        if (QFontDatabase::bold(familie, stil) == font.bold()
            && QFontDatabase::italic(familie, stil) == font.italic()) {
            font.setStyleName(stil);
            break;
        }
    }
    return font;
}

} // namespace

bool TQtSchriftdialog::Ausfuehren(TSchrift& schrift)
{
    QDialog dialog(Eltern);
    dialog.setWindowTitle(QStringLiteral("Schriftart"));
    const QFont gezeigt = MitStilname(AlsFont(schrift));
    auto* auswahl = new QFontDialog(gezeigt, &dialog);
    auswahl->setWindowFlags(Qt::Widget);
    auswahl->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    auswahl->setCurrentFont(gezeigt);

    QColor farbe = AlsFarbe(schrift);
    auto* farbknopf = new QPushButton(QStringLiteral("Farbe ..."), &dialog);
    Farbfeld(*farbknopf, farbe);
    QObject::connect(farbknopf, &QPushButton::clicked, &dialog, [&] {
        const QColor neu = QColorDialog::getColor(farbe, &dialog, QStringLiteral("Farbe"));
        if (neu.isValid()) {
            farbe = neu;
            Farbfeld(*farbknopf, farbe);
        }
    });

    auto* knoepfe = new QDialogButtonBox(&dialog);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* spalte = new QVBoxLayout(&dialog);
    spalte->addWidget(auswahl);
    auto* unten = new QHBoxLayout;
    unten->addWidget(new QLabel(QStringLiteral("Farbe:"), &dialog));
    unten->addWidget(farbknopf);
    unten->addStretch(1);
    unten->addWidget(knoepfe);
    spalte->addLayout(unten);

    if (dialog.exec() != QDialog::Accepted)
        return false;
    schrift = AusDialog(auswahl->currentFont(), farbe, schrift);
    return true;
}
