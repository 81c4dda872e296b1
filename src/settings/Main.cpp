// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the settings window: designed controls, their handlers, the controls
// created at run time, and the frame every handler runs in.

#include "settings/Main.h"

#include <string>

namespace {

constexpr const char* Typname[8] = {"", "E", "Z", "ZE", "H", "HE", "HZ", "HZE"};
constexpr const char* Typbeispiel[8] = {"", "3", "20", "23", "300", "304", "340", "365"};

void Platziere(TControl& c, int left, int top, int width, int height)
{
    c.SetBounds(left, top, width, height);
}

} // namespace

TMainForm::TMainForm(TZufall& zufall, TMeldungen& meldungen, TZeichnenSchnittstelle* hauptfenster)
    : TFormular("Aufgaben auswählen"), Meldungen(meldungen), Zufall(zufall), Hauptfenster(hauptfenster)
{
    SteuerelementeErzeugen();
    Verdrahten();
    FormCreate();
    HinweiseSetzen();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate()
{
    RegelnAktiv = true;
    Zahlenraum = 1000;
    QuadratBis = 10;
    Minimalwert = 0;
    ZUModus = 1;
    HUModus = 1;
    GeneratorFeld = std::make_unique<TGSAufgabengenerator>(Zufall);
    ErzeugeGitter();
    ErzeugeStellenboxen();
    ErzeugeReihen();
    ErzeugeStellenfelder();
    // The main window is not on screen yet: this run only sets the enabled states.
    LogikCheck();
}

void TMainForm::ErzeugeGitter()
{
    for (int i = 1; i <= 7; ++i) {
        auto& spalte = Erzeuge<TButton>(Indexname("BSpaltenkopf", {i}), GBSpezielleRechnungen);
        spalte.SetCaption(Typname[i]);
        spalte.Tag = i;
        Platziere(spalte, 28 * i - 20, 32, 26, 17);
        spalte.OnClick = [this, i](TButton&) { Behandle([this, i] { SpaltenkopfClick(i); }); };
        BSpaltenkopf[i] = &spalte;

        auto& zeile = Erzeuge<TButton>(Indexname("BZeilenkopf", {i}), GBSpezielleRechnungen);
        zeile.SetCaption(Typname[i]);
        zeile.Tag = 100 + i;
        Platziere(zeile, 204, 19 * i + 30, 26, 17);
        zeile.OnClick = [this, i](TButton&) { Behandle([this, i] { ZeilenkopfClick(i); }); };
        BZeilenkopf[i] = &zeile;

        for (int j = 1; j <= i; ++j) {
            auto& box = Erzeuge<TCheckBox>(Indexname("CBKombination", {i, j}), GBSpezielleRechnungen);
            Platziere(box, 28 * i - 13, 19 * j + 30, 17, 17);
            box.SetHint(std::string("z.B. ") + Typbeispiel[i] + " + " + Typbeispiel[j]);
            box.SetShowHint(true);
            box.OnClick = [this](TCheckBox&) { LogikCheck(); }; // Checkboxarrayclick
            CBKombination[i][j] = &box;
        }
    }
}

void TMainForm::ErzeugeStellenboxen()
{
    for (int o = 1; o <= 2; ++o) {
        for (int r = 1; r <= 2; ++r) {
            for (int s = 1; s <= 7; ++s) {
                auto& box = Erzeuge<TCheckBox>(Indexname("CBStelle", {o, r, s}), o == 1 ? GBOp1 : GBOp2);
                Platziere(box, 272 - 24 * s, r == 1 ? 32 : 48, 17, 17);
                box.OnClick = [this](TCheckBox&) { LogikCheck(); };
                CBStelle[o][r][s] = &box;
            }
        }
    }
}

void TMainForm::ErzeugeReihen()
{
    const auto erzeuge = [this](const char* basis, TGroupBox* gruppe, std::array<TCheckBox*, 21>& reihen) {
        for (int k = 1; k <= 20; ++k) {
            auto& box = Erzeuge<TCheckBox>(Indexname(basis, {k}), gruppe);
            box.SetCaption(std::to_string(k));
            box.Tag = k;
            Platziere(box, 40 * ((k - 1) % 5) + 8, 24 * ((k - 1) / 5) + 16, k >= 10 ? 35 : 25, 17);
            reihen[k] = &box;
        }
    };
    erzeuge("CBMultReihe", GBMultWelcheEinmalEins, CBMultReihe);
    erzeuge("CBDivReihe", GBDivWelcheEinmaleins, CBDivReihe);
    for (int k = 1; k <= 10; ++k)
        CBMultReihe[k]->SetChecked(true);
    for (int k = 1; k <= 20; ++k) {
        CBMultReihe[k]->OnClick = [this](TCheckBox&) { LogikCheck(); };
        CBDivReihe[k]->OnClick = [this](TCheckBox&) { LogikCheck(); };
    }
}

void TMainForm::ErzeugeStellenfelder()
{
    constexpr int FeldLinks[4] = {80, 136, 80, 136};
    constexpr int FeldOben[4] = {14, 14, 40, 40};
    constexpr int UDLinks[4] = {101, 158, 101, 158};
    constexpr int UDOben[4] = {12, 12, 38, 38};
    TGroupBox* const gruppen[4] = {GBZahlenraumFaktor1, GBZahlenraumFaktor2, GBDividendZahlenraum, GBDivisorZahlenraum};
    for (int t = 1; t <= 16; ++t) {
        const int glied = (t - 1) % 4; // 0, 1: digit counts; 2, 3: zero counts
        const bool ziffern = glied < 2;
        TGroupBox* gruppe = gruppen[(t - 1) / 4];

        auto& feld = Erzeuge<TEdit>(Indexname("EStellen", {t}), gruppe);
        Platziere(feld, FeldLinks[glied], FeldOben[glied], 21, 21);
        feld.Tag = t;
        feld.SetText(ziffern ? "1" : "0");

        auto& ud = Erzeuge<TUpDown>(Indexname("UDStellen", {t}), gruppe);
        Platziere(ud, UDLinks[glied], UDOben[glied], 16, 25);
        ud.Tag = t;
        ud.SetRange(ziffern ? 1 : 0, ziffern ? 7 : 6);
        ud.SetPosition(ziffern ? 1 : 0);

        feld.OnChange = [this, t](TEdit&) { Behandle([this, t] { EStellenChange(t); }); };
        ud.OnClick = [this, t](TUpDown&, TUDBtnType) { Behandle([this, t] { UDStellenClick(t); }); };
        EStellen[t] = &feld;
        UDStellen[t] = &ud;
    }
}

void TMainForm::Verdrahten()
{
    const auto klick = [this](TCheckBox& box, std::function<void()> handler) {
        box.OnClick = [this, handler = std::move(handler)](TCheckBox&) { Behandle(handler); };
    };
    const auto logik = [this](auto* control) { control->OnClick = [this](auto&) { LogikCheck(); }; };

    BitBtn1->OnClick = [this](TButton&) { Behandle([this] { VorschauClick(); }); };

    klick(*CBPluskommtvor, [this] { RechenartClick(*CBPluskommtvor, *CBPluskv, false); });
    klick(*CBMinuskommtvor, [this] { RechenartClick(*CBMinuskommtvor, *CBMinuskv, false); });
    klick(*CBMalkommtvor, [this] { RechenartClick(*CBMalkommtvor, *CBMalkv, true); });
    klick(*CBGeteiltkommtvor, [this] { RechenartClick(*CBGeteiltkommtvor, *CBGeteiltkv, true); });

    // The quick twins and the placeholder pairs: the other box follows, its handler runs.
    const auto paar = [this, &klick](TCheckBox& box, TCheckBox& zwilling) {
        klick(box, [this, &box, &zwilling] {
            zwilling.SetChecked(box.Checked());
            LogikCheck();
        });
    };
    paar(*CBPluskv, *CBPluskommtvor);
    paar(*CBMinuskv, *CBMinuskommtvor);
    paar(*CBMalkv, *CBMalkommtvor);
    paar(*CBGeteiltkv, *CBGeteiltkommtvor);
    paar(*CBPlatzhalteraufgaben, *CBPlatzhaleraddsub);
    paar(*CBPlatzhaleraddsub, *CBPlatzhalteraufgaben);
    paar(*CBPlatzhalterkommenvormultdiv, *CBPlatzhalterMultDiv);
    paar(*CBPlatzhalterMultDiv, *CBPlatzhalterkommenvormultdiv);

    for (TRadioButton* rb :
         {RBZRbis10, RBZRbis20, RBZRbis100, RBZRbis1000, RBZRbis10000, RBZRbis100000, RBZRbis1000000})
        rb->OnClick = [this](TRadioButton& r) { Behandle([this, &r] { ZahlenraumRBClicked(r); }); };
    RBManuelleEingabe->OnClick = [this](TRadioButton&) {
        Behandle([this] {
            EZahlenraumbis->SetEnabled(true);
            LogikCheck();
        });
    };
    for (TRadioButton* rb : {RBOhneZU, RBMitZU, RBImmerZU})
        rb->OnClick = [this](TRadioButton& r) { Behandle([this, &r] { RBZehneruebergangClick(r); }); };
    for (TRadioButton* rb : {RBOhneHU, RBMitHU, RBImmerHU})
        rb->OnClick = [this](TRadioButton& r) { Behandle([this, &r] { RBHunderteruebergangClick(r); }); };

    BMult1bis10->OnClick = [this](TButton&) { Behandle([this] { ReihenUmschalten(CBMultReihe, 1); }); };
    BMult11bis20->OnClick = [this](TButton&) { Behandle([this] { ReihenUmschalten(CBMultReihe, 11); }); };
    Button1->OnClick = [this](TButton&) { Behandle([this] { ReihenUmschalten(CBDivReihe, 1); }); };
    Button2->OnClick = [this](TButton&) { Behandle([this] { ReihenUmschalten(CBDivReihe, 11); }); };

    klick(*CBPositiveZahlenKlammernPM, [this] { CBPositiveZahlenKlammernPMClick(); });
    klick(*CBPositiveZahlenKlammernMG,
          [this] { CBPositiveZahlenKlammernPM->SetChecked(CBPositiveZahlenKlammernMG->Checked()); });
    RGPlatzhalterart->OnClick = [this](TRadioGroup&) { Behandle([this] { RGPlatzhalterartClick(); }); };

    for (TUpDown* ud : {UDIntFaktor1Von, UDIntFaktor1Bis, UDIntFaktor2Von, UdIntFaktor2Bis})
        ud->OnClick = [this](TUpDown&, TUDBtnType) { LogikCheck(); }; // UDIntFaktor1VonClick

    for (TCheckBox* box : {CBErgZehner,
                           CBErgHunderter,
                           CBNullKommtVor,
                           CBNurFolgendeOperanden,
                           CBSchwereEinmaleinshaeufiger,
                           CBMalUA,
                           CBMultkzmalkz,
                           CBMultkzmalgz,
                           CBMultgzmalgz,
                           CBQuadrataufgaben,
                           CBEmalZ,
                           CBZEmalZ,
                           CBDivSchwerehaeufiger,
                           CBGeteiltUA,
                           CBDivkzdurchkz,
                           CBDivgzdurchkz,
                           CBDivgzdurchgz,
                           CBNullkommtvorMultDiv,
                           CBPlatzhalterOp1,
                           CBPlatzhalterOp2,
                           CBPlatzhalterErg,
                           CBMinimalWert,
                           CBKeine10HochN})
        logik(box);
    for (TRadioButton* rb : {RBAlleRechenarten,
                             RBNichtAlle,
                             RBZEplusE,
                             RBEplusZE,
                             RBPlusArtenbeide,
                             RBPlusMinusohneNegative,
                             RBPlusMinusmitNegative,
                             RBPlusMinusNegativeImmer,
                             RBEinmaleins,
                             RBSchriftlich,
                             RBBesondereProdukte,
                             RBFaktorenInnerhalbVonIntervallen,
                             RBEinmaleinsdiv,
                             RBSchriftlichdiv,
                             RBRestnie,
                             RBRestJa,
                             RBRestimmer,
                             RBMalGeteiltNegativeNie,
                             RBMalGeteiltNegativeja,
                             RBMalGeteiltNegativeImmer})
        logik(rb);

    for (const auto& feldUndWert : {std::pair{EZahlenraumbis, &Zahlenraum}, std::pair{EQuadrataufgabenBis, &QuadratBis},
                                    std::pair{EMinimalwert, &Minimalwert}}) {
        TEdit* feld = feldUndWert.first;
        std::int32_t* wert = feldUndWert.second;
        feld->OnKeyPress = [this, wert](TEdit& e, char& key) {
            if (key == 13)
                Behandle([this, &e, wert] { EnterFeldUebernehmen(e, *wert); });
        };
        feld->OnExit = [this, wert](TEdit& e) { Behandle([this, &e, wert] { EnterFeldUebernehmen(e, *wert); }); };
    }
    EMinErgDivision->OnChange = [this](TEdit&) { Behandle([this] { EMinErgDivisionChange(); }); };
    UDMinErgDivision->OnClick = [this](TUpDown&, TUDBtnType) { Behandle([this] { UDMinErgDivisionClick(); }); };
}

void TMainForm::Behandle(const std::function<void()>& handler)
{
    // A handler with the rebuild it makes due is one command for the main window: the rules'
    // re-layouts and the new tasks are one step to undo.
    const bool aussen = HandlerTiefe == 0 && Hauptfenster != nullptr;
    if (aussen)
        Hauptfenster->BefehlAnfang();
    try {
        {
            const THandlerRahmen rahmen(*this);
            handler();
        }
        if (HandlerTiefe == 0 && NeuaufbauFaellig)
            Neuaufbau();
    } catch (...) {
        if (aussen)
            Hauptfenster->BefehlEnde();
        throw;
    }
    if (aussen)
        Hauptfenster->BefehlEnde();
}

void TMainForm::Neuaufbau()
{
    NeuaufbauFaellig = false;
    if (Hauptfenster == nullptr || !Hauptfenster->Sichtbar())
        return;
    GeneratorEinstellen();
    Hauptfenster->SetzeGenerator(GeneratorFeld.get());
    Hauptfenster->BNeueAufgabeClick();
}

void TMainForm::VorschauClick()
{
    GeneratorEinstellen();
    if (Hauptfenster == nullptr)
        return;
    Hauptfenster->SetzeGenerator(GeneratorFeld.get());
    const bool warSichtbar = Hauptfenster->Sichtbar();
    Hauptfenster->Zeigen();
    // A visible main window already follows the settings: every rules run rebuilt its page.
    if (!warSichtbar)
        Hauptfenster->BNeueAufgabeClick();
}

void TMainForm::LayoutWarnung()
{
    if (WarnungStumm)
        return;
    Meldungen.Zeige("Warnung:", "Das Layout \"schriftliche Rechnung\" ist nur für Addition und Subtraktion vorgesehen.",
                    TMeldungsart::Warnung);
}
