// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Ansicht.h"

#include "qt/binding/Bindung.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

void TTeil::Anfuegen(TBindung& bindung, QBoxLayout& layout) const
{
    if (const auto* name = std::get_if<std::string>(&Inhalt))
        layout.addWidget(bindung.Widget(*name));
    else if (auto* const* widget = std::get_if<QWidget*>(&Inhalt))
        layout.addWidget(*widget);
    else if (auto* const* inneres = std::get_if<QLayout*>(&Inhalt))
        layout.addLayout(*inneres);
    else if (std::holds_alternative<TDehnung>(Inhalt))
        layout.addStretch(1);
    else
        layout.addSpacing(std::get<TAbstand>(Inhalt).Pixel);
}

namespace {

QBoxLayout* Reihe(TBindung& bindung, QBoxLayout::Direction richtung, std::initializer_list<TTeil> teile)
{
    auto* layout = new QBoxLayout(richtung);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(richtung == QBoxLayout::LeftToRight ? 6 : 3);
    for (const TTeil& teil : teile)
        teil.Anfuegen(bindung, *layout);
    return layout;
}

} // namespace

QBoxLayout* Zeile(TBindung& bindung, std::initializer_list<TTeil> teile)
{
    return Reihe(bindung, QBoxLayout::LeftToRight, teile);
}

QBoxLayout* Spalte(TBindung& bindung, std::initializer_list<TTeil> teile)
{
    return Reihe(bindung, QBoxLayout::TopToBottom, teile);
}

QBoxLayout* FeldMitPfeilen(TBindung& bindung, const char* feld, const char* pfeile, int breite)
{
    QWidget* eingabe = bindung.Widget(feld);
    eingabe->setFixedWidth(breite);
    QWidget* pfeilpaar = bindung.Widget(pfeile);
    pfeilpaar->setFixedSize(16, eingabe->sizeHint().height());
    auto* layout = new QBoxLayout(QBoxLayout::LeftToRight);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(eingabe);
    layout->addWidget(pfeilpaar);
    return layout;
}

QWidget* Gruppe(TBindung& bindung, const char* name, QLayout* inhalt)
{
    QWidget* gruppe = bindung.Widget(name);
    gruppe->setLayout(inhalt);
    inhalt->setContentsMargins(8, 4, 8, 6);
    return gruppe;
}

QWidget* GruppeMitPlatzierten(TBindung& bindung, const char* name, QLayout* rechts, QLayout* unten)
{
    QWidget* gruppe = bindung.Widget(name);
    const auto* container = dynamic_cast<const TContainer*>(bindung.Control(gruppe));
    const QPoint ecke = container != nullptr ? bindung.Platzieren(*container, *gruppe) : QPoint();

    auto* raster = new QGridLayout(gruppe);
    raster->setContentsMargins(8, 4, 8, 6);
    raster->setHorizontalSpacing(10);
    raster->setVerticalSpacing(4);
    // The placed controls count from the group box's corner, the layout from inside its frame
    // and title: the free room is what lies between.
    const QRect innen = gruppe->contentsRect();
    const int breite = std::max(0, ecke.x() - (innen.left() + 8));
    const int hoehe = std::max(0, ecke.y() - (innen.top() + 4));
    raster->addItem(new QSpacerItem(breite, hoehe, QSizePolicy::Fixed, QSizePolicy::Fixed), 0, 0);
    if (rechts != nullptr)
        raster->addLayout(rechts, 0, 1, 2, 1, Qt::AlignTop | Qt::AlignLeft);
    if (unten != nullptr)
        raster->addLayout(unten, 1, 0, Qt::AlignTop | Qt::AlignLeft);
    raster->setColumnStretch(2, 1);
    raster->setRowStretch(2, 1);
    return gruppe;
}

void LinksNeben(TBindung& bindung, const char* label, const char* ziel)
{
    QWidget* text = bindung.Widget(label);
    QWidget* rechts = bindung.Widget(ziel);
    text->setParent(rechts->parentWidget());
    const QSize groesse = text->sizeHint();
    const QRect r = rechts->geometry();
    text->setGeometry(r.left() - 4 - groesse.width(), r.top() + (r.height() - groesse.height()) / 2, groesse.width(),
                      groesse.height());
}

void Zwischen(TBindung& bindung, const char* label, const char* links, const char* rechts)
{
    QWidget* text = bindung.Widget(label);
    const QRect l = bindung.Widget(links)->geometry();
    const QRect r = bindung.Widget(rechts)->geometry();
    text->setParent(bindung.Widget(rechts)->parentWidget());
    const QSize groesse = text->sizeHint();
    text->setGeometry((l.right() + 1 + r.left() - groesse.width()) / 2, r.top() + (r.height() - groesse.height()) / 2,
                      groesse.width(), groesse.height());
}

QSize ImSchirm(const QWidget& fenster, QSize groesse)
{
    const QScreen* schirm = fenster.screen() != nullptr ? fenster.screen() : QGuiApplication::primaryScreen();
    if (schirm == nullptr)
        return groesse;
    // Room for the window manager's frame and title bar.
    const QSize frei = schirm->availableGeometry().size() - QSize(16, 48);
    return groesse.boundedTo(frei).expandedTo(fenster.minimumSize());
}
