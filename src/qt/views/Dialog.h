// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Formular.h"
#include "toolkit/Oberflaeche.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class TBindung;
class TFehlerbehandlung;

// A small window of the main window on its model: the widgets bound to the model's controls,
// the model's caption as its title, and on screen exactly while the model holds it open
// (Sichtbar). Whatever closes it in the model (a button, a tick) closes it on screen; the
// window's close button and Escape close it in the model.
class TDialog : public QDialog {
public:
    enum class TArt { Modal, Nichtmodal };

    TDialog(TFormular& formular, TSichtbarkeit& sichtbar, TArt art, TFehlerbehandlung& fehler,
            QWidget* eltern = nullptr);
    ~TDialog() override;
    TDialog(const TDialog&) = delete;
    TDialog& operator=(const TDialog&) = delete;

    TBindung& Bindung() const { return *BindungFeld; }
    const TFormular& Modell() const { return Formular; }

    // Shows the dialog the model has opened: a modal one runs until the model closes it, a
    // modeless one comes to the front. Nothing while the model holds it closed.
    void Zeigen();

protected:
    void reject() override;
    // What a dialog does each time before it comes on screen; nothing by default.
    virtual void Vorbereiten() {}

private:
    void SichtbarGeaendert(bool sichtbar);

    TFormular& Formular;
    TSichtbarkeit& Sichtbar;
    TArt Art;
    std::unique_ptr<TBindung> BindungFeld;
};

// How the windows of the desktop program come on screen (see TFensteranzeige): through the
// view entered for the window's model. A window without a view does not show.
class TAnsichten final : public TFensteranzeige {
public:
    // zeigen shows fenster's view; the view must stay as long as the models may open it.
    void Eintragen(const TFormular& fenster, std::function<void()> zeigen);
    void Eintragen(TDialog& dialog);
    void Zeigen(TFormular& fenster) override;

private:
    std::vector<std::pair<const TFormular*, std::function<void()>>> Liste;
};
