// SPDX-License-Identifier: GPL-3.0-or-later
// The consistency rules of the settings window: LogikCheck and the handlers with rules of
// their own. LogikCheck keeps no memory; it derives everything from the controls, so it may
// be re-entered through the handlers of the controls it changes, and the nesting ends
// because setting a control to its present value runs nothing.

#include "settings/Main.h"
#include "toolkit/Waechter.h"

#include <string>

void TMainForm::LogikCheck()
{
    Behandle([this] { LogikSchritte(); });
}

void TMainForm::LogikSchritte()
{
    if (!RegelnAktiv)
        return;

    const bool nurStellen = CBNurFolgendeOperanden->Checked();
    const bool nichtAlle = RBNichtAlle->Checked();
    // Outside the range where carries are a matter of choice, the carry options only matter
    // for a hand-picked set of combinations.
    GBZehneruebergang->SetEnabled(Zahlenraum > 10 && Zahlenraum <= 1000 ? !nurStellen : nichtAlle && !nurStellen);
    GBHunderteruebergang->SetEnabled(Zahlenraum > 100 && Zahlenraum <= 1000 ? !nurStellen : nichtAlle && !nurStellen);

    KombinationenBerechnen();

    const bool gitterOffen = nichtAlle && !nurStellen;
    RBZEplusE->SetEnabled(gitterOffen);
    RBEplusZE->SetEnabled(gitterOffen);
    RBPlusArtenbeide->SetEnabled(gitterOffen);
    for (int t = 1; t <= 7; ++t) {
        BSpaltenkopf[t]->SetEnabled(gitterOffen && KombinationMoeglich[7][t]);
        BZeilenkopf[t]->SetEnabled(gitterOffen && KombinationMoeglich[7][t]);
        for (int j = 1; j <= t; ++j)
            CBKombination[t][j]->SetEnabled(gitterOffen && KombinationMoeglich[t][j]);
    }

    EZahlenraumbis->SetEnabled(RBManuelleEingabe->Checked());

    GBMultWelcheEinmalEins->SetEnabled(RBEinmaleins->Checked());
    GBBesondereProdukte->SetEnabled(RBBesondereProdukte->Checked());
    GBZahlenraumFaktor1->SetEnabled(RBSchriftlich->Checked());
    GBZahlenraumFaktor2->SetEnabled(RBSchriftlich->Checked());
    GBIntervalle->SetEnabled(RBFaktorenInnerhalbVonIntervallen->Checked());
    GBDivWelcheEinmaleins->SetEnabled(RBEinmaleinsdiv->Checked());
    GBDividendZahlenraum->SetEnabled(RBSchriftlichdiv->Checked());
    GBDivisorZahlenraum->SetEnabled(RBSchriftlichdiv->Checked());
    const bool quadrate = RBEinmaleins->Checked() && CBQuadrataufgaben->Checked();
    EQuadrataufgabenBis->SetEnabled(quadrate);
    LBis->SetEnabled(quadrate);

    // A text that changes runs the field's change handler, which couples the field's group.
    for (int t = 1; t <= 16; ++t)
        EStellen[t]->SetText(std::to_string(UDStellen[t]->Position()));

    // The rebuild itself waits for the end of the outermost handler, so that one user action
    // gives one new page, built from the final settings.
    if (Hauptfenster != nullptr && Hauptfenster->Sichtbar())
        NeuaufbauFaellig = true;

    for (int o = 1; o <= 2; ++o) {
        for (int s = 1; s <= 7; ++s) {
            if (CBStelle[o][2][s]->Checked() && !CBStelle[o][1][s]->Checked())
                CBStelle[o][1][s]->SetChecked(true);
        }
    }
    for (int o = 1; o <= 2; ++o) {
        for (int s = 1; s <= 7; ++s) {
            CBStelle[o][2][s]->SetEnabled(nurStellen);
            CBStelle[o][1][s]->SetEnabled(nurStellen && !CBStelle[o][2][s]->Checked());
        }
    }

    RBAlleRechenarten->SetEnabled(!nurStellen);
    RBNichtAlle->SetEnabled(!nurStellen);

    if (Hauptfenster != nullptr)
        Hauptfenster->SetzePositiveKlammern(PositiveKlammernNachGenerator());

    EMinimalwert->SetEnabled(CBMinimalWert->Checked());
}

void TMainForm::KombinationenBerechnen()
{
    auto& k = KombinationMoeglich;
    const auto setzeTyp = [&k](int t, bool wert) {
        for (int x = 1; x <= 7; ++x) {
            k[t][x] = wert;
            k[x][t] = wert;
        }
    };

    for (auto& zeile : k)
        zeile.fill(true);
    if (RBImmerZU->Checked()) {
        // Whole tens and hundreds leave no units to carry.
        for (const int t : {2, 4, 6})
            setzeTyp(t, false);
    }
    if (RBImmerHU->Checked()) {
        for (const int t : {1, 4})
            setzeTyp(t, false);
        setzeTyp(5, true);
        k[5][4] = false;
        k[6][5] = false;
        k[3][1] = true;
        k[7][1] = true;
        k[5][3] = true;
        k[7][5] = true;
        if (RBOhneZU->Checked()) {
            k[3][1] = false;
            k[7][1] = false;
        }
    }
}

bool TMainForm::PositiveKlammernNachGenerator() const
{
    // The modes as last handed over, as the page was built from them.
    return CBPositiveZahlenKlammernPM->Checked()
        && (GeneratorFeld->NegativPM != 0 || GeneratorFeld->NegativMultDiv != 0);
}

void TMainForm::RechenartClick(TCheckBox& haupt, TCheckBox& schnell, bool warnen)
{
    schnell.SetChecked(haupt.Checked());
    if (warnen && haupt.Checked() && Hauptfenster != nullptr && Hauptfenster->CBSchriftlich())
        LayoutWarnung();
    LogikCheck();
}

void TMainForm::ZahlenraumRBClicked(const TRadioButton& rb)
{
    Zahlenraum = rb.Tag;
    LogikCheck();
}

void TMainForm::RBZehneruebergangClick(const TRadioButton& rb)
{
    ZUModus = static_cast<std::uint8_t>(rb.Tag);
    LogikCheck();
}

void TMainForm::RBHunderteruebergangClick(const TRadioButton& rb)
{
    HUModus = static_cast<std::uint8_t>(rb.Tag);
    LogikCheck();
}

void TMainForm::SpaltenkopfClick(int i)
{
    const bool referenz = CBKombination[i][1]->Checked();
    for (int j = 1; j <= i; ++j) {
        if (CBKombination[i][j]->Enabled())
            CBKombination[i][j]->SetChecked(!referenz);
    }
    LogikCheck();
}

void TMainForm::ZeilenkopfClick(int j)
{
    const bool referenz = CBKombination[7][j]->Checked();
    for (int i = j; i <= 7; ++i) {
        if (CBKombination[i][j]->Enabled())
            CBKombination[i][j]->SetChecked(!referenz);
    }
    LogikCheck();
}

void TMainForm::ReihenUmschalten(std::array<TCheckBox*, 21>& reihen, int erste)
{
    const bool referenz = reihen[erste]->Checked();
    {
        const TWertWaechter pause(RegelnAktiv, false);
        for (int k = erste; k < erste + 10; ++k)
            reihen[k]->SetChecked(!referenz);
    }
    LogikCheck();
}

void TMainForm::CBPositiveZahlenKlammernPMClick()
{
    CBPositiveZahlenKlammernMG->SetChecked(CBPositiveZahlenKlammernPM->Checked());
    if (Hauptfenster == nullptr)
        return;
    Hauptfenster->SetzePositiveKlammern(PositiveKlammernNachGenerator());
    Hauptfenster->Seitenmetrik();
}

void TMainForm::RGPlatzhalterartClick()
{
    if (Hauptfenster == nullptr || RGPlatzhalterart->ItemIndex() == Hauptfenster->Platzhalterart())
        return;
    Hauptfenster->SetzePlatzhalterart(RGPlatzhalterart->ItemIndex());
    Hauptfenster->ParameterUebergeben();
    Hauptfenster->BSeitenmetrik();
}
