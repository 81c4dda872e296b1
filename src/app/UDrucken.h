// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print dialog as a model: how many different worksheets, how many copies of each,
// numbered or not, with or without solution sheets, and which printer. OK hands the numbers
// to the main window's print run.

#include "toolkit/Formular.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TDateidialog;
class TDruckauftrag;
class TDrucker;
class TDruckerdialog;
class TDruckfortschritt;
class TFVorschau;
class TZeichnen;
struct TOberflaeche;

class TFDrucken final : public TFormular {
public:
    // The largest number the up-downs' positions can hold; a larger typed number is a range
    // error, a smaller one beyond the range is clamped to it.
    static constexpr int GroesstePosition = 32767;

    explicit TFDrucken(TZeichnen& hauptfenster);

    // The installed printers and the one in use; the main window's sheet takes it at the
    // next SetPrinter. LDrucker names it.
    void SetzeDrucker(std::vector<TDrucker*> drucker, std::size_t gewaehlt = 0);
    void SetzeDruckerdialog(TDruckerdialog* dialog) { Druckerdialog = dialog; }
    // The save dialog for a printer whose job ends in a document (the PDF printer): OK asks
    // for the file before anything is printed and writes the pages into it as they are
    // made. None: the document stays with the printer, for the caller to take.
    void SetzeDateidialog(TDateidialog* dialog) { Dateidialog = dialog; }
    // Where the print run shows its progress; none: nowhere.
    void SetzeFortschritt(TDruckfortschritt* fortschritt) { Fortschritt = fortschritt; }
    // The preview window and how it comes on screen (what oberflaeche holds when it opens);
    // without a preview "Vorschau ..." does nothing. vorbereitung hears how far the making of
    // the preview's pages is and may stop it (none: nowhere).
    void SetzeVorschau(TFVorschau* vorschau, const TOberflaeche* oberflaeche)
    {
        Vorschau = vorschau;
        Oberflaeche = oberflaeche;
    }
    void SetzeVorbereitung(TDruckfortschritt* vorbereitung) { Vorbereitung = vorbereitung; }
    // The printer in use, or none when there is no printer.
    TDrucker* Drucker() const;

    // The main window's print command: the dialog is open until OK or "Abbruch".
    void Zeigen() { Sichtbar = true; }
    TSichtbarkeit Sichtbar;

    // The sheet takes the page size and resolution of the printer in use, and the main
    // window lays its page out anew for it.
    void SetPrinter();
    void BDruckereinstellungenClick();
    // Takes over the printer (a choice made in the printer-setup dialog counts) and closes.
    void BAbbruchClick();
    // Takes both numbers as Enter would, prints, closes. A number above GroesstePosition
    // raises ERangeError before anything is printed; the dialog stays open then. On a
    // document printer with a save dialog the file is asked for first: Cancel prints nothing,
    // a file that cannot be written raises EInOutError naming it before anything is printed,
    // and the document replaces the file only when the run is complete. A run the user
    // stopped writes no file; the dialog stays open then as well.
    void BOKClick();
    // "Vorschau ...": takes the numbers and the printer as OK does, makes the run's pages
    // without printing any and opens the preview on them; the dialog stays open, and the
    // main window shows its sheet again. A run stopped while its pages are made opens
    // nothing.
    void BVorschauClick();
    // Prints pages made before (the preview's "Drucken") as OK prints: a document printer's
    // file is asked for first, and the dialog closes when the run is complete. False when
    // nothing or not all was printed (the file asked for was not given, or the run stopped).
    bool AuftragDrucken(TDruckauftrag& auftrag);
    // Enter (13) takes the field's number into its up-down and is swallowed.
    void EVerschBlaetterKeyPress(char& taste);
    void EExemplareKeyPress(char& taste);

    TMemo* MHinweis = nullptr;
    TEdit* EVerschBlaetter = nullptr;
    TUpDown* UDVerschBlaetter = nullptr;
    TEdit* EExemplare = nullptr;
    TUpDown* UDExemplare = nullptr;
    TCheckBox* CBNummerieren = nullptr;
    TCheckBox* CBLoesungsblaetter = nullptr;
    TCheckBox* CBLoesungenKennzeichnen = nullptr;
    TCheckBox* CBLoesungenAmEnde = nullptr;
    TButton* BDruckereinstellungen = nullptr;
    TButton* BAbbruch = nullptr;
    TButton* BOK = nullptr;
    TButton* BVorschau = nullptr;
    // "Drucker: " and the name of the printer in use, so that the user sees where the pages
    // go before pressing OK.
    TLabel* LDrucker = nullptr;

private:
    // was names the number in the message of the range error.
    void ZahlUebernehmen(TEdit& feld, TUpDown& pfeile, const std::string& was);
    void DruckerZeigen();
    // Runs drucken (true: the run is complete) into the file a document printer asks for,
    // and closes the dialog when it is complete.
    bool Ausgeben(const std::function<bool()>& drucken);

    TZeichnen& Hauptfenster;
    TDruckerdialog* Druckerdialog = nullptr;
    TDateidialog* Dateidialog = nullptr;
    TDruckfortschritt* Fortschritt = nullptr;
    TDruckfortschritt* Vorbereitung = nullptr;
    TFVorschau* Vorschau = nullptr;
    const TOberflaeche* Oberflaeche = nullptr;
    std::vector<TDrucker*> DruckerListe;
    std::size_t Gewaehlt = 0;
};
