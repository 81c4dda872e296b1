// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window as a model: the layout options that are not task settings, the nine layout
// values, the five fonts, the page and the sheet, and the commands that rebuild, re-lay out,
// draw, replace single tasks and copy the page.

#include "app/Orte.h"
#include "app/USplash.h"
#include "app/UUeberschrift.h"
#include "app/Verlauf.h"
#include "app/Vorlagen.h"
#include "files/Erweiterungsblock.h"
#include "settings/ZeichnenSchnittstelle.h"
#include "toolkit/Formular.h"
#include "toolkit/Oberflaeche.h"
#include "toolkit/Schrift.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TAufgabe;
class TBlatt;
struct TEinstellungsstand;
class TFEditAufgabe;
class TFInfo;
class TFNummerierung;
class TDruckauftrag;
class TDruckfortschritt;
class TFDrucken;
class TLeinwand;
class TLoadSave;
class TMainForm;
class TMeldungen;
class TSeite;
class TZufall;

enum class TMaustaste { Links, Rechts };

// What the main window works with besides its own controls: the program's other windows,
// made with it at the start, and the platform's part, which the desktop fills once its
// windows exist. Handed over once (TZeichnen::Verbinden); a window left out (none) makes the
// commands that open it do nothing.
struct TZeichnenDienste {
    TMainForm* Einstellungen = nullptr;
    TFUeberschrift* Ueberschrift = nullptr;
    TFEditAufgabe* EditAufgabe = nullptr;
    TFNummerierung* Nummerierung = nullptr;
    TFDrucken* Drucken = nullptr;
    TFSplash* Splash = nullptr; // its version label is filled at the first showing
    TFInfo* Info = nullptr;     // the same
    const TOberflaeche* Oberflaeche = nullptr;
};

class TZeichnen final : public TFormular,
                        public TZeichnenSchnittstelle,
                        public TUeberschriftZiel,
                        public TErsteDateiOeffner {
public:
    static constexpr double RandMin = -0.001; // allowed range of the layout values, cm
    static constexpr double RandMax = 8.001;

    // Creates every control with its default and the sheet on the paint box, tab control,
    // zoom box and scroll bars; zufall is the program's random source.
    TZeichnen(TZufall& zufall, TMeldungen& meldungen);
    ~TZeichnen() override;

    // The windows and the platform the main window works with, created after it. Every
    // window it opens goes on screen through dienste.Oberflaeche's Anzeige; without one it is
    // only marked open (the edit and numbering dialogs close again at once, unchanged).
    void Verbinden(const TZeichnenDienste& dienste);

    // The interface the settings window uses.
    bool Sichtbar() const override { return SichtbarFeld; }
    // Marks the main window open and puts it on screen in front.
    void Zeigen() override;
    bool CBSchriftlich() const override;
    void SetzePositiveKlammern(bool klammern) override { PositiveKlammern = klammern; }
    int Platzhalterart() const override { return PlatzhalterartFeld; }
    void SetzePlatzhalterart(int art) override { PlatzhalterartFeld = art; }
    void SetzeGenerator(TGSAufgabengenerator* generator) override { Generator = generator; }
    // A new page with new tasks.
    void BNeueAufgabeClick() override;
    // Hands the layout values, options and fonts to the page and sets the enabled states.
    void ParameterUebergeben() override;
    // Lays the page out anew with its present tasks and draws it.
    void Seitenmetrik() override;
    void BSeitenmetrik() override { Seitenmetrik(); }

    // Paints the page on the paint box's current canvas (the paint box's handler).
    void PaintBoxPaint();
    // The main window's area changed (client size in pixels): the sheet takes the area
    // below the button row. The first time (ErsterStart) the version text goes to the splash
    // and about windows and the caption, the splash shows, the settings window's rules run
    // and the first page is built, so the window must be shown and connected before.
    void FormResize(int breite, int hoehe);

    // The nine layout values in their fields: two decimals and "cm".
    void RandWerteEditsSetzen();
    // Takes the nine fields' values (comma as point, only digits and points count); values
    // outside RandMin..RandMax keep the old value. Raises EConvertError for a field that
    // holds no number; the fields before it are taken then.
    void RandWerteEditsLesen();
    void RandEditKeyPress(char& taste);
    void RandEditExit();
    // The arrows of layout value index (the up-down's Tag): ±0.1 within the range.
    void RandUDCLick(int index, bool hoch);

    // The font button with Tag index: the font dialog on a copy, taken over unless cancelled.
    void SchriftCLick(int index) override;

    // The task whose frame holds the paint-box point (the last one in row order), or none.
    TAufgabe* FindeAufgabe(int x, int y) const;
    // Whether the paint-box point lies above the end of heading and work instruction.
    bool InUeberschrift(int y) const;
    // Left button: a task is replaced by the generator's next one, the heading area opens the
    // heading dialog. Right button on a task: the task edit dialog. Both lay the page out anew.
    void PaintBoxMouseDown(TMaustaste taste, int x, int y);
    // The mouse moved over the paint box: the hand cursor over a task or the heading area,
    // the normal one elsewhere.
    void PaintBoxMouseMove(int x, int y);
    // The mouse wheel turned by distanz (120 a notch, positive away from the user): the sheet
    // scrolls.
    void FormMouseWheel(int distanz);
    // "Aufgabenart wählen ...": the settings window returns to this window, and is shown.
    void BHauptformularClick();
    // The numbering dialog with the present numbering style, which is taken afterwards.
    void BNummerierungsartClick();
    // "Überschrift und Arbeitsanweisung bearbeiten ...", and a left click on the heading: the
    // heading dialog, not modally.
    void BUeberschriftBearbeitenClick();
    // "Über das Programm" (the menu, and now and then the copy command): the about window,
    // modally.
    void UeberdasProgramm1Click();
    // Writes the whole worksheet file: header, settings, heading, fonts, layout values, layout
    // options and the page's tasks. The file at pfad is replaced only by a complete new one;
    // raises EZifferbogenFehler (a German message) when it cannot be written.
    void SaveFile(const std::string& pfad);
    // "Standardeinstellungen Speichern": saves the worksheet as the standard settings at pfad
    // (the configuration directory's Standard.zfb; the directory is made when missing) and
    // says so in a message naming the file. Raises EZifferbogenFehler, with no message of
    // success, when it cannot be written.
    void StandardeinstellungenSpeichern(const std::filesystem::path& pfad);
    // The menu's "Standardeinstellungen Speichern": the same into the configuration
    // directory's Standard.zfb.
    void Standardeinstellungen1Click();
    // The same into a stream already open for writing (a file or memory).
    void Speichern(TLoadSave& strom);
    // Opens a whole worksheet file: its settings, heading, fonts, layout values and options,
    // then the page with the stored tasks as far as they fit, on a fresh pool. Returns the
    // reason the file could not be opened (as DateiGanzLesen gives it), 0 when it was read.
    // Raises EZifferbogenFehler when the file cannot be read; everything is then as it was
    // before (the pool aside, which is built anew).
    int OpenFile(const std::string& pfad);
    // Opens the file at pfad as the user asked for it: raises EInOutError with a German
    // message naming the file when it cannot be opened or read (nothing has changed then).
    void DateiOeffnen(const std::string& pfad);
    // "Öffnen ...", the open button, Ctrl+O: the open dialog, then DateiOeffnen. Cancel
    // changes nothing.
    void Oeffnen1Click();
    // "Speichern ...", the save button, Ctrl+S: the save dialog, then SaveFile. Cancel
    // writes nothing.
    void Speichern1Click();
    // The file the start opens: the first argument when it names a worksheet file (its name
    // ends in ".zfb", in any case), else the standard settings file; empty when neither.
    static std::string ErsteDatei(const std::vector<std::string>& argumente,
                                  const std::filesystem::path& standarddatei);
    // Opens ErsteDatei. A missing standard settings file leaves the defaults. Raises
    // EZifferbogenFehler with a German message naming the file when it cannot be opened or
    // read; the worksheet is then as it was.
    void OpenFirst(const std::vector<std::string>& argumente, const std::filesystem::path& standarddatei) override;
    bool Beschaeftigt() const override { return Druckt || Laedt; }

    // Copies the page to the clipboard as a picture.
    void Kopieren1Click();
    // The print command ("Drucken ..."): opens the print dialog.
    void Drucken1Click();
    // The print run: Blaetter different worksheets (new tasks between them), each printed
    // Exemplare times, with its solution sheet directly before its last copy when
    // Loesungsblaetter is set, or with LoesungenAmEnde all solution sheets after all
    // worksheets, in the sheets' order; with LoesungenKennzeichnen every solution sheet says
    // "Lösungen" at its top right; with Nummerieren every page of sheet i carries the number
    // i (and its solution sheet "Lösungen i"). Nothing without a page. The solutions option of
    // the page is as before afterwards. fortschritt (none: nothing) hears of every page and
    // may stop the run: Print then returns false, and the job ends with the pages printed
    // until then.
    struct TDrucklauf {
        int Blaetter = 1;
        int Exemplare = 1;
        bool Loesungsblaetter = false;
        bool Nummerieren = false;
        bool LoesungenKennzeichnen = true;
        bool LoesungenAmEnde = false;
    };
    bool Print(const TDrucklauf& lauf, TDruckfortschritt* fortschritt = nullptr);
    // The same run made into its pages as data, for the preview: the sheets are made as for
    // printing, with the same tasks a print would get, and nothing is printed; the window then
    // shows the sheet it showed before. None when fortschritt stopped it, or without a page.
    std::unique_ptr<TDruckauftrag> Druckseiten(const TDrucklauf& lauf, TDruckfortschritt* fortschritt = nullptr);
    // Prints the pages made before, each as it was made, and reports to fortschritt as Print
    // does; false when it stopped the run.
    bool Print(TDruckauftrag& auftrag, TDruckfortschritt* fortschritt = nullptr);
    // Draws page seite (from 0) of auftrag as the screen shows a page at zoom, on flaeche with
    // the page's upper left corner at pixel (links, oben); the printer draws it the same way.
    void DruckseiteZeichnen(TDruckauftrag& auftrag, std::int64_t seite, TLeinwand& flaeche, double zoom, int links,
                            int oben);

    // A layout value field (1..9) takes the value typed as it stands when it now holds it.
    bool EingabeAngenommen(const TEdit& feld, const std::string& eingabe) const override;

    // Opens a ready-made worksheet like a file and draws new tasks from its settings; no file
    // name stays bound to the window, so a save asks for one. A changed sheet is asked about
    // first (AenderungenSichern); cancelled, nothing happens.
    void VorlageOeffnen(const TVorlage& vorlage);
    // "Neu": a sheet from the standard settings at standarddatei (the defaults the program
    // started with when there is none), with new tasks and no file name; a changed sheet is
    // asked about first.
    void NeuAusStandard(const std::filesystem::path& standarddatei);
    void Neu1Click();

    // Unsaved changes. The worksheet counts as changed when what its file would hold (tasks,
    // heading, fonts, layout values and options, task settings) differs from what it held
    // when it was opened, saved or started.
    // The file the worksheet was opened from or saved to last; empty when none.
    const std::string& Dateiname() const { return DateinameFeld; }
    // Whether the worksheet changed since; as of the last AenderungFesthalten.
    TBeobachtet<bool> Veraendert;
    // Takes stock after a command: a changed page becomes an undo step, and Veraendert and the
    // caption follow. The page's own commands do it themselves; the desktop calls it after
    // every other command (the settings window's, say), so the caption marks those as well.
    void AenderungFesthalten();
    // The desktop frames every command with these, the settings window every handler: all
    // the page changes of one command are one undo step. Nested frames count as the outer.
    void BefehlAnfang() override;
    void BefehlEnde() override;
    // Before the worksheet is closed or replaced: when it changed, asks "Die Änderungen am
    // Arbeitsblatt speichern?". Speichern saves (a worksheet without a file name asks for one
    // first), Verwerfen goes on, Abbrechen stops. True when the caller may go on; a save that
    // is cancelled stops, one that fails raises its error and stops as well.
    bool AenderungenSichern();

    // Undo and redo of the page's changes (new tasks, a replaced or edited task, the heading,
    // the layout options, values and fonts, the rows and columns). The task settings are not
    // undone: they choose what new tasks may be, and going back leaves them as they are.
    void Rueckgaengig();
    void Wiederherstellen();
    TBeobachtet<bool> KannRueckgaengig;
    TBeobachtet<bool> KannWiederherstellen;
    // The ready-made worksheets the menu "Vorlagen" offers, by grade.
    std::vector<TVorlage> Vorlagen;

    // The worksheets opened or saved last and the folders the file dialogs start in: every
    // successful open and save of a worksheet file of the user's is noted there.
    TOrte Orte;
    // An entry of "Zuletzt geöffnet": opens it as DateiOeffnen does. A file that is gone is
    // taken out of the list, and EInOutError says so, naming it.
    void ZuletztOeffnen(const std::string& pfad);

    TBlatt& Blatt() { return *BlattFeld; }
    TSeite* Seite() { return SeiteFeld.get(); }
    // Empty while the page fits the paper; else says that the chosen rows and columns do not
    // fit and how many do. LPasstNicht shows it in the window.
    std::string Platzhinweis() const;

    TGSAufgabengenerator* Generator = nullptr;
    std::array<double, 10> RandWerte{};      // [1..9], cm
    std::array<TEdit*, 10> RandWerteEdits{}; // [1..9]
    // The values of a worksheet file's extension block that this version does not use; they
    // are written back when the worksheet is saved.
    TErweiterungen Erweiterungen;
    std::array<TLabel*, 5> RandLabels{};     // [1..4]
    TLabel* LPasstNicht = nullptr;
    std::array<TUpDown*, 10> RandUpDowns{};  // [1..9]; [1..4] made at run time
    std::array<TSchrift, 6> Schriften{};     // [1..5]
    std::array<int, 6> Schriftgroessen{};    // [1..5], points
    bool NummernMitZiffern = true;
    std::string ZeichenNachNummer = ".";
    bool PositiveKlammern = false;
    bool Laedt = false;
    bool Zeichnet = false;
    bool Druckt = false; // a print run is under way
    bool SeiteBereit = true;
    bool ErsterStart = true;
    bool InfoGezeigt = false;
    int Dateiversion = 0;
    bool SichtbarFeld = false;

    TPageControl* PCEigenschaften = nullptr;
    TComboBox* ZoomBox = nullptr;
    TButton* BHauptformular = nullptr;
    TButton* BNeueAufgabe = nullptr;
    TButton* BKopieren = nullptr;
    TButton* BDrucken = nullptr;
    TButton* BOeffnen = nullptr;
    TButton* BSpeichern = nullptr;
    TPaintBox* PaintBox = nullptr;
    TScrollBar* ScrollBarHor = nullptr;
    TScrollBar* ScrollBarVert = nullptr;
    TCheckBox* CBTrennlinien = nullptr;
    TCheckBox* CBNurRechnung = nullptr;
    TCheckBox* CBSchriftlichFeld = nullptr; // "CBSchriftlich"
    TCheckBox* CBRechenkaestchen = nullptr;
    TRadioButton* RBZentriert = nullptr;
    TRadioButton* RBRechtsbuendig = nullptr;
    TCheckBox* CBGespensterAufgaben = nullptr;
    TCheckBox* CBX = nullptr;
    TCheckBox* CBFragezeichen = nullptr;
    TCheckBox* CBNummerierung = nullptr;
    TCheckBox* CBVertikalNummerieren = nullptr;
    TCheckBox* CBLoesungaufPlatzhalter = nullptr;
    TCheckBox* CBQuersumme = nullptr;
    TCheckBox* CBLoesungen = nullptr;
    TCheckBox* CBLoesungenDurcheinander = nullptr;
    TRadioButton* RBSeiteFuellen = nullptr;
    TRadioButton* RBGenauFestlegen = nullptr;
    TEdit* EZeilen = nullptr;
    TUpDown* UDZeilen = nullptr;
    TEdit* ESpalten = nullptr;
    TUpDown* UDSpalten = nullptr;

private:
    class TDrucklaufAblauf;
    class TDruckseiteGelegt;
    void FormCreate();
    // The parts of FormCreate, in their order.
    TContainer& Reiterseite(const char* name);
    void KnopfzeileErzeugen();
    void LayoutwerteErzeugen();
    void SchriftenErzeugen();
    void OptionenErzeugen();
    void AufgabenzahlErzeugen();
    void SeiteErzeugen();
    // Shows or hides LPasstNicht after a layout pass.
    void PlatzhinweisZeigen();
    void RBSeiteFuellenClick();
    void RBGenauFestlegenClick();
    void UDZeilenClick();
    void CBSchriftlichClick();
    int Randindex(const TEdit& feld) const;
    // Reads a whole file from the stream, with re-layouts held back until the end. With
    // einstellungen (undoing a failed open from this program's own snapshot) the settings
    // window gets that state back whole and the page also its rows it does not show.
    void Laden(TLoadSave& strom, const TEinstellungsstand* einstellungen = nullptr);

    // The window its model has just opened, on screen (see TFensteranzeige).
    void Anzeigen(TFormular& fenster) const;

    // Speichern in its two parts: the header and the settings window's block, and the rest
    // (what undo takes back).
    void KopfSchreiben(TLoadSave& strom);
    void BlattSchreiben(TLoadSave& strom);
    std::string Kopfstand();
    std::string Blattstand();
    // The worksheet as it stands is the unchanged one, with no steps to undo (after opening,
    // saving or starting); datei is the file it is bound to now, which goes into the recent
    // list.
    void Grundstand(const std::string& datei);
    // Puts the page of the undo state stand back, the task settings staying as they are.
    void Herstellen(const std::string& stand);
    // One step of the undo states back or forward (vor), when there is one.
    void Schritt(bool vor);
    void TitelSetzen();
    // Reads the file at pfad as OpenFile does, with the German messages of DateiOeffnenOderMelden
    // (standard: the standard settings, whose absence leaves the defaults).
    void DateiLesen(const std::string& pfad, bool standard);
    // Where the save dialog starts: at the open file, which it proposes, else in the folder
    // the worksheet dialogs used last.
    std::string Speicherort() const;
    void VerlaufAnzeigen();

    TVerlauf Verlauf;
    std::string DateinameFeld;
    std::string Gespeichert;   // the whole file at the last Grundstand
    std::string Anfangsstand;  // the whole file the program started with, before any file
    std::string Grundtitel;    // the program's caption without a file name
    bool Stellt = false;       // an undo state is being put back
    int Befehlstiefe = 0;      // the commands under way, nested
    bool SchrittImBefehl = false; // the command under way has made its undo step
    TZufall& Zufall;
    TMeldungen& Meldungen;
    TZeichnenDienste Dienste; // its Oberflaeche is never none
    int PlatzhalterartFeld = 0;
    std::unique_ptr<TBlatt> BlattFeld;
    std::unique_ptr<TSeite> SeiteFeld;
};
