// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UZeichnen.h"

#include "app/UAufgbearbeiten.h"
#include "app/UInfo.h"
#include "app/UNummerierung.h"
#include "app/USplash.h"
#include "app/UUeberschrift.h"
#include "app/UZeichnenLayoutwerte.h"
#include "app/Version.h"
#include "files/Fehler.h"
#include "settings/Main.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Schriftdialog.h"
#include "toolkit/Waechter.h"
#include "toolkit/Zufall.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

// What a main window without a platform shows: nothing.
const TOberflaeche KeineOberflaeche{};

} // namespace

TZeichnen::TZeichnen(TZufall& zufall, TMeldungen& meldungen)
    : TFormular("Zifferbogen"), Zufall(zufall), Meldungen(meldungen)
{
    Dienste.Oberflaeche = &KeineOberflaeche;
    FormCreate();
}

TZeichnen::~TZeichnen()
{
    // The page refers to the sheet, so it goes first.
    SeiteBereit = false;
    SeiteFeld.reset();
    BlattFeld.reset();
}

void TZeichnen::Verbinden(const TZeichnenDienste& dienste)
{
    Dienste = dienste;
    if (Dienste.Oberflaeche == nullptr)
        Dienste.Oberflaeche = &KeineOberflaeche;
}

void TZeichnen::Anzeigen(TFormular& fenster) const
{
    if (Dienste.Oberflaeche->Anzeige != nullptr)
        Dienste.Oberflaeche->Anzeige->Zeigen(fenster);
}

void TZeichnen::Zeigen()
{
    SichtbarFeld = true;
    Anzeigen(*this);
}

void TZeichnen::BHauptformularClick()
{
    if (Dienste.Einstellungen == nullptr)
        return;
    Dienste.Einstellungen->VerbindeHauptfenster(this);
    Anzeigen(*Dienste.Einstellungen);
}

bool TZeichnen::CBSchriftlich() const
{
    return CBSchriftlichFeld->Checked();
}

void TZeichnen::SeiteErzeugen()
{
    SeiteFeld = std::make_unique<TSeite>(*Generator, *BlattFeld, Zufall);
}

void TZeichnen::BNeueAufgabeClick()
{
    if (Laedt)
        return;
    {
        // The page is drawn again only once it is complete, also when its layout fails.
        const TWertWaechter bereit(SeiteBereit, false);
        SeiteFeld.reset();
        if (Generator != nullptr) {
            SeiteErzeugen();
            ParameterUebergeben();
            SeiteFeld->Aufbauen(true);
        }
    }
    SeiteBereit = true;
    PlatzhinweisZeigen();
    PaintBox->Repaint();
    AenderungFesthalten();
}

void TZeichnen::Seitenmetrik()
{
    if (Laedt)
        return;
    {
        const TWertWaechter bereit(SeiteBereit, false);
        CBLoesungenDurcheinander->SetVisible(CBLoesungen->Checked());
        if (Generator != nullptr) {
            if (!SeiteFeld)
                SeiteErzeugen();
            ParameterUebergeben();
            SeiteFeld->Aufbauen(false);
        }
    }
    SeiteBereit = true;
    PlatzhinweisZeigen();
    PaintBox->Repaint();
    AenderungFesthalten();
}

std::string TZeichnen::Platzhinweis() const
{
    if (!SeiteFeld || !SeiteFeld->Ueberlauf())
        return {};
    const TSeite& s = *SeiteFeld;
    const auto zeilen = [](int n) { return std::to_string(n) + (n == 1 ? " Zeile" : " Zeilen"); };
    const auto spalten = [](int n) { return std::to_string(n) + (n == 1 ? " Spalte" : " Spalten"); };
    return zeilen(s.ZeilenZahl) + " zu je " + spalten(s.SpaltenZahl)
        + " passen nicht auf die Seite; es passen höchstens " + zeilen(s.ZeilenPassen) + " zu je "
        + spalten(s.SpaltenPassen) + ".";
}

void TZeichnen::PlatzhinweisZeigen()
{
    const std::string hinweis = Platzhinweis();
    LPasstNicht->SetCaption(hinweis);
    LPasstNicht->SetVisible(!hinweis.empty());
}

void TZeichnen::ParameterUebergeben()
{
    const bool schriftlich = CBSchriftlichFeld->Checked();
    RBZentriert->SetEnabled(!schriftlich);
    RBRechtsbuendig->SetEnabled(!schriftlich);
    CBRechenkaestchen->SetEnabled(schriftlich);
    CBGespensterAufgaben->SetEnabled(schriftlich);
    CBX->SetEnabled(schriftlich && CBGespensterAufgaben->Checked());
    CBFragezeichen->SetEnabled(CBX->Enabled());
    if (!SeiteFeld)
        return;

    TSeite& s = *SeiteFeld;
    s.SchriftAufgaben = Schriften[1];
    s.SchriftLoesungen = Schriften[2];
    s.SchriftUeberschrift = Schriften[3];
    s.SchriftNummerierung = Schriften[4];
    s.SchriftAnweisung = Schriften[5];
    s.GroesseAufgaben = Schriftgroessen[1];
    s.GroesseLoesungen = Schriftgroessen[2];
    s.GroesseUeberschrift = Schriftgroessen[3];
    s.GroesseNummerierung = Schriftgroessen[4];
    s.GroesseAnweisung = Schriftgroessen[5];
    for (const TLayoutwert& w : Layoutwerte)
        s.*w.Seitenfeld = RandWerte[static_cast<std::size_t>(w.Index)];
    s.Loesungsspalte = CBLoesungen->Checked();
    s.GenauFestlegen = RBGenauFestlegen->Checked();
    s.SpaltenAnzahl = UDSpalten->Position();
    s.ZeilenAnzahl = UDZeilen->Position();
    s.Nummerierung = CBNummerierung->Checked();
    s.Trennlinien = CBTrennlinien->Checked();
    s.NummernMitZiffern = NummernMitZiffern;
    s.ZeichenNachNummer = ZeichenNachNummer;
    s.NurRechnung = CBNurRechnung->Checked();
    s.Schriftlich = schriftlich;
    s.Gespenster = CBGespensterAufgaben->Checked();
    s.MitX = CBX->Checked();
    s.MitFragezeichen = CBFragezeichen->Checked();
    s.MitQuersumme = CBQuersumme->Checked();
    s.LoesungaufPlatzhalter = CBLoesungaufPlatzhalter->Checked();
    s.PositiveKlammern = PositiveKlammern;
    s.Platzhalterart = PlatzhalterartFeld;
    s.Durcheinander = CBLoesungenDurcheinander->Checked();
    s.VertikalNummerieren = CBVertikalNummerieren->Checked();
    s.Rechtsbuendig = RBRechtsbuendig->Checked();
    s.Rechenkaestchen = CBRechenkaestchen->Checked();
    s.Namenszeile = Dienste.Ueberschrift != nullptr && Dienste.Ueberschrift->CBNamenszeile->Checked();
    s.NamenszeileKlasse = s.Namenszeile && Dienste.Ueberschrift->CBKlasse->Checked();
    s.Ueberschrift = Dienste.Ueberschrift != nullptr ? Dienste.Ueberschrift->MUeberschrift : nullptr;
    s.Anweisung = Dienste.Ueberschrift != nullptr ? Dienste.Ueberschrift->MArbeitsanweisung : nullptr;
    s.Fehlerliste = Dienste.Einstellungen != nullptr ? Dienste.Einstellungen->Memo1 : nullptr;
}

void TZeichnen::PaintBoxPaint()
{
    const TWertWaechter zeichnet(Zeichnet, true);
    BlattFeld->BeginneZeichnen();
    if (SeiteFeld && SeiteBereit)
        SeiteFeld->Zeichnen();
    BlattFeld->BeendeZeichnen();
}

void TZeichnen::FormResize(int breite, int hoehe)
{
    if (!BlattFeld)
        return;
    const int a = BNeueAufgabe->Top() + BNeueAufgabe->Height();
    BlattFeld->SetzeBereich(3, a + 6, breite - 3, hoehe - (a + 6));
    PCEigenschaften->SetWidth(breite);
    if (!ErsterStart)
        return;
    const std::string version = Versionstext();
    if (Dienste.Splash != nullptr) {
        Dienste.Splash->Hauptfenster = this;
        Dienste.Splash->LVersion->SetCaption(version);
    }
    Grundtitel = std::string("Zifferbogen ") + Programmversion
        + " - Ein Programm zum Erstellen von Aufgaben für Grund- und Hauptschule";
    TitelSetzen();
    if (Dienste.Info != nullptr)
        Dienste.Info->LVersion->SetCaption(version);
    if (Dienste.Splash != nullptr)
        Dienste.Splash->FormShow();
    // The first showing: the rules hand the settings over and lend the generator, then the
    // first page is built.
    ErsterStart = false;
    if (Dienste.Einstellungen != nullptr)
        Dienste.Einstellungen->LogikCheck();
    BNeueAufgabeClick();
    // The defaults with the first tasks: what "Neu" starts from without standard settings,
    // and the unchanged worksheet until a file is opened.
    Anfangsstand = Kopfstand() + Blattstand();
    Grundstand({});
}

namespace {

// Shows a layout value: two decimals, a point (whatever the locale says), and "cm" without a
// blank.
std::string RandText(double wert)
{
    std::array<char, 400> puffer{}; // room for any double in fixed notation
    const auto ende =
        std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert, std::chars_format::fixed, 2).ptr;
    return std::string(puffer.data(), ende) + "cm";
}

// A layout value as typed: commas count as points, and only digits and points are kept
// ("1,5", "1.5cm" and " 1.5 " are all 1.5). Returns false when no number remains. Read with
// from_chars, which takes the point under every locale (strtod stops at it under German).
bool RandZahl(const std::string& text, double& wert)
{
    std::string zahl;
    for (const char c : text) {
        if ((c >= '0' && c <= '9') || c == '.')
            zahl += c;
        else if (c == ',')
            zahl += '.';
    }
    const auto punkt = zahl.find('.');
    if (zahl.empty() || zahl == "." || (punkt != std::string::npos && zahl.find('.', punkt + 1) != std::string::npos))
        return false;
    // A number too large or too small for a double counts as out of range, so the field keeps
    // its value.
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    if (fehler == std::errc::result_out_of_range)
        wert = std::numeric_limits<double>::infinity();
    return ende == zahl.data() + zahl.size() || fehler == std::errc::result_out_of_range;
}

bool ImBereich(double wert)
{
    return wert >= TZeichnen::RandMin && wert <= TZeichnen::RandMax;
}

} // namespace

void TZeichnen::RandWerteEditsSetzen()
{
    for (std::size_t i = 1; i <= Layoutwerte.size(); ++i)
        RandWerteEdits[i]->SetText(RandText(RandWerte[i]));
}

void TZeichnen::RandWerteEditsLesen()
{
    for (std::size_t i = 1; i <= Layoutwerte.size(); ++i) {
        double wert = 0;
        if (!RandZahl(RandWerteEdits[i]->Text(), wert))
            throw EConvertError("„" + RandWerteEdits[i]->Text() + "“ ist kein gültiger Wert in cm.");
        if (ImBereich(wert))
            RandWerte[i] = wert;
    }
    RandWerteEditsSetzen();
    Seitenmetrik();
}

void TZeichnen::RandEditKeyPress(char& taste)
{
    if (taste != 13)
        return;
    taste = 0;
    RandWerteEditsLesen();
}

void TZeichnen::RandEditExit()
{
    RandWerteEditsLesen();
}

void TZeichnen::RandUDCLick(int index, bool hoch)
{
    if (index < 1 || index > static_cast<int>(Layoutwerte.size()))
        return;
    const auto i = static_cast<std::size_t>(index);
    // Rounded to a tenth, so that steps from a typed value like 1.25 do not pile up errors.
    const double wert = std::round((RandWerte[i] + (hoch ? 0.1 : -0.1)) * 1000) / 1000;
    if (!ImBereich(wert))
        return;
    RandWerte[i] = wert;
    RandWerteEditsSetzen();
    Seitenmetrik();
}

int TZeichnen::Randindex(const TEdit& feld) const
{
    for (const TLayoutwert& w : Layoutwerte) {
        if (RandWerteEdits[static_cast<std::size_t>(w.Index)] == &feld)
            return w.Index;
    }
    return 0;
}

bool TZeichnen::EingabeAngenommen(const TEdit& feld, const std::string& eingabe) const
{
    const int i = Randindex(feld);
    if (i == 0)
        return TFormular::EingabeAngenommen(feld, eingabe);
    // A layout value field shows what it took in its own form ("1.50cm"); the typed text was
    // taken when it is a number and the value now is that number.
    double wert = 0;
    return RandZahl(eingabe, wert) && std::abs(RandWerte[static_cast<std::size_t>(i)] - wert) < 1e-9;
}

void TZeichnen::SchriftCLick(int index)
{
    if (index < 1 || index > 5)
        return;
    const auto k = static_cast<std::size_t>(index);
    TSchrift schrift = Schriften[k];
    schrift.Groesse = Schriftgroessen[k];
    if (Dienste.Oberflaeche->Schriftdialog != nullptr && Dienste.Oberflaeche->Schriftdialog->Ausfuehren(schrift)) {
        Schriften[k] = schrift;
        Schriftgroessen[k] = schrift.Groesse;
    }
    if (SeiteFeld)
        Seitenmetrik();
}

void TZeichnen::RBSeiteFuellenClick()
{
    EZeilen->SetEnabled(false);
    UDZeilen->SetEnabled(false);
    ESpalten->SetEnabled(false);
    UDSpalten->SetEnabled(false);
    UDZeilenClick();
}

void TZeichnen::RBGenauFestlegenClick()
{
    EZeilen->SetEnabled(true);
    UDZeilen->SetEnabled(true);
    ESpalten->SetEnabled(true);
    UDSpalten->SetEnabled(true);
    UDZeilenClick();
}

void TZeichnen::UDZeilenClick()
{
    ParameterUebergeben();
    if (SeiteFeld)
        Seitenmetrik();
}

void TZeichnen::CBSchriftlichClick()
{
    if (CBSchriftlichFeld->Checked() && Dienste.Einstellungen != nullptr
        && (Dienste.Einstellungen->CBMalkommtvor->Checked() || Dienste.Einstellungen->CBGeteiltkommtvor->Checked()))
        Dienste.Einstellungen->LayoutWarnung();
    Seitenmetrik();
}

TAufgabe* TZeichnen::FindeAufgabe(int x, int y) const
{
    if (!SeiteFeld)
        return nullptr;
    const double px = BlattFeld->XSeite(x);
    const double py = BlattFeld->YSeite(y);
    TAufgabe* getroffen = nullptr;
    for (const auto& zeile : SeiteFeld->GezeigteAufgaben()) {
        for (TAufgabe* t : zeile) {
            if (t->Rahmen.Links <= px && px <= t->Rahmen.Rechts && t->Rahmen.Oben <= py && py <= t->Rahmen.Unten)
                getroffen = t;
        }
    }
    return getroffen;
}

bool TZeichnen::InUeberschrift(int y) const
{
    return SeiteFeld && BlattFeld->YSeite(y) < SeiteFeld->KopfEnde;
}

void TZeichnen::PaintBoxMouseDown(TMaustaste taste, int x, int y)
{
    if (taste == TMaustaste::Rechts) {
        TAufgabe* aufgabe = FindeAufgabe(x, y);
        if (aufgabe == nullptr || Dienste.EditAufgabe == nullptr)
            return;
        Dienste.EditAufgabe->SetzeAufgabe(aufgabe);
        Dienste.EditAufgabe->Laden();
        Dienste.EditAufgabe->FormShow();
        Anzeigen(*Dienste.EditAufgabe);
        Dienste.EditAufgabe->Schliessen();
        // The next layout may replace the task; the dialog must not keep it.
        Dienste.EditAufgabe->SetzeAufgabe(nullptr);
        Seitenmetrik();
        return;
    }
    if (TAufgabe* aufgabe = FindeAufgabe(x, y); aufgabe != nullptr && Generator != nullptr) {
        aufgabe->Neu(*Generator);
        Seitenmetrik();
    } else if (InUeberschrift(y)) {
        BUeberschriftBearbeitenClick();
    }
}

void TZeichnen::PaintBoxMouseMove(int x, int y)
{
    PaintBox->SetCursor(FindeAufgabe(x, y) != nullptr || InUeberschrift(y) ? TCursor::Hand : TCursor::Normal);
}

void TZeichnen::FormMouseWheel(int distanz)
{
    BlattFeld->Mausrad(distanz);
}

void TZeichnen::BNummerierungsartClick()
{
    if (Dienste.Nummerierung == nullptr)
        return;
    Dienste.Nummerierung->Einrichten(NummernMitZiffern, ZeichenNachNummer);
    Dienste.Nummerierung->FormShow();
    Anzeigen(*Dienste.Nummerierung);
    Dienste.Nummerierung->Schliessen();
    NummernMitZiffern = Dienste.Nummerierung->MitZiffern();
    ZeichenNachNummer = Dienste.Nummerierung->ZeichenNachNummer();
    ParameterUebergeben();
    Seitenmetrik();
}

void TZeichnen::Kopieren1Click()
{
    if (!InfoGezeigt) {
        Zufall.Neuseeden();
        if (Zufall.Random(20) == 5 && Dienste.Info != nullptr) {
            UeberdasProgramm1Click();
            InfoGezeigt = true;
        }
    }
    BlattFeld->InZwischenablage();
}

void TZeichnen::BUeberschriftBearbeitenClick()
{
    if (Dienste.Ueberschrift == nullptr)
        return;
    Dienste.Ueberschrift->FormShow();
    Anzeigen(*Dienste.Ueberschrift);
}

void TZeichnen::UeberdasProgramm1Click()
{
    if (Dienste.Info == nullptr)
        return;
    Dienste.Info->FormShow();
    Anzeigen(*Dienste.Info);
}
