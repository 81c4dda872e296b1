// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window, their captions, defaults and handlers.

#include "app/UZeichnen.h"

#include "app/UZeichnenLayoutwerte.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Ziffernfilter.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

namespace {

TTabSheet& Reiter(TFormular& f, TPageControl& pc, std::string name, std::string caption)
{
    auto& seite = f.Erzeuge<TTabSheet>(std::move(name));
    seite.SetCaption(std::move(caption));
    pc.AddPage(seite);
    return seite;
}

TButton& Knopf(TFormular& f, std::string name, TContainer* parent, std::string caption, int tag = 0)
{
    auto& b = f.Erzeuge<TButton>(std::move(name), parent);
    b.SetCaption(std::move(caption));
    b.Tag = tag;
    return b;
}

} // namespace

// The arrays of the layout values hold one place more than the table: index 0 stays unused.
static_assert(std::tuple_size_v<decltype(TZeichnen::RandWerte)> == Layoutwerte.size() + 1);
static_assert(std::tuple_size_v<decltype(TZeichnen::RandWerteEdits)> == Layoutwerte.size() + 1);
static_assert(std::tuple_size_v<decltype(TZeichnen::RandUpDowns)> == Layoutwerte.size() + 1);

void TZeichnen::FormCreate()
{
    PCEigenschaften = &Erzeuge<TPageControl>("PCEigenschaften");
    auto& layout1 = Reiter(*this, *PCEigenschaften, "TSLayout1", "Layout 1");
    Reiter(*this, *PCEigenschaften, "TSLayout2", "Layout 2");
    Reiter(*this, *PCEigenschaften, "TSNummerierung", "Nummerierung");
    Reiter(*this, *PCEigenschaften, "TSSeitenraender", "Seitenränder");
    Reiter(*this, *PCEigenschaften, "TSSchriftarten", "Schriftarten");
    Reiter(*this, *PCEigenschaften, "TSAufgabenzahl", "Aufgabenzahl");
    Reiter(*this, *PCEigenschaften, "TSPlatzhaltergroesse", "Platzhaltergröße");
    Reiter(*this, *PCEigenschaften, "TSUeberschrift", "Überschrift");
    Reiter(*this, *PCEigenschaften, "TSLoesungen", "Lösungen");
    Reiter(*this, *PCEigenschaften, "TSEinzeln", "Einzeln bearbeiten");
    PCEigenschaften->SetActivePage(&layout1);
    Laedt = false;
    Zeichnet = false;
    SeiteBereit = true;

    KnopfzeileErzeugen();
    LayoutwerteErzeugen();
    SchriftenErzeugen();
    OptionenErzeugen();
    AufgabenzahlErzeugen();

    NummernMitZiffern = true;
    ZeichenNachNummer = ".";
    CBNurRechnung->SetChecked(false);
    CBSchriftlichFeld->SetChecked(false);
    CBGespensterAufgaben->SetChecked(false);
    CBX->SetChecked(true);
    CBFragezeichen->SetChecked(true);
    RBSeiteFuellenClick();
    InfoGezeigt = false;
    ErsterStart = true;
}

TContainer& TZeichnen::Reiterseite(const char* name)
{
    return dynamic_cast<TContainer&>(*Finde(name));
}

// The row of buttons with the zoom box, the sheet on its paint box and scroll bars, and the
// hint on the page "Einzeln bearbeiten".
void TZeichnen::KnopfzeileErzeugen()
{
    auto& einzeln = Reiterseite("TSEinzeln");
    Erzeuge<TLabel>("LZoom").SetCaption("Zoom:");
    LPasstNicht = &Erzeuge<TLabel>("LPasstNicht");
    LPasstNicht->SetVisible(false);
    ZoomBox = &Erzeuge<TComboBox>("ZoomBox");
    BHauptformular = &Knopf(*this, "BHauptformular", nullptr, "Aufgabenart wählen ...");
    BNeueAufgabe = &Knopf(*this, "BNeueAufgabe", nullptr, "Neue Aufgaben");
    BNeueAufgabe->SetTop(63);
    BNeueAufgabe->SetHeight(25);
    BKopieren = &Knopf(*this, "BKopieren", nullptr, "In die Zwischenabl. kopieren");
    BDrucken = &Knopf(*this, "BDrucken", nullptr, "Drucken ...");
    BOeffnen = &Knopf(*this, "BOeffnen", nullptr, "");
    BOeffnen->SetHint("Gespeichertes Zifferbogen (mit Einstellungen) öffnen ...");
    BOeffnen->SetShowHint(true);
    BSpeichern = &Knopf(*this, "BSpeichern", nullptr, "");
    BSpeichern->SetHint("Zifferbogen (mit Einstellungen) speichern ...");
    BSpeichern->SetShowHint(true);
    PaintBox = &Erzeuge<TPaintBox>("PaintBox");
    ScrollBarHor = &Erzeuge<TScrollBar>("ScrollBarHor");
    ScrollBarHor->SetHeight(17);
    ScrollBarVert = &Erzeuge<TScrollBar>("ScrollBarVert");
    ScrollBarVert->SetKind(TScrollBarKind::sbVertical);
    ScrollBarVert->SetWidth(17);
    Erzeuge<TLabel>("LEinzeln", &einzeln)
        .SetCaption("Klicken Sie mit der linken Maustaste (automatische Wahl)  bzw. mit der rechten Maustaste "
                    "(manuelle Eingabe) auf die Aufgabe, die Sie verändern wollen!");

    BlattFeld = std::make_unique<TBlatt>(*PaintBox, *PCEigenschaften, *ZoomBox, *ScrollBarVert, *ScrollBarHor);
    Generator = nullptr;
    PaintBox->OnPaint = [this](TPaintBox&) { PaintBoxPaint(); };
    BHauptformular->OnClick = [this](TButton&) { BHauptformularClick(); };
    BNeueAufgabe->OnClick = [this](TButton&) { BNeueAufgabeClick(); };
    BKopieren->OnClick = [this](TButton&) { Kopieren1Click(); };
    BDrucken->OnClick = [this](TButton&) { Drucken1Click(); };
    BOeffnen->OnClick = [this](TButton&) { Oeffnen1Click(); };
    BSpeichern->OnClick = [this](TButton&) { Speichern1Click(); };
}

// The nine layout values with their labels, fields and arrows, on their tab pages.
void TZeichnen::LayoutwerteErzeugen()
{
    auto& platzhalter = Reiterseite("TSPlatzhaltergroesse");
    for (const TLayoutwert& w : Layoutwerte) {
        auto* reiter = dynamic_cast<TContainer*>(Finde(w.Reiter));
        const auto i = static_cast<std::size_t>(w.Index);
        auto& label = Erzeuge<TLabel>(w.Beschriftung, reiter);
        label.SetCaption(w.Text);
        RandWerteEdits[i] = &Erzeuge<TEdit>(w.Feld, reiter);
        auto& pfeile = Erzeuge<TUpDown>(w.Pfeile, reiter);
        pfeile.SetRange(0, 1000);
        pfeile.SetPosition(500);
        pfeile.Tag = w.Index;
        RandUpDowns[i] = &pfeile;
        RandWerte[i] = w.Vorgabe;
        if (w.Index <= 4) {
            // The four margins in a row, 128 apart.
            label.SetBounds((w.Index - 1) * 128, 6, 32, 0);
            RandWerteEdits[i]->SetBounds((w.Index - 1) * 128 + 34, 4, 65, 0);
            pfeile.SetBounds((w.Index - 1) * 128 + 100, 3, 16, 24);
            RandLabels[i] = &label;
        }
    }
    RandWerteEdits[2]->SetLeft(166);
    RandUpDowns[2]->SetLeft(232);
    // "Rechts:" needs the room its field leaves, or the view fits it in a smaller font.
    RandLabels[2]->SetWidth(37);
    Erzeuge<TLabel>("LPlatzhaltergroesse", &platzhalter)
        .SetCaption("Größe einer Ziffer in Schülerschrift (zur Bemessung des Leerraums):");
    for (const TLayoutwert& w : Layoutwerte) {
        TEdit& feld = *RandWerteEdits[static_cast<std::size_t>(w.Index)];
        feld.OnKeyPress = [this](TEdit&, char& taste) { RandEditKeyPress(taste); };
        feld.OnExit = [this](TEdit&) { RandEditExit(); };
        RandUpDowns[static_cast<std::size_t>(w.Index)]->OnClick = [this](TUpDown& u, TUDBtnType richtung) {
            RandUDCLick(u.Tag, richtung == TUDBtnType::btNext);
        };
    }
}

// The five fonts and the buttons that change them, and the other buttons of the tab pages.
void TZeichnen::SchriftenErzeugen()
{
    auto& schriften = Reiterseite("TSSchriftarten");
    auto& nummerierung = Reiterseite("TSNummerierung");
    auto& ueberschrift = Reiterseite("TSUeberschrift");
    const auto schrift = [](int stil, int groesse) {
        TSchrift s;
        s.Name = "Arial";
        s.Stil = stil;
        s.Groesse = groesse;
        return s;
    };
    Schriften = {TSchrift{},
                 schrift(0, 16),
                 schrift(0, 8),
                 schrift(TSchrift::Fett, 24),
                 schrift(TSchrift::Fett, 16),
                 schrift(TSchrift::Kursiv, 12)};
    Schriftgroessen = {0, 16, 8, 24, 16, 12};
    const auto schriftknopf = [this](TButton& knopf) { SchriftCLick(knopf.Tag); };
    for (const auto& [name, caption, tag] :
         {std::tuple{"BAufgabenschrift", "Schrift...", 1}, std::tuple{"BLoesungsschrift", "Schrift...", 2},
          std::tuple{"BUeberschrift", "Schrift...", 3}, std::tuple{"Button1", "Schrift...", 4},
          std::tuple{"BArbeitsanweisungschrift", "Schrift ...", 5}}) {
        Knopf(*this, name, &schriften, caption, tag).OnClick = schriftknopf;
    }
    for (const auto& [name, caption] :
         {std::pair{"LAufgabenschrift", "Aufgaben:"}, std::pair{"LLoesungsschrift", "Lösungen:"},
          std::pair{"LUeberschriftschrift", "Überschrift:"}, std::pair{"LNummerierungsschrift", "Nummerierung:"},
          std::pair{"LArbeitsanweisungschrift", "Arbeitsanweisung:"}}) {
        Erzeuge<TLabel>(name, &schriften).SetCaption(caption);
    }
    Knopf(*this, "BNumSchrift", &nummerierung, "Schrift...", 4).OnClick = schriftknopf;
    Knopf(*this, "BNummerierungsart", &nummerierung, "Nummerierungszeichen...").OnClick = [this](TButton&) {
        BNummerierungsartClick();
    };
    Knopf(*this, "BUeberschriftBearbeiten", &ueberschrift, "Überschrift und Arbeitsanweisung bearbeiten ...").OnClick =
        [this](TButton&) { BUeberschriftBearbeitenClick(); };
    RandWerteEditsSetzen();
}

// The layout options; each click lays the page out anew.
void TZeichnen::OptionenErzeugen()
{
    auto& layout1 = Reiterseite("TSLayout1");
    auto& layout2 = Reiterseite("TSLayout2");
    auto& nummerierung = Reiterseite("TSNummerierung");
    auto& loesungen = Reiterseite("TSLoesungen");
    const auto option = [this](const char* name, TContainer& seite, const char* caption, bool an) -> TCheckBox& {
        auto& box = Erzeuge<TCheckBox>(name, &seite);
        box.SetCaption(caption);
        box.SetChecked(an);
        box.OnClick = [this](TCheckBox&) { BSeitenmetrik(); };
        return box;
    };
    CBTrennlinien = &option("CBTrennlinien", layout1, "Trennlinien zw. Spalten", false);
    CBNurRechnung = &option("CBNurRechnung", layout1, "Nur Rechnung", false);
    CBNurRechnung->SetHint("z.B. 324 + 7, ohne = und Ergebnis");
    CBNurRechnung->SetShowHint(true);
    CBSchriftlichFeld = &option("CBSchriftlich", layout2, "schriftl.Rechnung", false);
    CBSchriftlichFeld->OnClick = [this](TCheckBox&) { CBSchriftlichClick(); };
    CBRechenkaestchen = &option("CBRechenkaestchen", layout2, "Rechenkästchen", false);
    auto& ausrichtung = Erzeuge<TGroupBox>("GBAusrichtung", &layout2);
    ausrichtung.SetCaption("Ausrichtung der Operanden");
    RBZentriert = &Erzeuge<TRadioButton>("RBZentriert", &ausrichtung);
    RBZentriert->SetCaption("zentriert");
    RBZentriert->SetChecked(true);
    RBRechtsbuendig = &Erzeuge<TRadioButton>("RBRechtsbuendig", &ausrichtung);
    RBRechtsbuendig->SetCaption("rechtsbündig");
    RBZentriert->OnClick = [this](TRadioButton&) { BSeitenmetrik(); };
    RBRechtsbuendig->OnClick = [this](TRadioButton&) { BSeitenmetrik(); };
    CBGespensterAufgaben = &option("CBGespensterAufgaben", layout2, "Gespensteraufgaben", false);
    CBX = &option("CBX", layout2, "X", true);
    CBFragezeichen = &option("CBFragezeichen", layout2, "?", true);
    CBNummerierung = &option("CBNummerierung", nummerierung, "Nummerierung", false);
    CBVertikalNummerieren = &option("CBVertikalNummerieren", nummerierung, "vertik. nummerieren", false);
    CBLoesungaufPlatzhalter = &option("CBLoesungaufPlatzhalter", loesungen, "Lösungen auf Platzhalterstrich", false);
    CBQuersumme = &option("CBQuersumme", loesungen, "Quersumme der Lösung unter jede Aufgabe schreiben", false);
    CBLoesungen = &option("CBLoesungen", loesungen, "Lösungsspalte rechts", false);
    CBLoesungenDurcheinander = &option("CBLoesungenDurcheinander", loesungen, "Lösungen durcheinander", false);
    CBLoesungenDurcheinander->SetVisible(false);
}

// Filling the page, or a chosen number of rows and columns.
void TZeichnen::AufgabenzahlErzeugen()
{
    auto& aufgabenzahl = Reiterseite("TSAufgabenzahl");
    RBSeiteFuellen = &Erzeuge<TRadioButton>("RBSeiteFuellen", &aufgabenzahl);
    RBSeiteFuellen->SetCaption("Seite möglichst füllen");
    RBSeiteFuellen->SetChecked(true);
    RBGenauFestlegen = &Erzeuge<TRadioButton>("RBGenauFestlegen", &aufgabenzahl);
    RBGenauFestlegen->SetCaption("Möglichst so viele:");
    RBSeiteFuellen->OnClick = [this](TRadioButton&) { RBSeiteFuellenClick(); };
    RBGenauFestlegen->OnClick = [this](TRadioButton&) { RBGenauFestlegenClick(); };
    const auto anzahl = [this, &aufgabenzahl](const char* feldname, const char* pfeilname, const char* caption,
                                              int hoechstens, TEdit*& feld, TUpDown*& pfeile) {
        feld = &Erzeuge<TEdit>(feldname, &aufgabenzahl);
        feld->SetText("1");
        pfeile = &Erzeuge<TUpDown>(pfeilname, &aufgabenzahl);
        pfeile->SetRange(1, hoechstens);
        pfeile->SetPosition(1);
        Erzeuge<TLabel>(std::string("L") + feldname, &aufgabenzahl).SetCaption(caption);
        // A typed number moves the arrows while it is typed; Enter and leaving the field lay
        // the page out with it, as an arrow click does.
        feld->OnChange = [pfeile](TEdit& e) {
            // Digits beyond what any count can be stand for the largest, which the arrows
            // clamp to their range.
            constexpr std::int32_t Groesste = 100000;
            if (e.Text().find_first_of("0123456789") != std::string::npos)
                pfeile->SetPosition(std::min(Ziffernfilter(e.Text(), Groesste), Groesste));
        };
        pfeile->OnClick = [this, feld](TUpDown& u, TUDBtnType) {
            feld->SetText(std::to_string(u.Position()));
            UDZeilenClick();
        };
        const auto uebernehmen = [this, feld, pfeile] {
            feld->SetText(std::to_string(pfeile->Position()));
            if (!SeiteFeld || SeiteFeld->ZeilenAnzahl != UDZeilen->Position()
                || SeiteFeld->SpaltenAnzahl != UDSpalten->Position())
                UDZeilenClick();
        };
        feld->OnKeyPress = [uebernehmen](TEdit&, char& taste) {
            if (taste != 13)
                return;
            taste = 0;
            uebernehmen();
        };
        feld->OnExit = [uebernehmen](TEdit&) { uebernehmen(); };
    };
    anzahl("EZeilen", "UDZeilen", "Zeilen zu je", 100, EZeilen, UDZeilen);
    anzahl("ESpalten", "UDSpalten", "Spalten", 20, ESpalten, UDSpalten);
}
