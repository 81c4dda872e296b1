// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Fensterort.h"

#include "toolkit/Ablage.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>

namespace {

const QString Maximiert = QStringLiteral("maximiert");

// The screen that shows most of ort; the primary screen when none shows any of it.
const QScreen* SchirmFuer(const QRect& ort)
{
    const QScreen* bester = QGuiApplication::primaryScreen();
    long long groesste = 0;
    for (const QScreen* schirm : QGuiApplication::screens()) {
        const QRect teil = schirm->availableGeometry().intersected(ort);
        const long long flaeche = static_cast<long long>(teil.width()) * teil.height();
        if (flaeche > groesste) {
            groesste = flaeche;
            bester = schirm;
        }
    }
    return bester;
}

QRect AufSchirm(const QRect& ort, const QWidget& fenster)
{
    const QScreen* schirm = SchirmFuer(ort);
    if (schirm == nullptr)
        return ort;
    const QRect frei = schirm->availableGeometry();
    // Room for the window manager's frame and title bar, as a new window leaves it.
    const QSize groesse = ort.size().boundedTo(frei.size() - QSize(16, 48)).expandedTo(fenster.minimumSize());
    const int x = std::max(frei.left(), std::min(ort.x(), frei.left() + frei.width() - groesse.width()));
    const int y = std::max(frei.top(), std::min(ort.y(), frei.top() + frei.height() - groesse.height()));
    return {QPoint(x, y), groesse};
}

} // namespace

bool FensterortHerstellen(QWidget& fenster, const TAblage& ablage, const std::string& schluessel)
{
    const std::optional<std::string> text = ablage.Text(schluessel);
    if (!text)
        return false;
    const QStringList teile = QString::fromStdString(*text).split(QLatin1Char(','));
    if (teile.size() != 4 && !(teile.size() == 5 && teile[4] == Maximiert))
        return false;
    // QString::toInt reads digits whatever the locale says.
    std::array<int, 4> zahlen{};
    for (int i = 0; i < 4; ++i) {
        bool gelesen = false;
        zahlen[static_cast<std::size_t>(i)] = teile[i].toInt(&gelesen);
        if (!gelesen)
            return false;
    }
    if (zahlen[2] <= 0 || zahlen[3] <= 0)
        return false;
    fenster.setGeometry(AufSchirm(QRect(zahlen[0], zahlen[1], zahlen[2], zahlen[3]), fenster));
    if (teile.size() == 5)
        fenster.setWindowState(fenster.windowState() | Qt::WindowMaximized);
    return true;
}

void FensterortMerken(const QWidget& fenster, TAblage& ablage, const std::string& schluessel)
{
    const QRect ort = fenster.normalGeometry();
    QString text = QStringLiteral("%1,%2,%3,%4").arg(ort.x()).arg(ort.y()).arg(ort.width()).arg(ort.height());
    if (fenster.isMaximized())
        text += QLatin1Char(',') + Maximiert;
    ablage.SetzeText(schluessel, text.toStdString());
}
