#pragma once

#include "toolkit/Formular.h"

#include <QDialog>

#include <memory>

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

    // Shows the dialog the model has opened: a modal one runs until the model closes it, a
    // modeless one comes to the front. Nothing while the model holds it closed.
    void Zeigen();

protected:
    void reject() override;

private:
    void SichtbarGeaendert(bool sichtbar);

    TSichtbarkeit& Sichtbar;
    TArt Art;
    std::unique_ptr<TBindung> BindungFeld;
};
