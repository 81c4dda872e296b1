// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Building blocks of the window views: rows, columns and group boxes made of the model's
// controls by name. They decide only where the bound widgets stand.

#include <QPoint>
#include <QSize>

#include <initializer_list>
#include <string>
#include <variant>

class QBoxLayout;
class QGroupBox;
class QLayout;
class QWidget;
class TBindung;

// Free space that takes what a row or column has left over.
struct TDehnung {};
// A fixed gap in pixels.
struct TAbstand {
    int Pixel;
};

// One part of a row or column: a control by name, a widget, a nested layout, a stretch or a
// gap.
class TTeil {
public:
    TTeil(const char* name) : Inhalt(std::string(name)) {}
    TTeil(QWidget* widget) : Inhalt(widget) {}
    TTeil(QLayout* layout) : Inhalt(layout) {}
    TTeil(TDehnung dehnung) : Inhalt(dehnung) {}
    TTeil(TAbstand abstand) : Inhalt(abstand) {}

    void Anfuegen(TBindung& bindung, QBoxLayout& layout) const;

private:
    std::variant<std::string, QWidget*, QLayout*, TDehnung, TAbstand> Inhalt;
};

QBoxLayout* Zeile(TBindung& bindung, std::initializer_list<TTeil> teile);
QBoxLayout* Spalte(TBindung& bindung, std::initializer_list<TTeil> teile);

// A number field (edit) and its arrows (up-down) side by side, the field breite pixels wide.
QBoxLayout* FeldMitPfeilen(TBindung& bindung, const char* feld, const char* pfeile, int breite);

// The model's group box (or tab page) named name with inhalt laid out inside it.
QWidget* Gruppe(TBindung& bindung, const char* name, QLayout* inhalt);

// A group box some of whose controls the model places: they stand where the model says, and
// the layouts take the room beside them (rechts) and below them (unten); either may be none.
QWidget* GruppeMitPlatzierten(TBindung& bindung, const char* name, QLayout* rechts, QLayout* unten);

// Puts the label named label at the left of the placed control ziel, right-aligned to it with
// a gap of 4 pixels and centred on its height.
void LinksNeben(TBindung& bindung, const char* label, const char* ziel);
// Puts the label named label centred between the placed controls links and rechts.
void Zwischen(TBindung& bindung, const char* label, const char* links, const char* rechts);

// groesse within the available area of the screen the window stands on (the primary screen
// before it is shown), so that a window comes up whole on a small or highly scaled screen.
QSize ImSchirm(const QWidget& fenster, QSize groesse);
