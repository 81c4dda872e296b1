// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QTabWidget;
class QWidget;
class TBindung;
class TFehlerbehandlung;
class TMalflaeche;
class TZeichnen;

// The main window on screen: the tab control with the ten pages of layout options, the row
// of buttons with the zoom box, the worksheet page in its paint box with the scroll bars, and
// the menus "Datei", "Bearbeiten", "Aufgabe" and "Info". Every widget is bound to the control
// of the main window model of the same name; where the sheet, the paint box and the scroll
// bars stand the model decides on every resize. The keys Ctrl+O, S, P, C and N reach the
// window before its controls, with any other modifier held as well.
class THauptfenster final : public QMainWindow {
public:
    THauptfenster(TZeichnen& zeichnen, TFehlerbehandlung& fehler);
    ~THauptfenster() override;

    TBindung& Bindung() const { return *BindungFeld; }
    TMalflaeche& Malflaeche() const { return *MalflaecheFeld; }
    // The menu command of that text (without the key shown beside it), or none.
    QAction* Befehl(const QString& text) const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    class TFlaeche;

    void SeitenAufbauen();
    void MenueAufbauen();
    QAction* Menuepunkt(QMenu& menue, const QString& text, const QString& taste, const std::function<void()>& befehl);
    // Arranges the tab control and the button row, tells the model where the button row ends
    // and lets it place the sheet.
    void Anordnen();

    TZeichnen& Zeichnen;
    TFehlerbehandlung& Fehler;
    std::unique_ptr<TBindung> BindungFeld;
    TFlaeche* Flaeche = nullptr;
    QTabWidget* Reiter = nullptr;
    QWidget* Knopfzeile = nullptr;
    QLabel* Platzhinweis = nullptr; // in the status bar, which shows while the note does
    TMalflaeche* MalflaecheFeld = nullptr;
    // The commands of the keys, by key (Qt::Key_O ...).
    std::vector<std::pair<int, QAction*>> Tasten;
};
