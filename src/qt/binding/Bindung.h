// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Formular.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TFehlerbehandlung;

// Binds the controls of one window model to Qt widgets, both ways.
//
// A user's action goes into the model control through the calls the command line uses as
// well: a click on a check box, radio button or button, a text typed into a field (each
// change) with its keys, Enter and leaving the field, an arrow of an up-down, an item of a
// radio group or a list, a scroll position, a tab page. Each runs inside the error handler.
// Every change of a control's state reaches its widget through the control's observer and is
// shown with the widget's signals blocked, so a widget only ever shows the model.
//
// Widget kinds: label QLabel, button QPushButton, check box QCheckBox, radio button
// QRadioButton, radio group and group box QGroupBox, edit QLineEdit, memo QPlainTextEdit,
// up-down TPfeilpaar, combo box QComboBox (editable, unless the view binds one that is not),
// scroll bar QScrollBar, tab page QWidget, tab control QTabWidget, paint box TMalflaeche. A
// control whose model sets its width stands where the model says (the height, when the model
// gives none, is the widget's own); the view lays the others out.
class TBindung final : public QObject {
public:
    TBindung(TFormular& formular, TFehlerbehandlung& fehler);
    ~TBindung() override;
    TBindung(const TBindung&) = delete;
    TBindung& operator=(const TBindung&) = delete;

    TFormular& Formular() const { return FormularFeld; }

    // The widget of the named control, made and bound at the first call; it has no parent
    // until the view places it. An unknown name is a fault of the view (std::invalid_argument).
    QWidget* Widget(std::string_view name);
    QWidget* Widget(TControl& control);
    // The same as the widget class of the control's kind (QCheckBox for a check box, ...);
    // none when the control is of another kind.
    template <class W>
    W* Als(std::string_view name)
    {
        return dynamic_cast<W*>(Widget(name));
    }
    // Binds a widget the view made itself, of the widget class of the control's kind or
    // derived from it (a label that draws its caption its own way, say).
    QWidget* Binden(TControl& control, QWidget* widget);

    // Makes the widgets of the controls in container whose model sets their size, as
    // children of parent at the model's positions. Returns the lower right corner of the area
    // they take, so that a layout can keep it free.
    QPoint Platzieren(const TContainer& container, QWidget& parent);

    // The control a widget shows, or none.
    TControl* Control(const QWidget* widget) const;
    // The controls of the window that have no widget, by name: a view must show them all.
    std::vector<std::string> Ungebunden() const;

    // Shows the control's state in its widget (the observer does it on every change).
    void Spiegeln(const TControl& control);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* Erzeugen(TControl& control);
    void Verbinden(TControl& control, QWidget& widget);
    void GruppeAufbauen(TRadioGroup& gruppe, QWidget& widget);
    void Ausfuehren(const std::function<void()>& befehl);

    TFormular& FormularFeld;
    TFehlerbehandlung& Fehler;
    std::unordered_map<const TControl*, QPointer<QWidget>> Widgets;
    std::unordered_map<const QObject*, TControl*> Controls;
};

// Shows the model's caption as the window's title, now and after every change of it.
void TitelFolgen(QWidget& fenster, TFormular& formular);
