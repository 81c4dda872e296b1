// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Aufgabendialog.h"

#include "app/UAufgbearbeiten.h"
#include "qt/views/Ansicht.h"
#include "qt/binding/Bindung.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The model keeps the three placeholder buttons in a group of their own so that they exclude
// each other; on screen they stand under the operands, and the group shows no frame. It holds
// the whole row of operands, so that each button lines up with its field.
class TUnsichtbareGruppe final : public QGroupBox {
protected:
    void paintEvent(QPaintEvent*) override {}
};

} // namespace

TAufgabendialog::TAufgabendialog(TFEditAufgabe& dialog, TFehlerbehandlung& fehler, QWidget* eltern)
    : TDialog(dialog, dialog.Sichtbar, TArt::Modal, fehler, eltern)
{
    TBindung& b = Bindung();
    auto* gruppe = new TUnsichtbareGruppe;
    b.Binden(*dialog.Finde("GBPlatzhalter"), gruppe);
    auto* zeichen = new QComboBox;
    b.Binden(*dialog.ComboBox1, zeichen);

    for (const char* name : {"EOp1", "EOp2", "EErg"})
        b.Als<QLineEdit>(name)->setAlignment(Qt::AlignRight);
    b.Widget("EOp1")->setFixedWidth(90);
    b.Widget("EOp2")->setFixedWidth(90);
    b.Widget("EErg")->setFixedWidth(150);
    b.Widget("EErg")->setFocusPolicy(Qt::ClickFocus);
    zeichen->setFixedWidth(52);
    // The caption of the first button stands on its left.
    b.Widget("RBPlatzhalterOp1")->setLayoutDirection(Qt::RightToLeft);

    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(6);
    raster->setVerticalSpacing(8);
    raster->addWidget(b.Widget("EOp1"), 0, 0);
    raster->addWidget(zeichen, 0, 1);
    raster->addWidget(b.Widget("EOp2"), 0, 2);
    raster->addWidget(b.Widget("LGleich"), 0, 3, Qt::AlignCenter);
    raster->addWidget(b.Widget("EErg"), 0, 4);
    raster->addWidget(b.Widget("RBPlatzhalterOp1"), 1, 0, Qt::AlignRight);
    raster->addWidget(b.Widget("RBPlatzhalterOp2"), 1, 2, Qt::AlignRight);
    raster->addWidget(b.Widget("RBPlatzhalterErg"), 1, 4, Qt::AlignRight);
    raster->setColumnStretch(5, 1);
    Gruppe(b, "GBPlatzhalter", raster)->layout()->setContentsMargins(0, 0, 0, 0);

    auto* uebernehmen = b.Als<QPushButton>("BUebernehmen");
    uebernehmen->setDefault(true);
    auto* ganz = Spalte(
        b,
        {"GBPlatzhalter", TAbstand{10}, Zeile(b, {"Button1", TDehnung{}, TAbstand{24}, "BAbbrechen", "BUebernehmen"})});
    ganz->setContentsMargins(12, 12, 12, 12);
    setLayout(ganz);
    setFixedSize(sizeHint());
}

void TAufgabendialog::showEvent(QShowEvent* ereignis)
{
    TDialog::showEvent(ereignis);
    // Typing replaces the first operand at once.
    auto* erster = Bindung().Als<QLineEdit>("EOp1");
    erster->setFocus(Qt::TabFocusReason);
    erster->selectAll();
}
