#pragma once

#include <QDialog>

#include <memory>

class QProgressDialog;
class TBindung;
class TDruckfortschritt;
class TFDrucken;
class TFehlerbehandlung;

// The print dialog "Drucken" on screen: the note at the top, the sentence with the numbers of
// different worksheets and of copies with their arrows, the two options, the printer in use
// with "Druckereinstellungen...", and "OK" and "Abbruch". Every widget is bound to the control
// of the print dialog model of the same name. While a run prints, a progress window with
// "Abbruch" shows how far it is, once the run takes longer than a moment.
class TDruckdialog final : public QDialog {
public:
    TDruckdialog(TFDrucken& drucken, TFehlerbehandlung& fehler, QWidget* eltern = nullptr);
    ~TDruckdialog() override;

    // Shows the dialog modally until the model closes it ("OK" or "Abbruch").
    void Zeigen();

    TBindung& Bindung() const { return *BindungFeld; }
    // What the print runs of this dialog report their progress to.
    TDruckfortschritt& Fortschritt() const;
    // The progress window of the run going on, or none.
    QProgressDialog* Fortschrittsfenster() const;

protected:
    // Escape and the window's close button act as "Abbruch".
    void reject() override;

private:
    class TFortschritt;

    // Closes the dialog once its model has closed (after a click on "OK" or "Abbruch").
    void ModellGeschlossen(int ergebnis);

    TFDrucken& Drucken;
    TFehlerbehandlung& Fehler;
    std::unique_ptr<TBindung> BindungFeld;
    std::unique_ptr<TFortschritt> FortschrittFeld;
};
