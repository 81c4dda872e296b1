// SPDX-License-Identifier: GPL-3.0-or-later
// The designed controls of the settings window: names, captions, tags, hints, defaults and
// the group box or tab page each sits in. Radio buttons that exclude each other share one
// container, because the control model unchecks the siblings of a container.

#include "settings/Main.h"

#include <string>
#include <utility>

namespace {

TGroupBox& Gruppe(TFormular& f, std::string name, TContainer* parent, std::string caption)
{
    auto& g = f.Erzeuge<TGroupBox>(std::move(name), parent);
    g.SetCaption(std::move(caption));
    return g;
}

TCheckBox& Kasten(TFormular& f, std::string name, TContainer* parent, std::string caption, bool checked = false,
                  std::string hint = {})
{
    auto& c = f.Erzeuge<TCheckBox>(std::move(name), parent);
    c.SetCaption(std::move(caption));
    c.SetChecked(checked);
    c.SetShowHint(!hint.empty());
    c.SetHint(std::move(hint));
    return c;
}

TRadioButton& Knopf(TFormular& f, std::string name, TContainer* parent, std::string caption, bool checked = false,
                    int tag = 0)
{
    auto& r = f.Erzeuge<TRadioButton>(std::move(name), parent);
    r.SetCaption(std::move(caption));
    r.Tag = tag;
    r.SetChecked(checked);
    return r;
}

TLabel& Beschriftung(TFormular& f, std::string name, TContainer* parent, std::string caption)
{
    auto& l = f.Erzeuge<TLabel>(std::move(name), parent);
    l.SetCaption(std::move(caption));
    return l;
}

TButton& Taste(TFormular& f, std::string name, TContainer* parent, std::string caption)
{
    auto& b = f.Erzeuge<TButton>(std::move(name), parent);
    b.SetCaption(std::move(caption));
    return b;
}

TEdit& Feld(TFormular& f, std::string name, TContainer* parent, std::string text)
{
    auto& e = f.Erzeuge<TEdit>(std::move(name), parent);
    e.SetText(std::move(text));
    return e;
}

// An interval up-down with the read-only field that shows its position.
TUpDown& Intervall(TFormular& f, std::string udName, std::string eName, TContainer* parent, int position)
{
    auto& e = Feld(f, std::move(eName), parent, std::to_string(position));
    e.SetReadOnly(true);
    auto& ud = f.Erzeuge<TUpDown>(std::move(udName), parent);
    ud.SetRange(0, 100);
    ud.SetPosition(position);
    ud.Associate = &e;
    return ud;
}

// The row and column labels of one group of digit-count fields.
void StellenBeschriftungen(TFormular& f, TGroupBox& gruppe, const std::string& rolle)
{
    Beschriftung(f, "LStellen" + rolle, &gruppe, "Stellen:");
    Beschriftung(f, "LStellenBis" + rolle, &gruppe, "bis");
    Beschriftung(f, "LNullen" + rolle, &gruppe, "Davon Nullen:");
    Beschriftung(f, "LNullenBis" + rolle, &gruppe, "bis");
}

} // namespace

void TMainForm::SteuerelementeErzeugen()
{
    BitBtn1 = &Taste(*this, "BitBtn1", nullptr, "Zum Hauptfenster");
    Beschriftung(*this, "LFehlermeldungen", nullptr, "Fehlermeldungen:");
    Memo1 = &Erzeuge<TMemo>("Memo1");
    Beschriftung(*this, "LRechenarten", nullptr, "Rechenarten:");
    CBPluskv = &Kasten(*this, "CBPluskv", nullptr, "Plus (+) kommt vor");
    CBMinuskv = &Kasten(*this, "CBMinuskv", nullptr, "Minus (-) kommt vor");
    CBMalkv = &Kasten(*this, "CBMalkv", nullptr, "Mal ( · ) kommt vor", true);
    CBGeteiltkv = &Kasten(*this, "CBGeteiltkv", nullptr, "Geteilt (:) kommt vor");

    PageControl1 = &Erzeuge<TPageControl>("PageControl1");
    GSPlusMinus = &Erzeuge<TTabSheet>("GSPlusMinus");
    GSPlusMinus->SetCaption("Plus, Minus");
    GSMalGeteilt = &Erzeuge<TTabSheet>("GSMalGeteilt");
    GSMalGeteilt->SetCaption("Mal, Geteilt");
    TSPlatzhalterauswahl = &Erzeuge<TTabSheet>("TSPlatzhalterauswahl");
    TSPlatzhalterauswahl->SetCaption("Platzhalter...");
    TabSheet1 = &Erzeuge<TTabSheet>("TabSheet1");
    TabSheet1->SetCaption("Triviale Aufgaben unterdrücken");
    for (TTabSheet* seite : {GSPlusMinus, GSMalGeteilt, TSPlatzhalterauswahl, TabSheet1})
        PageControl1->AddPage(*seite);
    PageControl1->SetActivePage(GSMalGeteilt);

    ErzeugePlusMinus();
    ErzeugeMalGeteilt();
    ErzeugePlatzhalterUndTriviale();
}

void TMainForm::ErzeugePlusMinus()
{
    GBPlusMinus = &Gruppe(*this, "GBPlusMinus", GSPlusMinus, "Addition(+), Subtraktion(-)");
    CBPluskommtvor = &Kasten(*this, "CBPluskommtvor", GBPlusMinus, "Plus (+) kommt vor");
    CBMinuskommtvor = &Kasten(*this, "CBMinuskommtvor", GBPlusMinus, "Minus (-) kommt vor");

    GBZahlenraumbis = &Gruppe(*this, "GBZahlenraumbis", GBPlusMinus, "Zahlenraum bis einschließlich");
    RBZRbis10 = &Knopf(*this, "RBZRbis10", GBZahlenraumbis, "10", false, 10);
    RBZRbis20 = &Knopf(*this, "RBZRbis20", GBZahlenraumbis, "20", false, 20);
    RBZRbis100 = &Knopf(*this, "RBZRbis100", GBZahlenraumbis, "100", false, 100);
    RBZRbis1000 = &Knopf(*this, "RBZRbis1000", GBZahlenraumbis, "1 000", true, 1000);
    RBZRbis10000 = &Knopf(*this, "RBZRbis10000", GBZahlenraumbis, "10 000", false, 10000);
    RBZRbis100000 = &Knopf(*this, "RBZRbis100000", GBZahlenraumbis, "100 000", false, 100000);
    RBZRbis1000000 = &Knopf(*this, "RBZRbis1000000", GBZahlenraumbis, "1 000 000", false, 1000000);
    RBManuelleEingabe = &Knopf(*this, "RBManuelleEingabe", GBZahlenraumbis, "Manuelle Eingabe:");
    EZahlenraumbis = &Feld(*this, "EZahlenraumbis", GBZahlenraumbis, "");
    EZahlenraumbis->SetEnabled(false);

    GBZehneruebergang = &Gruppe(*this, "GBZehneruebergang", GBPlusMinus, "Zehnerübergang");
    RBOhneZU = &Knopf(*this, "RBOhneZU", GBZehneruebergang, "ohne ZÜ", false, 0);
    RBMitZU = &Knopf(*this, "RBMitZU", GBZehneruebergang, "mit ZÜ", true, 1);
    RBImmerZU = &Knopf(*this, "RBImmerZU", GBZehneruebergang, "immer ZÜ", false, 2);
    CBErgZehner = &Kasten(*this, "CBErgZehner", GBZehneruebergang, "Ergänzen auf den nächsten Zehner");
    Beschriftung(*this, "LErgZehner", GBZehneruebergang, "zählt als Zehnerübergang");

    GBHunderteruebergang = &Gruppe(*this, "GBHunderteruebergang", GBPlusMinus, "Hunderterübergang");
    RBOhneHU = &Knopf(*this, "RBOhneHU", GBHunderteruebergang, "ohne HÜ", false, 0);
    RBMitHU = &Knopf(*this, "RBMitHU", GBHunderteruebergang, "Mit HÜ", true, 1);
    RBImmerHU = &Knopf(*this, "RBImmerHU", GBHunderteruebergang, "immer HÜ", false, 2);
    CBErgHunderter = &Kasten(*this, "CBErgHunderter", GBHunderteruebergang, "Ergänzen auf den nächsten Hunderter");
    Beschriftung(*this, "LErgHunderter", GBHunderteruebergang, "zählt als Hunderterübergang");

    GBSpezielleRechnungen = &Gruppe(*this, "GBSpezielleRechnungen", GSPlusMinus, "Welche Rechnungen dürfen vorkommen?");
    RBAlleRechenarten = &Knopf(*this, "RBAlleRechenarten", GBSpezielleRechnungen, "Alle", true);
    RBNichtAlle = &Knopf(*this, "RBNichtAlle", GBSpezielleRechnungen, "Nur folgende Kombinationen:");
    Beschriftung(*this, "LFahrenSie", GBSpezielleRechnungen, "Fahren Sie");
    Beschriftung(*this, "LMitDerMaus", GBSpezielleRechnungen, "mit der Maus");
    Beschriftung(*this, "LAufDieKaestchen", GBSpezielleRechnungen, "auf die Kästchen,");
    Beschriftung(*this, "LBeispiele", GBSpezielleRechnungen, "dann erscheinen Beispiele!");
    GroupBox1 = &Gruppe(*this, "GroupBox1", GBSpezielleRechnungen, "");
    Beschriftung(*this, "LReihenfolge", GroupBox1, "Reihenfolge:");
    Beschriftung(*this, "LWennZB", GroupBox1, "Wenn z.B. ZE + E");
    Beschriftung(*this, "LGewaehlt", GroupBox1, "gewählt wurde, sollen");
    Beschriftung(*this, "LFolgendeArten", GroupBox1, "folgende Aufgabenarten");
    Beschriftung(*this, "LVorkommen", GroupBox1, "vorkommen:");
    RBZEplusE = &Knopf(*this, "RBZEplusE", GroupBox1, "ZE + E");
    RBEplusZE = &Knopf(*this, "RBEplusZE", GroupBox1, "E + ZE");
    RBPlusArtenbeide = &Knopf(*this, "RBPlusArtenbeide", GroupBox1, "sowohl als auch!", true);

    GBAllgemein = &Gruppe(*this, "GBAllgemein", GSPlusMinus, "Allgemeine Eigenschaften (betreffen beide Rechenarten)");
    CBNullKommtVor = &Kasten(*this, "CBNullKommtVor", GBAllgemein, "Null kommt vor");
    CBPlatzhalteraufgaben = &Kasten(*this, "CBPlatzhalteraufgaben", GBAllgemein, "Platzhalter kommen vor");
    Beschriftung(*this, "LNegativePM", GBAllgemein, "Sollen negative Zahlen vorkommen?");
    RBPlusMinusohneNegative = &Knopf(*this, "RBPlusMinusohneNegative", GBAllgemein, "nein", true);
    RBPlusMinusmitNegative = &Knopf(*this, "RBPlusMinusmitNegative", GBAllgemein, "ja");
    RBPlusMinusNegativeImmer = &Knopf(*this, "RBPlusMinusNegativeImmer", GBAllgemein, "Immer");
    CBPositiveZahlenKlammernPM =
        &Kasten(*this, "CBPositiveZahlenKlammernPM", GBAllgemein, "Positive Zahlen klammern: ");
    CBPositiveZahlenKlammernPM->SetVisible(false);

    GBKlasse4Aufgaben = &Gruppe(*this, "GBKlasse4Aufgaben", GSPlusMinus,
                                "Operandentypen festlegen (BEMERKUNG: Wird hier angekreuzt, so "
                                "werden oben Optionen ausgeblendet!)");
    CBNurFolgendeOperanden = &Kasten(*this, "CBNurFolgendeOperanden", GBKlasse4Aufgaben,
                                     "In den Operanden werden folgende Stellen besetzt:");
    GBOp1 = &Gruppe(*this, "GBOp1", GBKlasse4Aufgaben, "1. Operand:");
    GBOp2 = &Gruppe(*this, "GBOp2", GBKlasse4Aufgaben, "2. Operand:");
    for (int o = 1; o <= 2; ++o) {
        TGroupBox* op = o == 1 ? GBOp1 : GBOp2;
        const std::string n = std::to_string(o);
        Beschriftung(*this, "LStellenOp" + n, op, "Mill   HT   ZT    T      H     Z      E");
        Beschriftung(*this, "LKannOp" + n, op, "Kann vorkommen");
        Beschriftung(*this, "LMussOp" + n, op, "Muss vorkommen");
    }
}

void TMainForm::ErzeugeMalGeteilt()
{
    GBMal = &Gruppe(*this, "GBMal", GSMalGeteilt, "Multiplikation ( · )");
    CBMalkommtvor = &Kasten(*this, "CBMalkommtvor", GBMal, "Mal ( · ) kommt vor", true);
    GBMultArt = &Gruppe(*this, "GBMultArt", GBMal, "Wie rechnen?");
    RBEinmaleins = &Knopf(*this, "RBEinmaleins", GBMultArt, "Einmaleins", true);
    RBSchriftlich = &Knopf(*this, "RBSchriftlich", GBMultArt, "schriftlich");
    RBFaktorenInnerhalbVonIntervallen =
        &Knopf(*this, "RBFaktorenInnerhalbVonIntervallen", GBMultArt, "Faktoren innerhalb");
    Beschriftung(*this, "LVonIntervallen", GBMultArt, "von Intervallen");
    RBBesondereProdukte = &Knopf(*this, "RBBesondereProdukte", GBMultArt, "Besondere Produkte");

    GBMultWelcheEinmalEins = &Gruppe(*this, "GBMultWelcheEinmalEins", GBMal, "Welche \"Einmaleins\"?");
    BMult1bis10 = &Taste(*this, "BMult1bis10", GBMultWelcheEinmalEins, "1..10");
    BMult11bis20 = &Taste(*this, "BMult11bis20", GBMultWelcheEinmalEins, "11..20");
    CBMalUA = &Kasten(*this, "CBMalUA", GBMultWelcheEinmalEins, "TA", false,
                      "Tauschaufgaben zulassen, z.B. 5*4=20 beim 5'er Einmaleins");
    CBMultkzmalkz =
        &Kasten(*this, "CBMultkzmalkz", GBMultWelcheEinmalEins, "<=10 · <=10", true, "Beide Faktoren <= 10");
    CBMultkzmalgz = &Kasten(*this, "CBMultkzmalgz", GBMultWelcheEinmalEins, "<=10 · >=10", false,
                            "1. Faktor <= 10, 2. Faktor >= 10");
    CBMultgzmalgz =
        &Kasten(*this, "CBMultgzmalgz", GBMultWelcheEinmalEins, ">=10 · >=10", false, "Beide Faktoren >= 10");
    CBSchwereEinmaleinshaeufiger = &Kasten(*this, "CBSchwereEinmaleinshaeufiger", GBMultWelcheEinmalEins, "");
    Beschriftung(*this, "LSchwereMult1", GBMultWelcheEinmalEins, "Schwere Einmaleins-");
    Beschriftung(*this, "LSchwereMult2", GBMultWelcheEinmalEins, "Rechnungen häufiger:");
    CBQuadrataufgaben = &Kasten(*this, "CBQuadrataufgaben", GBMultWelcheEinmalEins, "Quadrataufg. (z.B. 7 · 7 = __)");
    LBis = &Beschriftung(*this, "LBis", GBMultWelcheEinmalEins, "bis:");
    EQuadrataufgabenBis = &Feld(*this, "EQuadrataufgabenBis", GBMultWelcheEinmalEins, "10");

    GBBesondereProdukte = &Gruppe(*this, "GBBesondereProdukte", GBMal, "Besondere Produkte:");
    GBBesondereProdukte->SetHint("Einer mal Zehner, z.B. 5 · 40");
    GBBesondereProdukte->SetShowHint(true);
    CBEmalZ = &Kasten(*this, "CBEmalZ", GBBesondereProdukte, "E · Z", false, "z.B. 5 · 20");
    CBZEmalZ = &Kasten(*this, "CBZEmalZ", GBBesondereProdukte, "ZE · Z", false, "z.B. 34 · 50");

    GBZahlenraumFaktor1 = &Gruppe(*this, "GBZahlenraumFaktor1", GBMal, "Zahlenraum für 1. Faktor (schriftlich)");
    GBZahlenraumFaktor2 = &Gruppe(*this, "GBZahlenraumFaktor2", GBMal, "Zahlenraum für 2. Faktor (schriftlich)");

    StellenBeschriftungen(*this, *GBZahlenraumFaktor1, "Faktor1");
    StellenBeschriftungen(*this, *GBZahlenraumFaktor2, "Faktor2");

    GBIntervalle = &Gruppe(*this, "GBIntervalle", GBMal, "Faktoren innerhalb von Intervallen");
    Beschriftung(*this, "LFaktor1Von", GBIntervalle, "1. Faktor von");
    UDIntFaktor1Von = &Intervall(*this, "UDIntFaktor1Von", "EIntFaktor1Von", GBIntervalle, 1);
    Beschriftung(*this, "LFaktor1Bis", GBIntervalle, "bis");
    UDIntFaktor1Bis = &Intervall(*this, "UDIntFaktor1Bis", "EFaktor1Bis", GBIntervalle, 10);
    Beschriftung(*this, "LFaktor2Von", GBIntervalle, "2. Faktor von");
    UDIntFaktor2Von = &Intervall(*this, "UDIntFaktor2Von", "EIntFaktor2Von", GBIntervalle, 1);
    Beschriftung(*this, "LFaktor2Bis", GBIntervalle, "bis");
    UdIntFaktor2Bis = &Intervall(*this, "UdIntFaktor2Bis", "EIntFaktor2Bis", GBIntervalle, 10);
    EIntFaktor1Von = UDIntFaktor1Von->Associate;
    EFaktor1Bis = UDIntFaktor1Bis->Associate;
    EIntFaktor2Von = UDIntFaktor2Von->Associate;
    EIntFaktor2Bis = UdIntFaktor2Bis->Associate;

    GBGeteilt = &Gruppe(*this, "GBGeteilt", GSMalGeteilt, "Division( : )");
    CBGeteiltkommtvor = &Kasten(*this, "CBGeteiltkommtvor", GBGeteilt, "Geteilt ( : ) kommt vor");
    GBDivArt = &Gruppe(*this, "GBDivArt", GBGeteilt, "Wie rechnen?");
    RBEinmaleinsdiv = &Knopf(*this, "RBEinmaleinsdiv", GBDivArt, "Einmaleins");
    RBSchriftlichdiv = &Knopf(*this, "RBSchriftlichdiv", GBDivArt, "schriftlich", true);

    GBDivWelcheEinmaleins = &Gruppe(*this, "GBDivWelcheEinmaleins", GBGeteilt, "Welche \"Einmaleins\"?");
    Button1 = &Taste(*this, "Button1", GBDivWelcheEinmaleins, "1..10");
    Button2 = &Taste(*this, "Button2", GBDivWelcheEinmaleins, "11..20");
    CBGeteiltUA = &Kasten(*this, "CBGeteiltUA", GBDivWelcheEinmaleins, "TA", false,
                          "Tauschaufgaben zulassen, z.B. 32:4 beim 8'er Einmaleins");
    CBDivkzdurchkz = &Kasten(*this, "CBDivkzdurchkz", GBDivWelcheEinmaleins, "D: (<=10) = (<=10)", true,
                             "Divisor <= 10, Ergebnis <= 10");
    CBDivgzdurchkz = &Kasten(*this, "CBDivgzdurchkz", GBDivWelcheEinmaleins, "D : (>=10) = (<=10)", false,
                             "Divisor >=10, Ergebnis <=10");
    CBDivgzdurchgz = &Kasten(*this, "CBDivgzdurchgz", GBDivWelcheEinmaleins, "D : (>=10) = (>=10)", false,
                             "Divisor >= 10, Ergebnis >= 10");
    CBDivSchwerehaeufiger = &Kasten(*this, "CBDivSchwerehaeufiger", GBDivWelcheEinmaleins, "");
    Beschriftung(*this, "LSchwereDiv1", GBDivWelcheEinmaleins, "Schwere Einmaleins-");
    Beschriftung(*this, "LSchwereDiv2", GBDivWelcheEinmaleins, "Rechnungen häufiger:");

    GBDivisionsrest = &Gruppe(*this, "GBDivisionsrest", GBGeteilt, "Rechnen mit Rest");
    Beschriftung(*this, "LRest1", GBDivisionsrest, "Kommen Ergebnisse mit ");
    Beschriftung(*this, "LRest2", GBDivisionsrest, "Rest vor?");
    RBRestnie = &Knopf(*this, "RBRestnie", GBDivisionsrest, "nie", true);
    RBRestJa = &Knopf(*this, "RBRestJa", GBDivisionsrest, "ja");
    RBRestimmer = &Knopf(*this, "RBRestimmer", GBDivisionsrest, "immer");

    GBDividendZahlenraum = &Gruppe(*this, "GBDividendZahlenraum", GBGeteilt, "Zahlenraum Dividend (schriftlich)");
    GBDivisorZahlenraum = &Gruppe(*this, "GBDivisorZahlenraum", GBGeteilt, "Zahlenraum Divisor (schriftlich)");

    StellenBeschriftungen(*this, *GBDividendZahlenraum, "Dividend");
    StellenBeschriftungen(*this, *GBDivisorZahlenraum, "Divisor");

    GBAllgEigenschaften =
        &Gruppe(*this, "GBAllgEigenschaften", GSMalGeteilt, "Allgemeine Eigenschaften (betreffen beide Rechenarten)");
    CBNullkommtvorMultDiv = &Kasten(*this, "CBNullkommtvorMultDiv", GBAllgEigenschaften, "Null kommt vor");
    CBPlatzhalterkommenvormultdiv =
        &Kasten(*this, "CBPlatzhalterkommenvormultdiv", GBAllgEigenschaften, "Platzhalter kommen vor");
    Beschriftung(*this, "LNegativeMG", GBAllgEigenschaften, "Sollen negative Zahlen vorkommen?");
    RBMalGeteiltNegativeNie = &Knopf(*this, "RBMalGeteiltNegativeNie", GBAllgEigenschaften, "nein", true);
    RBMalGeteiltNegativeja = &Knopf(*this, "RBMalGeteiltNegativeja", GBAllgEigenschaften, "ja");
    RBMalGeteiltNegativeImmer = &Knopf(*this, "RBMalGeteiltNegativeImmer", GBAllgEigenschaften, "Immer");
    CBPositiveZahlenKlammernMG =
        &Kasten(*this, "CBPositiveZahlenKlammernMG", GBAllgEigenschaften, "Positive Zahlen klammern: ");
    CBPositiveZahlenKlammernMG->SetVisible(false);

    GBErgDiv = &Gruppe(*this, "GBErgDiv", GSMalGeteilt, "Kleinstes Ergebnis der Division soll sein:");
    EMinErgDivision = &Feld(*this, "EMinErgDivision", GBErgDiv, "0");
    UDMinErgDivision = &Erzeuge<TUpDown>("UDMinErgDivision", GBErgDiv);
    UDMinErgDivision->SetRange(0, 10);
    UDMinErgDivision->SetPosition(0);
}

void TMainForm::ErzeugePlatzhalterUndTriviale()
{
    GroupBox2 = &Gruppe(*this, "GroupBox2", TSPlatzhalterauswahl,
                        "Wenn Platzhalter vorkommen, dürfen sie an folgenden Stellen auftreten: ");
    CBPlatzhalterOp1 = &Kasten(*this, "CBPlatzhalterOp1", GroupBox2, "1. Operand", true);
    CBPlatzhalterOp2 = &Kasten(*this, "CBPlatzhalterOp2", GroupBox2, "2. Operand", true);
    CBPlatzhalterErg = &Kasten(*this, "CBPlatzhalterErg", GroupBox2, "Ergebnis", true);
    Beschriftung(*this, "LBeispielOp1", GroupBox2, "3");
    Beschriftung(*this, "LBeispielPlus", GroupBox2, "+");
    Beschriftung(*this, "LBeispielOp2", GroupBox2, "4");
    Beschriftung(*this, "LBeispielGleich", GroupBox2, "=");
    Beschriftung(*this, "LBeispielErg", GroupBox2, "7");

    GroupBox3 = &Gruppe(*this, "GroupBox3", TSPlatzhalterauswahl, "Bei diesen Rechenarten kommen Platzhalter vor: ");
    CBPlatzhaleraddsub = &Kasten(*this, "CBPlatzhaleraddsub", GroupBox3, "Addition/Subtraktion");
    CBPlatzhalterMultDiv = &Kasten(*this, "CBPlatzhalterMultDiv", GroupBox3, "Multiplikation/Division");

    RGPlatzhalterart = &Erzeuge<TRadioGroup>("RGPlatzhalterart", TSPlatzhalterauswahl);
    RGPlatzhalterart->SetCaption("Platzhalter sehen so aus: ");
    RGPlatzhalterart->SetItems({"Einfacher Platzhalterstrich", "Doppelter Platzhalterstrich"});
    RGPlatzhalterart->SetItemIndex(0);

    Beschriftung(*this, "LBedingungen", TabSheet1, "Der Computer soll versuchen, folgende Bedingungen zu beachten :");
    CBMinimalWert = &Kasten(*this, "CBMinimalWert", TabSheet1, "Keine Operanden/Ergebnisse betragsmäßig kleiner als");
    EMinimalwert = &Feld(*this, "EMinimalwert", TabSheet1, "0");
    CBKeine10HochN =
        &Kasten(*this, "CBKeine10HochN", TabSheet1, "Keine Operatoren der Form k*10^n mit k aus {0..9} und n aus N");
    Beschriftung(*this, "LKeine10HochN", TabSheet1,
                 "(Also keine Zahlen der Form 1,2,...,9,10,20,...,90,100,200,...,900,...");
    Beschriftung(*this, "LBemerkung1", TabSheet1,
                 "Bem.: Gibt es aufgrund der Aufgabenauswahl zu wenige Aufgaben, die den obigen "
                 "Bedingungen genügen,");
    Beschriftung(*this, "LBemerkung2", TabSheet1, "so werden sie nicht berücksichtigt.");
}
