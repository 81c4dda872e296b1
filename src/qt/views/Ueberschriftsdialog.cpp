// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Ueberschriftsdialog.h"

#include "app/UUeberschrift.h"
#include "qt/views/Ansicht.h"
#include "qt/binding/Bindung.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

TUeberschriftsdialog::TUeberschriftsdialog(TFUeberschrift& dialog, TFehlerbehandlung& fehler, QWidget* eltern)
    : TDialog(dialog, dialog.Sichtbar, TArt::Nichtmodal, fehler, eltern)
{
    TBindung& b = Bindung();
    for (const char* name : {"MUeberschrift", "MArbeitsanweisung"}) {
        auto* memo = b.Als<QPlainTextEdit>(name);
        // Tab moves on to the next control; a heading has no use for tab characters.
        memo->setTabChangesFocus(true);
        // Room for a few lines; the window grows with the user's wish, not with Qt's default.
        memo->setMinimumHeight(5 * memo->fontMetrics().lineSpacing() + 12);
        memo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    // Enter in a memo begins a new line; elsewhere it is "OK".
    b.Als<QPushButton>("BOK")->setDefault(true);
    b.Widget("BOK")->setMinimumWidth(80);

    auto* ganz = Spalte(b,
                        {Zeile(b, {"CBNamenszeile", TAbstand{12}, "CBKlasse", TDehnung{}}), TAbstand{8},
                         Zeile(b, {"LUeberschrift", TDehnung{}, "BSchrift"}), "MUeberschrift", TAbstand{8},
                         Zeile(b, {"LArbeitsanweisung", TDehnung{}, "BAaSchrift"}), "MArbeitsanweisung", TAbstand{8},
                         Zeile(b, {TDehnung{}, "BOK"})});
    ganz->setSpacing(4);
    ganz->setContentsMargins(12, 12, 12, 12);
    setLayout(ganz);
    resize(440, minimumSizeHint().height());
    // Typing goes into the heading at once; Tab runs from each memo to its font button.
    setTabOrder(b.Widget("MUeberschrift"), b.Widget("BSchrift"));
    setTabOrder(b.Widget("BSchrift"), b.Widget("MArbeitsanweisung"));
    setTabOrder(b.Widget("MArbeitsanweisung"), b.Widget("BAaSchrift"));
    setTabOrder(b.Widget("BAaSchrift"), b.Widget("CBNamenszeile"));
    setTabOrder(b.Widget("CBNamenszeile"), b.Widget("CBKlasse"));
    setTabOrder(b.Widget("CBKlasse"), b.Widget("BOK"));
    b.Widget("MUeberschrift")->setFocus();
}
