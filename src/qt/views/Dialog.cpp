// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Dialog.h"

#include "qt/binding/Bindung.h"
#include "toolkit/Formular.h"

#include <utility>

TDialog::TDialog(TFormular& formular, TSichtbarkeit& sichtbar, TArt art, TFehlerbehandlung& fehler, QWidget* eltern)
    : QDialog(eltern), Formular(formular), Sichtbar(sichtbar), Art(art),
      BindungFeld(std::make_unique<TBindung>(formular, fehler))
{
    TitelFolgen(*this, formular);
    // A small window has no help button, and closing it never ends the program.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    Sichtbar.Geaendert = [this](bool offen) { SichtbarGeaendert(offen); };
}

TDialog::~TDialog()
{
    Sichtbar.Geaendert = nullptr;
}

void TDialog::Zeigen()
{
    if (!Sichtbar)
        return;
    Vorbereiten();
    if (Art == TArt::Modal) {
        exec();
        return;
    }
    show();
    raise();
    activateWindow();
}

void TDialog::SichtbarGeaendert(bool sichtbar)
{
    if (!sichtbar)
        done(QDialog::Accepted);
    else if (Art == TArt::Nichtmodal)
        show();
}

void TDialog::reject()
{
    // The model closes the window; should it hold it closed already, the window just goes.
    Sichtbar = false;
    if (isVisible())
        QDialog::reject();
}

void TAnsichten::Eintragen(const TFormular& fenster, std::function<void()> zeigen)
{
    Liste.emplace_back(&fenster, std::move(zeigen));
}

void TAnsichten::Eintragen(TDialog& dialog)
{
    Eintragen(dialog.Modell(), [&dialog] { dialog.Zeigen(); });
}

void TAnsichten::Zeigen(TFormular& fenster)
{
    for (const auto& [modell, zeigen] : Liste) {
        if (modell == &fenster) {
            zeigen();
            return;
        }
    }
}
