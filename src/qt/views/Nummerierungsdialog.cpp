// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Nummerierungsdialog.h"

#include "app/UNummerierung.h"
#include "qt/views/Ansicht.h"
#include "qt/binding/Bindung.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

TNummerierungsdialog::TNummerierungsdialog(TFNummerierung& dialog, TFehlerbehandlung& fehler, QWidget* eltern)
    : TDialog(dialog, dialog.Sichtbar, TArt::Modal, fehler, eltern)
{
    TBindung& b = Bindung();
    Gruppe(b, "GBZaehlweise", Spalte(b, {"RB123", "RBabc"}));
    b.Widget("EZeichennachderNummer")->setFixedWidth(60);
    Gruppe(b, "GBZeichen", Zeile(b, {"EZeichennachderNummer", TDehnung{}}));
    // The preview large enough to read the characters after the numbers.
    auto* vorschau = b.Als<QLabel>("LVorschau1");
    QFont gross = vorschau->font();
    gross.setPointSize(12);
    gross.setBold(true);
    vorschau->setFont(gross);
    Gruppe(b, "GBVorschau", Zeile(b, {"LVorschau1", TDehnung{}}));
    b.Als<QPushButton>("BOK")->setDefault(true);
    b.Widget("BOK")->setMinimumWidth(80);

    auto* ganz = Spalte(b, {"GBZaehlweise", "GBZeichen", "GBVorschau", TAbstand{6}, Zeile(b, {TDehnung{}, "BOK"})});
    ganz->setSpacing(8);
    ganz->setContentsMargins(12, 12, 12, 12);
    setLayout(ganz);
    setMinimumWidth(260);
    setFixedHeight(sizeHint().height());
}
