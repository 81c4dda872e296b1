// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Infofenster.h"

#include "app/UInfo.h"
#include "qt/views/Ansicht.h"
#include "qt/binding/Bindung.h"

#include <QApplication>
#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TInfofenster::TInfofenster(TFInfo& info, TFehlerbehandlung& fehler, QWidget* eltern)
    : TDialog(info, info.Sichtbar, TArt::Modal, fehler, eltern)
{
    TBindung& b = Bindung();
    auto* name = b.Als<QLabel>("LProgramm");
    QFont gross = name->font();
    gross.setPointSize(18);
    gross.setBold(true);
    name->setFont(gross);
    auto* symbol = new QLabel;
    symbol->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    auto* text = b.Als<QPlainTextEdit>("MText");
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    text->viewport()->setAutoFillBackground(false);
    text->setMinimumHeight(8 * text->fontMetrics().lineSpacing());
    b.Als<QPushButton>("BOK")->setDefault(true);
    b.Widget("BOK")->setMinimumWidth(80);

    auto* kopf =
        Zeile(b, {symbol, TAbstand{8}, Spalte(b, {TDehnung{}, "LProgramm", "LVersion", TDehnung{}}), TDehnung{}});
    auto* ganz = Spalte(b, {kopf, TAbstand{8}, "MText", Zeile(b, {TDehnung{}, "BOK"})});
    ganz->setSpacing(6);
    ganz->setContentsMargins(16, 16, 16, 12);
    setLayout(ganz);
    resize(420, sizeHint().height());
}
