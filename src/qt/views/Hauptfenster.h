// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

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
// the menus "Datei", "Vorlagen", "Bearbeiten", "Aufgabe" and "Info". The title bar names the
// open file and marks a changed worksheet. Every widget is bound to the control
// of the main window model of the same name; where the sheet, the paint box and the scroll
// bars stand the model decides on every resize. The keys Ctrl+O, S, P, Q, C, N, Z and Y reach
// the window before its controls, with any other modifier held as well (Ctrl+Shift+Z redoes).
class THauptfenster final : public QMainWindow {
public:
    THauptfenster(TZeichnen& zeichnen, TFehlerbehandlung& fehler);
    ~THauptfenster() override;

    TBindung& Bindung() const { return *BindungFeld; }
    TMalflaeche& Malflaeche() const { return *MalflaecheFeld; }
    // The menu command of that text (without the key shown beside it), or none.
    QAction* Befehl(const QString& text) const;
    // What the menu item "Hilfe" runs (it shows the manual's start); none: nothing.
    std::function<void()> HilfeZeigen;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    // A changed worksheet is asked about first; a cancelled or failed save keeps the window
    // open. Closed, the program ends.
    void closeEvent(QCloseEvent* ereignis) override;

private:
    class TFlaeche;

    void SeitenAufbauen();
    void MenueAufbauen();
    QAction* Menuepunkt(QMenu& menue, const QString& text, const QString& taste, const std::function<void()>& befehl);
    // "Zuletzt geöffnet": the worksheets of the model's list, numbered, their folder as the
    // tip; disabled while the list is empty.
    void ZuletztAufbauen(QMenu& menue);
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
    // The commands of the keys, by key (Qt::Key_O ...) and, where it tells two commands apart,
    // whether Shift is held (Ctrl+Z undoes, Ctrl+Shift+Z redoes).
    struct TTaste {
        int Code;
        std::optional<bool> Umschalt;
        QAction* Befehl;
    };
    std::vector<TTaste> Tasten;
};
