// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/binding/Pfeilpaar.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* Pfeilknopf(QWidget* eltern, Qt::ArrowType richtung)
{
    auto* knopf = new QToolButton(eltern);
    knopf->setArrowType(richtung);
    knopf->setAutoRepeat(true);
    // The arrows work the field beside them; they take no focus from it.
    knopf->setFocusPolicy(Qt::NoFocus);
    knopf->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    knopf->setIconSize(QSize(7, 7));
    return knopf;
}

} // namespace

TPfeilpaar::TPfeilpaar(QWidget* parent)
    : QWidget(parent), HochKnopf(Pfeilknopf(this, Qt::UpArrow)), RunterKnopf(Pfeilknopf(this, Qt::DownArrow))
{
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(HochKnopf);
    spalte->addWidget(RunterKnopf);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(HochKnopf, &QToolButton::clicked, this, [this] {
        if (Pfeil)
            Pfeil(true);
    });
    connect(RunterKnopf, &QToolButton::clicked, this, [this] {
        if (Pfeil)
            Pfeil(false);
    });
}

void TPfeilpaar::SetzeBereich(int minimum, int maximum)
{
    MinimumFeld = minimum;
    MaximumFeld = maximum;
}

void TPfeilpaar::SetzePosition(int position)
{
    PositionFeld = position;
}

QSize TPfeilpaar::sizeHint() const
{
    return {16, 24};
}
