// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings window: every option for choosing tasks held in its controls, the rules that
// keep the options consistent, the numeric input fields and the hand-over to the generator.
// It owns the program's one task generator and lends it to the main window.

#include "generator/UGSAufgabe.h"
#include "settings/ZeichnenSchnittstelle.h"
#include "toolkit/Formular.h"
#include "toolkit/Ziffernfilter.h"
#include "toolkit/Meldungen.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class TLoadSave;
class TZufall;

// What reading a settings block may change, with what the block does not carry exactly (the
// stored values, texts the stream could change or that only follow a stored value, the
// division minimum's position when its text is out of range), so that a failed read can put
// all of it back.
struct TEinstellungsstand {
    std::string Block;
    std::int32_t Zahlenraum = 0;
    std::uint8_t ZUModus = 0;
    std::uint8_t HUModus = 0;
    std::int32_t QuadratBis = 0;
    std::int32_t Minimalwert = 0;
    std::string Zahlenraumbis;
    std::string MinErgDivision;
    int MinErgPosition = 0;
    std::string QuadrataufgabenBis;
    std::string MinimalwertText;
};

class TMainForm final : public TFormular {
public:
    static constexpr int Breite = 764;
    static constexpr int Hoehe = 520;

    // Creates all controls with their defaults, then runs FormCreate (which creates the
    // generator on zufall). hauptfenster may be null: the rules then leave it alone.
    TMainForm(TZufall& zufall, TMeldungen& meldungen, TZeichnenSchnittstelle* hauptfenster);
    ~TMainForm() override;

    // The owned generator, lent to the main window.
    TGSAufgabengenerator& Generator() { return *GeneratorFeld; }
    const TGSAufgabengenerator& Generator() const { return *GeneratorFeld; }

    // Connects the main window created after this window (null: none).
    void VerbindeHauptfenster(TZeichnenSchnittstelle* hauptfenster) { Hauptfenster = hauptfenster; }

    // Derives every enabled state, the combination table, the digit-field texts and the
    // bracket flag from the controls; while the main window is visible it also rebuilds the
    // page (once, when the outermost handler of the user action ends).
    void LogikCheck();
    // Copies the controls and stored values into the generator's parameters; shows the
    // bracket boxes by the negative-number modes and sets the main window's bracket flag.
    void GeneratorEinstellen();
    // "Zum Hauptfenster": hands the settings over, lends the generator, shows the main window
    // and gives it new tasks when it was hidden.
    void VorschauClick();
    // Shows the modal warning that the written layout is meant for + and - only.
    void LayoutWarnung();
    // Set while a failed read is undone (of the settings block or of a whole worksheet), so
    // that putting the old options back does not warn about them a second time.
    bool WarnungStumm = false;

    // Writes the settings block of a worksheet file: every option the block holds, in the
    // layout of the current file version, with its line breaks.
    void EinstellungenSchreiben(TLoadSave& strom) const;
    // Reads a settings block of file version dateiversion (0..11), setting the controls as a
    // user would and giving defaults for what older versions lack, then puts the rules back in
    // force. A read that fails puts the window back exactly as it was and raises the error again.
    void EinstellungenLesen(TLoadSave& strom, int dateiversion);
    // The window's state as far as a settings block reaches, and its return (in one handler
    // frame, with the rules in force and without the written-layout warning).
    TEinstellungsstand StandFesthalten() const;
    void StandWiederherstellen(const TEinstellungsstand& stand);

    // Stored values beside the controls.
    std::int32_t Zahlenraum = 1000;
    std::uint8_t ZUModus = 1;
    std::uint8_t HUModus = 1;
    std::int32_t QuadratBis = 10;
    std::int32_t Minimalwert = 0;
    // While false, LogikCheck returns at once (bulk changes such as reading a file).
    bool RegelnAktiv = true;

    // [a][b], 1..7: first operand of type a with second of type b meets the carry settings;
    // recomputed by every LogikCheck.
    std::array<std::array<bool, 8>, 8> KombinationMoeglich{};

    // Controls used by the rules (owned by the form, found by name as well).
    TButton* BitBtn1 = nullptr;
    TMemo* Memo1 = nullptr;
    TCheckBox* CBPluskv = nullptr;
    TCheckBox* CBMinuskv = nullptr;
    TCheckBox* CBMalkv = nullptr;
    TCheckBox* CBGeteiltkv = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* GSPlusMinus = nullptr;
    TTabSheet* GSMalGeteilt = nullptr;
    TTabSheet* TSPlatzhalterauswahl = nullptr;
    TTabSheet* TabSheet1 = nullptr;

    // Page "Plus, Minus"
    TGroupBox* GBPlusMinus = nullptr;
    TCheckBox* CBPluskommtvor = nullptr;
    TCheckBox* CBMinuskommtvor = nullptr;
    TGroupBox* GBZahlenraumbis = nullptr;
    TRadioButton* RBZRbis10 = nullptr;
    TRadioButton* RBZRbis20 = nullptr;
    TRadioButton* RBZRbis100 = nullptr;
    TRadioButton* RBZRbis1000 = nullptr;
    TRadioButton* RBZRbis10000 = nullptr;
    TRadioButton* RBZRbis100000 = nullptr;
    TRadioButton* RBZRbis1000000 = nullptr;
    TRadioButton* RBManuelleEingabe = nullptr;
    TEdit* EZahlenraumbis = nullptr;
    TGroupBox* GBZehneruebergang = nullptr;
    TRadioButton* RBOhneZU = nullptr;
    TRadioButton* RBMitZU = nullptr;
    TRadioButton* RBImmerZU = nullptr;
    TCheckBox* CBErgZehner = nullptr;
    TGroupBox* GBHunderteruebergang = nullptr;
    TRadioButton* RBOhneHU = nullptr;
    TRadioButton* RBMitHU = nullptr;
    TRadioButton* RBImmerHU = nullptr;
    TCheckBox* CBErgHunderter = nullptr;
    TGroupBox* GBSpezielleRechnungen = nullptr;
    TRadioButton* RBAlleRechenarten = nullptr;
    TRadioButton* RBNichtAlle = nullptr;
    std::array<TButton*, 8> BSpaltenkopf{};                   // [1..7]
    std::array<TButton*, 8> BZeilenkopf{};                    // [1..7]
    std::array<std::array<TCheckBox*, 8>, 8> CBKombination{}; // [i][j], 1 <= j <= i <= 7
    TGroupBox* GroupBox1 = nullptr;
    TRadioButton* RBZEplusE = nullptr;
    TRadioButton* RBEplusZE = nullptr;
    TRadioButton* RBPlusArtenbeide = nullptr;
    TGroupBox* GBAllgemein = nullptr;
    TCheckBox* CBNullKommtVor = nullptr;
    TCheckBox* CBPlatzhalteraufgaben = nullptr;
    TRadioButton* RBPlusMinusohneNegative = nullptr;
    TRadioButton* RBPlusMinusmitNegative = nullptr;
    TRadioButton* RBPlusMinusNegativeImmer = nullptr;
    TCheckBox* CBPositiveZahlenKlammernPM = nullptr;
    TGroupBox* GBKlasse4Aufgaben = nullptr;
    TCheckBox* CBNurFolgendeOperanden = nullptr;
    TGroupBox* GBOp1 = nullptr;
    TGroupBox* GBOp2 = nullptr;
    // [operand 1..2][row 1 "Kann vorkommen", 2 "Muss vorkommen"][place 1..7, 1 = units]
    std::array<std::array<std::array<TCheckBox*, 8>, 3>, 3> CBStelle{};

    // Page "Mal, Geteilt"
    TGroupBox* GBMal = nullptr;
    TCheckBox* CBMalkommtvor = nullptr;
    TGroupBox* GBMultArt = nullptr;
    TRadioButton* RBEinmaleins = nullptr;
    TRadioButton* RBSchriftlich = nullptr;
    TRadioButton* RBFaktorenInnerhalbVonIntervallen = nullptr;
    TRadioButton* RBBesondereProdukte = nullptr;
    TGroupBox* GBMultWelcheEinmalEins = nullptr;
    std::array<TCheckBox*, 21> CBMultReihe{}; // [1..20]
    TButton* BMult1bis10 = nullptr;
    TButton* BMult11bis20 = nullptr;
    TCheckBox* CBMalUA = nullptr;
    TCheckBox* CBMultkzmalkz = nullptr;
    TCheckBox* CBMultkzmalgz = nullptr;
    TCheckBox* CBMultgzmalgz = nullptr;
    TCheckBox* CBSchwereEinmaleinshaeufiger = nullptr;
    TCheckBox* CBQuadrataufgaben = nullptr;
    TEdit* EQuadrataufgabenBis = nullptr;
    TLabel* LBis = nullptr;
    TGroupBox* GBBesondereProdukte = nullptr;
    TCheckBox* CBEmalZ = nullptr;
    TCheckBox* CBZEmalZ = nullptr;
    TGroupBox* GBZahlenraumFaktor1 = nullptr;
    TGroupBox* GBZahlenraumFaktor2 = nullptr;
    std::array<TEdit*, 17> EStellen{};    // [1..16]
    std::array<TUpDown*, 17> UDStellen{}; // [1..16]
    TGroupBox* GBIntervalle = nullptr;
    TUpDown* UDIntFaktor1Von = nullptr;
    TEdit* EIntFaktor1Von = nullptr;
    TUpDown* UDIntFaktor1Bis = nullptr;
    TEdit* EFaktor1Bis = nullptr;
    TUpDown* UDIntFaktor2Von = nullptr;
    TEdit* EIntFaktor2Von = nullptr;
    TUpDown* UdIntFaktor2Bis = nullptr;
    TEdit* EIntFaktor2Bis = nullptr;
    TGroupBox* GBGeteilt = nullptr;
    TCheckBox* CBGeteiltkommtvor = nullptr;
    TGroupBox* GBDivArt = nullptr;
    TRadioButton* RBEinmaleinsdiv = nullptr;
    TRadioButton* RBSchriftlichdiv = nullptr;
    TGroupBox* GBDivWelcheEinmaleins = nullptr;
    std::array<TCheckBox*, 21> CBDivReihe{}; // [1..20]
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TCheckBox* CBGeteiltUA = nullptr;
    TCheckBox* CBDivkzdurchkz = nullptr;
    TCheckBox* CBDivgzdurchkz = nullptr;
    TCheckBox* CBDivgzdurchgz = nullptr;
    TCheckBox* CBDivSchwerehaeufiger = nullptr;
    TGroupBox* GBDivisionsrest = nullptr;
    TRadioButton* RBRestnie = nullptr;
    TRadioButton* RBRestJa = nullptr;
    TRadioButton* RBRestimmer = nullptr;
    TGroupBox* GBDividendZahlenraum = nullptr;
    TGroupBox* GBDivisorZahlenraum = nullptr;
    TGroupBox* GBAllgEigenschaften = nullptr;
    TCheckBox* CBNullkommtvorMultDiv = nullptr;
    TCheckBox* CBPlatzhalterkommenvormultdiv = nullptr;
    TRadioButton* RBMalGeteiltNegativeNie = nullptr;
    TRadioButton* RBMalGeteiltNegativeja = nullptr;
    TRadioButton* RBMalGeteiltNegativeImmer = nullptr;
    TCheckBox* CBPositiveZahlenKlammernMG = nullptr;
    TGroupBox* GBErgDiv = nullptr;
    TEdit* EMinErgDivision = nullptr;
    TUpDown* UDMinErgDivision = nullptr;

    // Page "Platzhalter..."
    TGroupBox* GroupBox2 = nullptr;
    TCheckBox* CBPlatzhalterOp1 = nullptr;
    TCheckBox* CBPlatzhalterOp2 = nullptr;
    TCheckBox* CBPlatzhalterErg = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TCheckBox* CBPlatzhaleraddsub = nullptr;
    TCheckBox* CBPlatzhalterMultDiv = nullptr;
    TRadioGroup* RGPlatzhalterart = nullptr;

    // Page "Triviale Aufgaben unterdrücken"
    TCheckBox* CBMinimalWert = nullptr;
    TEdit* EMinimalwert = nullptr;
    TCheckBox* CBKeine10HochN = nullptr;

private:
    // Keeps the nesting depth of the running handlers; the rebuilds of one user action are
    // merged into one at the end of the outermost handler.
    class THandlerRahmen final {
    public:
        explicit THandlerRahmen(TMainForm& form) : Form(form) { ++Form.HandlerTiefe; }
        ~THandlerRahmen() { --Form.HandlerTiefe; }
        THandlerRahmen(const THandlerRahmen&) = delete;
        THandlerRahmen& operator=(const THandlerRahmen&) = delete;

    private:
        TMainForm& Form;
    };

    // Runs a handler inside a THandlerRahmen; when it was the outermost one and a rebuild
    // became due, runs the rebuild once afterwards.
    void Behandle(const std::function<void()>& handler);
    void Neuaufbau();

    // Creation of the designed controls with captions, tags, hints and defaults.
    void SteuerelementeErzeugen();
    void ErzeugePlusMinus();
    void ErzeugeMalGeteilt();
    void ErzeugePlatzhalterUndTriviale();
    // Wires the designed controls to their handlers.
    void Verdrahten();
    // Creation of the run-time controls and the first rules run.
    void FormCreate();
    void ErzeugeGitter();
    void ErzeugeStellenboxen();
    void ErzeugeReihen();
    void ErzeugeStellenfelder();
    // The tips of the controls a user operates.
    void HinweiseSetzen();

    // Rules.
    void LogikSchritte();
    void KombinationenBerechnen();
    bool PositiveKlammernNachGenerator() const;
    void RechenartClick(TCheckBox& haupt, TCheckBox& schnell, bool warnen);
    void ZahlenraumRBClicked(const TRadioButton& rb);
    void RBZehneruebergangClick(const TRadioButton& rb);
    void RBHunderteruebergangClick(const TRadioButton& rb);
    void SpaltenkopfClick(int i);
    void ZeilenkopfClick(int j);
    void ReihenUmschalten(std::array<TCheckBox*, 21>& reihen, int erste);
    void CBPositiveZahlenKlammernPMClick();
    void RGPlatzhalterartClick();

    // Numeric fields.
    void EnterFeldUebernehmen(TEdit& feld, std::int32_t& wert);
    void EMinErgDivisionChange();
    void UDMinErgDivisionClick();
    void EStellenChange(int t);
    void UDStellenClick(int t);
    void Stellenkopplung(int t);

    TMeldungen& Meldungen;
    TZufall& Zufall;
    TZeichnenSchnittstelle* Hauptfenster;
    std::unique_ptr<TGSAufgabengenerator> GeneratorFeld;
    int HandlerTiefe = 0;
    bool NeuaufbauFaellig = false;
};
