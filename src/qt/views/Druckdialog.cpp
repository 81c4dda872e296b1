// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Druckdialog.h"

#include "app/UDrucken.h"
#include "qt/views/Ansicht.h"
#include "qt/binding/Bindung.h"
#include "qt/binding/Fehlerbehandlung.h"
#include "toolkit/Druckfortschritt.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCursor>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

// The progress window of a run: it comes up only when the run takes longer than a moment,
// keeps the windows drawn while the run goes on, and its "Abbruch" stops the run before the
// next page.
class TDruckdialog::TFortschritt final : public TDruckfortschritt {
public:
    // titel is the window's, muster its text with the page (%1) and the pages (%2).
    TFortschritt(QWidget& eltern, QString titel, QString muster)
        : Eltern(eltern), Titel(std::move(titel)), Muster(std::move(muster))
    {
    }
    ~TFortschritt() override { Ende(); }
    TFortschritt(const TFortschritt&) = delete;
    TFortschritt& operator=(const TFortschritt&) = delete;

    void Anfang(std::int64_t seiten) override
    {
        Ende();
        Seiten = seiten;
        Fenster = std::make_unique<QProgressDialog>(&Eltern);
        Fenster->setWindowTitle(Titel);
        Fenster->setCancelButtonText(QStringLiteral("Abbruch"));
        Fenster->setWindowModality(Qt::ApplicationModal);
        Fenster->setAutoClose(false);
        Fenster->setAutoReset(false);
        Fenster->setMinimumDuration(Verzoegerung);
        Fenster->setRange(0, Balkenwert(seiten));
        Fenster->setLabelText(Text(0));
        Fenster->setValue(0);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Cursor = true;
    }

    bool Weiter(std::int64_t gedruckt) override
    {
        if (Fenster == nullptr)
            return true;
        Fenster->setLabelText(Text(gedruckt));
        // Once the window shows, this also lets the windows draw and the user press "Abbruch".
        Fenster->setValue(Balkenwert(gedruckt));
        return !Fenster->wasCanceled();
    }

    void Ende() noexcept override
    {
        Fenster.reset();
        if (Cursor) {
            QApplication::restoreOverrideCursor();
            Cursor = false;
        }
    }

    QProgressDialog* Fensterzeiger() const { return Fenster.get(); }

private:
    // A run of a few pages is over before a window would be worth showing.
    static constexpr int Verzoegerung = 500; // ms

    static int Balkenwert(std::int64_t wert) { return static_cast<int>(std::clamp<std::int64_t>(wert, 0, INT_MAX)); }

    QString Text(std::int64_t gedruckt) const
    {
        return Muster.arg(std::min(gedruckt + 1, Seiten)).arg(Seiten);
    }

    QWidget& Eltern;
    const QString Titel;
    const QString Muster;
    std::unique_ptr<QProgressDialog> Fenster;
    std::int64_t Seiten = 0;
    bool Cursor = false;
};

TDruckdialog::TDruckdialog(TFDrucken& drucken, TFehlerbehandlung& fehler, QWidget* eltern)
    : TDialog(drucken, drucken.Sichtbar, TArt::Modal, fehler, eltern), Drucken(drucken), Fehler(fehler),
      FortschrittFeld(std::make_unique<TFortschritt>(*this, QStringLiteral("Drucken"),
                                                     QStringLiteral("Seite %1 von %2 wird gedruckt ..."))),
      VorbereitungFeld(std::make_unique<TFortschritt>(*this, QStringLiteral("Vorschau"),
                                                      QStringLiteral("Seite %1 von %2 wird vorbereitet ...")))
{
    TBindung& b = Bindung();

    // The note is there to be read, not edited.
    auto* hinweis = b.Als<QPlainTextEdit>("MHinweis");
    hinweis->setReadOnly(true);
    hinweis->setFocusPolicy(Qt::NoFocus);
    b.Als<QLabel>("LDrucker")->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* spalte =
        Spalte(b,
               {"MHinweis", TAbstand{8},
                Zeile(b,
                      {"LEsSollen", FeldMitPfeilen(b, "EVerschBlaetter", "UDVerschBlaetter", 56), "LVerschBlaetter",
                       TDehnung{}}),
                Zeile(b, {"LJe", FeldMitPfeilen(b, "EExemplare", "UDExemplare", 56), "LExemplare", TDehnung{}}),
                TAbstand{8}, "CBNummerieren", "CBLoesungsblaetter",
                Zeile(b, {TAbstand{20}, Spalte(b, {"CBLoesungenKennzeichnen", "CBLoesungenAmEnde"}), TDehnung{}}),
                TAbstand{12},
                Zeile(b, {"LDrucker", TDehnung{}, "BDruckereinstellungen"}), TAbstand{12},
                Zeile(b, {"BVorschau", TDehnung{}, "BOK", "BAbbruch"})});
    spalte->setContentsMargins(10, 10, 10, 10);
    spalte->setStretch(0, 1);
    setLayout(spalte);

    auto* ok = b.Als<QPushButton>("BOK");
    auto* abbruch = b.Als<QPushButton>("BAbbruch");
    ok->setDefault(true);
    for (QPushButton* knopf :
         {ok, abbruch, b.Als<QPushButton>("BDruckereinstellungen"), b.Als<QPushButton>("BVorschau")})
        knopf->setMinimumWidth(88);

    drucken.SetzeFortschritt(FortschrittFeld.get());
    drucken.SetzeVorbereitung(VorbereitungFeld.get());
    // The size of the designed window.
    resize(486, 506);
}

TDruckdialog::~TDruckdialog()
{
    Drucken.SetzeFortschritt(nullptr);
    Drucken.SetzeVorbereitung(nullptr);
}

TDruckfortschritt& TDruckdialog::Fortschritt() const
{
    return *FortschrittFeld;
}

QProgressDialog* TDruckdialog::Fortschrittsfenster() const
{
    return FortschrittFeld->Fensterzeiger();
}

void TDruckdialog::Vorbereiten()
{
    if (parentWidget() != nullptr && !isVisible())
        move(parentWidget()->geometry().center() - rect().center());
    Bindung().Widget("EVerschBlaetter")->setFocus();
}

void TDruckdialog::reject()
{
    // "Abbruch" keeps the printer chosen meanwhile, so Escape does what it does; should the
    // model hold the dialog closed already, the window just goes.
    if (Drucken.Sichtbar)
        Fehler.Ausfuehren([this] { Drucken.BAbbruch->Click(); });
    else
        TDialog::reject();
}
