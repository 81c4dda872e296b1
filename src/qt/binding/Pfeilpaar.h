// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

// An up-down: the pair of arrow buttons beside a number field. It keeps the range and the
// position it is shown, but moves nothing itself: an arrow click (repeated while held) is
// handed to Pfeil, and the window model decides what follows.
class TPfeilpaar final : public QWidget {
public:
    explicit TPfeilpaar(QWidget* parent = nullptr);

    // Called with true for the upper arrow, false for the lower one.
    std::function<void(bool hoch)> Pfeil;

    void SetzeBereich(int minimum, int maximum);
    void SetzePosition(int position);
    int Minimum() const { return MinimumFeld; }
    int Maximum() const { return MaximumFeld; }
    int Position() const { return PositionFeld; }

    QToolButton* Hoch() const { return HochKnopf; }
    QToolButton* Runter() const { return RunterKnopf; }

    QSize sizeHint() const override;

private:
    QToolButton* HochKnopf;
    QToolButton* RunterKnopf;
    int MinimumFeld = 0;
    int MaximumFeld = 100;
    int PositionFeld = 0;
};
