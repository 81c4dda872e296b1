// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over of the settings to the generator: the generator never reads the window, it
// gets a copy of the controls' states in its parameter fields.

#include "settings/Main.h"

namespace {

// Which products k · m a set of the three size boxes admits; 10 counts as small and as large.
bool GroessenRegel(int k, int m, bool kleinKlein, bool kleinGross, bool grossGross)
{
    return (k <= 10 && m <= 10 && kleinKlein) || (((k <= 10 && m >= 10) || (k >= 10 && m <= 10)) && kleinGross)
        || (k >= 10 && m >= 10 && grossGross);
}

std::uint8_t Auswahl3(const TRadioButton& erster, const TRadioButton& zweiter)
{
    return erster.Checked() ? 0 : (zweiter.Checked() ? 1 : 2);
}

} // namespace

void TMainForm::GeneratorEinstellen()
{
    TGSAufgabengenerator& g = *GeneratorFeld;

    g.PlusKommtVor = CBPluskommtvor->Checked();
    g.MinusKommtVor = CBMinuskommtvor->Checked();
    g.Zahlenraum = Zahlenraum;
    g.QuadratBis = QuadratBis;
    g.Quadrataufgaben = CBQuadrataufgaben->Checked();
    g.MinimalwertAktiv = CBMinimalWert->Checked();
    g.Minimalwert = Minimalwert;
    g.Keine10HochN = CBKeine10HochN->Checked();

    // A disabled carry group means the carry is no choice in this range: it may occur.
    g.ZUModus = RBOhneZU->Enabled() ? ZUModus : 1;
    g.HUModus = RBOhneHU->Enabled() ? HUModus : 1;

    g.NurKombinationen = RBNichtAlle->Checked();
    g.Kombination = {};
    for (int i = 1; i <= 7; ++i) {
        // A disabled box keeps its tick but stands for a combination the carries rule out.
        for (int j = 1; j <= i; ++j)
            g.Kombination[i][j] = CBKombination[i][j]->Checked() && CBKombination[i][j]->Enabled();
    }

    g.NullKommtVor = CBNullKommtVor->Checked();
    g.PlatzhalterPM = CBPlatzhalteraufgaben->Checked();

    g.BesondereProdukte = {};
    g.BesondereAnzahl = 0;
    const auto anhaengen = [&g](Typcode erster, Typcode zweiter) {
        g.BesondereProdukte[++g.BesondereAnzahl] = TTypPaar{erster, zweiter};
    };
    if (CBEmalZ->Checked()) {
        anhaengen(TypE, TypZ);
        anhaengen(TypZ, TypE);
    }
    if (CBZEmalZ->Checked()) {
        anhaengen(TypZE, TypZ);
        anhaengen(TypZ, TypZE);
    }

    g.MalKommtVor = CBMalkommtvor->Checked();
    g.GeteiltKommtVor = CBGeteiltkommtvor->Checked();

    if (RBEinmaleins->Checked())
        g.MultArt = 0;
    else if (RBSchriftlich->Checked())
        g.MultArt = 1;
    else if (RBFaktorenInnerhalbVonIntervallen->Checked())
        g.MultArt = 2;
    else
        g.MultArt = 3;
    g.DivArt = RBEinmaleinsdiv->Checked() ? 0 : 1;

    // The swap options are folded into the tables: a swapped task is the mirrored entry.
    g.MultTabelle = {};
    g.DivTabelle = {};
    const int m0 = CBNullkommtvorMultDiv->Checked() ? 0 : 1;
    for (int k = 1; k <= 20; ++k) {
        for (int m = m0; m <= 20; ++m) {
            if (CBMultReihe[k]->Checked()
                && GroessenRegel(k, m, CBMultkzmalkz->Checked(), CBMultkzmalgz->Checked(), CBMultgzmalgz->Checked())) {
                g.MultTabelle[k][m] = true;
                if (CBMalUA->Checked())
                    g.MultTabelle[m][k] = true;
            }
            if (CBDivReihe[k]->Checked()
                && GroessenRegel(k, m, CBDivkzdurchkz->Checked(), CBDivgzdurchkz->Checked(),
                                 CBDivgzdurchgz->Checked())) {
                g.DivTabelle[k][m] = true;
                if (CBGeteiltUA->Checked())
                    g.DivTabelle[m][k] = true;
            }
        }
    }

    g.SchwereMultHaeufiger = CBSchwereEinmaleinshaeufiger->Checked();
    g.SchwereDivHaeufiger = CBDivSchwerehaeufiger->Checked();
    g.NullKommtVorMultDiv = CBNullkommtvorMultDiv->Checked();
    g.PlatzhalterMultDiv = CBPlatzhalterkommenvormultdiv->Checked();

    g.Restmodus = Auswahl3(*RBRestnie, *RBRestJa);

    for (int i = 1; i <= 16; ++i)
        g.StellenGrenzen[i] = UDStellen[i]->Position();
    g.MinErgebnisDiv = UDMinErgDivision->Position();

    g.NegativMultDiv = Auswahl3(*RBMalGeteiltNegativeNie, *RBMalGeteiltNegativeja);
    g.NegativPM = Auswahl3(*RBPlusMinusohneNegative, *RBPlusMinusmitNegative);

    g.PlatzhalterOp1 = CBPlatzhalterOp1->Checked();
    g.PlatzhalterOp2 = CBPlatzhalterOp2->Checked();
    g.PlatzhalterErg = CBPlatzhalterErg->Checked();

    for (int o = 1; o <= 2; ++o) {
        for (int r = 1; r <= 2; ++r) {
            for (int p = 1; p <= 7; ++p)
                g.Stellenmaske[o][r][p] = CBStelle[o][r][p]->Checked();
        }
    }
    g.NurStellen = CBNurFolgendeOperanden->Checked();

    g.Operandenfolge = Auswahl3(*RBZEplusE, *RBEplusZE);

    // Brackets around positive numbers only mean something where negative numbers occur.
    CBPositiveZahlenKlammernPM->SetVisible(g.NegativPM != 0);
    CBPositiveZahlenKlammernMG->SetVisible(g.NegativMultDiv != 0);

    g.Faktor1Von = UDIntFaktor1Von->Position();
    g.Faktor2Von = UDIntFaktor2Von->Position();
    g.Faktor1Bis = UDIntFaktor1Bis->Position();
    g.Faktor2Bis = UdIntFaktor2Bis->Position();

    if (Hauptfenster != nullptr)
        Hauptfenster->SetzePositiveKlammern(PositiveKlammernNachGenerator());

    g.ErgZehner = CBErgZehner->Checked();
    g.ErgHunderter = CBErgHunderter->Checked();
}
