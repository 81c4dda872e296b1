// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Vorschaufenster.h"

#include "app/UVorschau.h"
#include "qt/binding/Bindung.h"
#include "qt/binding/Fehlerbehandlung.h"
#include "qt/views/Ansicht.h"

#include <QBoxLayout>
#include <QColor>
#include <QComboBox>
#include <QKeyEvent>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>

#include <functional>

namespace {

// The scrolling area of the page, which tells the model the room it has whenever that
// changes, so that "Ganze Seite" and "Seitenbreite" fit the page into it.
class TSeitenbereich final : public QScrollArea {
public:
    std::function<void(QSize)> Groesse;

protected:
    void resizeEvent(QResizeEvent* ereignis) override
    {
        QScrollArea::resizeEvent(ereignis);
        if (Groesse)
            Groesse(maximumViewportSize());
    }
};

} // namespace

TVorschaufenster::TVorschaufenster(TFVorschau& vorschau, TFehlerbehandlung& fehler, QWidget* eltern)
    : TDialog(vorschau, vorschau.Sichtbar, TArt::Modal, fehler, eltern), Vorschau(vorschau), Fehler(fehler)
{
    TBindung& b = Bindung();
    // The zoom is chosen from the list only.
    b.Binden(*vorschau.ZoomBox, new QComboBox);
    for (const char* name : {"BErste", "BZurueck", "BWeiter", "BLetzte"})
        b.Widget(name)->setFixedWidth(36);
    b.Widget("LSeite")->setMinimumWidth(130);

    auto* bereich = new TSeitenbereich;
    bereich->setWidget(b.Widget("PaintBox"));
    bereich->setAlignment(Qt::AlignCenter);
    // The page keys turn the pages; the wheel and the bars scroll.
    bereich->setFocusPolicy(Qt::NoFocus);
    // Around the page the grey of its border, however large the window.
    QPalette grau = bereich->palette();
    grau.setColor(QPalette::Window, QColor(128, 128, 128));
    bereich->setPalette(grau);
    bereich->Groesse = [this](QSize groesse) {
        Fehler.Ausfuehren([&] { Vorschau.Bereich(groesse.width(), groesse.height()); });
    };
    Bereich = bereich;
    Vorschau.Flaeche.Geaendert = [this](const TFVorschau::TFlaeche& flaeche) {
        if (QWidget* seite = Bereich->widget())
            seite->setFixedSize(flaeche.Breite, flaeche.Hoehe);
    };
    const TFVorschau::TFlaeche flaeche = Vorschau.Flaeche;
    b.Widget("PaintBox")->setFixedSize(flaeche.Breite, flaeche.Hoehe);

    auto* spalte = Spalte(b,
                          {Zeile(b,
                                 {"BErste", "BZurueck", "LSeite", "BWeiter", "BLetzte", TAbstand{24}, "LZoom",
                                  "ZoomBox", TDehnung{}, "BDrucken", "BSchliessen"}),
                           bereich});
    spalte->setContentsMargins(8, 8, 8, 8);
    spalte->setStretch(1, 1);
    setLayout(spalte);
    auto* drucken = b.Als<QPushButton>("BDrucken");
    drucken->setMinimumWidth(88);
    b.Widget("BSchliessen")->setMinimumWidth(88);
    drucken->setDefault(true);
    resize(ImSchirm(*this, QSize(720, 900)));
}

TVorschaufenster::~TVorschaufenster()
{
    Vorschau.Flaeche.Geaendert = nullptr;
}

void TVorschaufenster::Vorbereiten()
{
    resize(ImSchirm(*this, size()));
    if (parentWidget() != nullptr && !isVisible())
        move(parentWidget()->geometry().center() - rect().center());
    Fehler.Ausfuehren([this] {
        const QSize raum = Bereich->maximumViewportSize();
        Vorschau.Bereich(raum.width(), raum.height());
    });
}

void TVorschaufenster::keyPressEvent(QKeyEvent* ereignis)
{
    TButton* knopf = nullptr;
    switch (ereignis->key()) {
    case Qt::Key_PageUp:
        knopf = Vorschau.BZurueck;
        break;
    case Qt::Key_PageDown:
        knopf = Vorschau.BWeiter;
        break;
    case Qt::Key_Home:
        knopf = Vorschau.BErste;
        break;
    case Qt::Key_End:
        knopf = Vorschau.BLetzte;
        break;
    default:
        TDialog::keyPressEvent(ereignis);
        return;
    }
    if (knopf->Enabled())
        Fehler.Ausfuehren([knopf] { knopf->Click(); });
}

void TVorschaufenster::reject()
{
    if (Vorschau.Sichtbar)
        Fehler.Ausfuehren([this] { Vorschau.BSchliessen->Click(); });
    else
        TDialog::reject();
}
