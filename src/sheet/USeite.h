// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worksheet page: its tasks, its rows, the layout pass that decides how many tasks fit,
// the page block of worksheet files and the drawing of the page.

#include "generator/TGSAufgabe.h"
#include "toolkit/Schrift.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TBlatt;
class TGSAufgabengenerator;
class TLoadSave;
class TMemo;
class TSeite;
class TZufall;

// The rectangle a task covers on the sheet, in page cm.
struct TRahmen final {
    double Links = 0;
    double Oben = 0;
    double Rechts = 0;
    double Unten = 0;

    friend bool operator==(const TRahmen&, const TRahmen&) = default;
};

// One task standing on the page: the generator's record plus its printed texts and the
// widths measured against the template of its column. A column template is a TAufgabe too,
// whose measurements hold the largest values of its column so far.
class TAufgabe final {
public:
    explicit TAufgabe(TSeite& seite) : Seite(&seite) {}

    // Replaces the record by the generator's next task; reports its message to the page's
    // error list if that is still empty.
    void Neu(TGSAufgabengenerator& generator);
    // Recomputes Daten.Quersumme from the record and the page's ghost-task option.
    void BerechneQuersumme();
    // Builds the printed texts and measurements for running number nummer in column spalte
    // (from 0) and grows that column's template.
    void Messen(int nummer, int spalte);
    // Draws the measured task with its left edge at x (after its numbering label) in the row
    // whose top is y, against the column template muster.
    void Zeichnen(const TAufgabe& muster, double x, double y);

    bool IstFehler() const { return !Daten.Fehlermeldung.empty(); }

    TRahmen Rahmen;
    TGSAufgabe Daten;
    TSeite* Seite;
    double NummerBreite = 0;
    double Breite1 = 0;
    double BreiteZeichen = 0;
    double Breite2 = 0;
    double BreiteErgebnis = 0;
    double TextBreite1 = 0;
    double TextBreite2 = 0;
    double TextBreiteErgebnis = 0;
    double Gesamtbreite = 0;
    std::string LoesungsText;
    std::string ErgebnisText;
    std::string Text1;
    std::string Text2;
    double LoesungsBreite = 0;
    int Stellen = 0;
};

// Digit sum of |v|; 0 for 0.
std::int32_t Quersumme(std::int64_t v);
// A number with a blank between groups of three digits: "1 234 567", "-20 000".
std::string ZahlText(std::int64_t v);
// Number of decimal digits of |v|; 0 has one.
int StellenZahl(std::int64_t v);
// The numbering label of running number n (from 1): "1." with digits, else "a.", "z.", "a1."
// ...; zeichenNachNummer follows the number.
std::string NummerText(int n, bool mitZiffern, const std::string& zeichenNachNummer);

struct TDoppelsperre;

// One row of the page. It owns its tasks, including those measured beyond what fits.
class TAufgabenZeile final {
public:
    TAufgabenZeile(TSeite& seite, TGSAufgabengenerator& generator) : Generator(&generator), Seite(&seite) {}

    // Fills and measures the row for a layout pass: takes new tasks where it has none (and,
    // with neu, for every task), renews a task that repeats the task above it once, and
    // measures until the row is full. erste is the running number of its first task. With
    // gezeigt, a task the page did not show before is renewed while it equals one it shows.
    void Fuellen(bool neu, int erste, const TAufgabenZeile* oben, TDoppelsperre* gezeigt = nullptr);
    // Reads the row's tasks from the page block of a file of the given version and measures
    // the row. Raises ERangeError for a count or value the program never writes.
    void ZeileLaden(TLoadSave& strom, int erste, int dateiversion);
    // Writes every task the row holds.
    void ZeileSpeichern(TLoadSave& strom) const;

    std::vector<std::unique_ptr<TAufgabe>> Aufgaben;
    TGSAufgabengenerator* Generator;
    TSeite* Seite;
    int Anzahl = 0; // tasks that fit; at most this many are shown

private:
    // Measures task k and tells whether the row is full after it.
    bool MessenUndVoll(int k, int erste, double& summe);
};

// The page: rows of tasks, every layout option and measure the drawing needs, the solution
// order. Lengths are cm in page coordinates.
class TSeite final {
public:
    // A page never lays out more rows, nor a row more columns, than this. Sensible layout
    // values stay far below it; a zero or negative row height or task width would otherwise
    // take tasks without end.
    static constexpr int GroessteZeilenzahl = 250;
    static constexpr int GroessteSpaltenzahl = 250;
    // The most rows, and tasks per row, a page block may announce.
    static constexpr int GroessteBlockzahl = 10000;

    // Builds a fresh pool in the generator, unless vorratErzeugen is false (a page that only
    // takes tasks from page blocks); zufall shuffles the solution column (the generator's own
    // source).
    TSeite(TGSAufgabengenerator& generator, TBlatt& blatt, TZufall& zufall, bool vorratErzeugen = true);
    TSeite(const TSeite&) = delete;
    TSeite& operator=(const TSeite&) = delete;

    // Layout pass; with neu every task held is replaced by a new one. Ends with a new shuffle.
    void Aufbauen(bool neu);
    // Layout pass that takes the rows' tasks from the page block of a file of the given
    // version (the ghost patterns are stored from version 10 on); rows the file does not hold
    // get new tasks. Keeps the solution order when it still fits the page. A damaged block
    // raises EConvertError or ERangeError and leaves a page that shows no task. Rows the page
    // does not reach are read only with verborgeneZeilen (a block this program wrote itself,
    // whose hidden rows are to come back as well); the previous page's rows never stay.
    void SeiteLaden(TLoadSave& strom, int dateiversion, bool verborgeneZeilen = false);
    // Writes the page block.
    void SeiteSpeichern(TLoadSave& strom) const;
    // Draws the laid-out page on the sheet's current canvas.
    void Zeichnen();

    // The shown task at row r, column c (both from 0).
    TAufgabe& Aufgabe(int r, int c)
    {
        return *Zeilen[static_cast<std::size_t>(r)]->Aufgaben[static_cast<std::size_t>(c)];
    }
    const TAufgabe& Aufgabe(int r, int c) const
    {
        return *Zeilen[static_cast<std::size_t>(r)]->Aufgaben[static_cast<std::size_t>(c)];
    }

    // The tasks the page shows, row by row from the top, each row from the left: ZeilenZahl
    // rows of SpaltenZahl tasks (as far as the rows hold them), without the tasks a row
    // measured beyond those that fit.
    std::vector<std::vector<TAufgabe*>> GezeigteAufgaben();
    std::vector<std::vector<const TAufgabe*>> GezeigteAufgaben() const;

    std::vector<std::unique_ptr<TAufgabenZeile>> Zeilen;
    TGSAufgabengenerator* Generator;
    std::vector<std::unique_ptr<TAufgabe>> Spaltenmuster;
    bool Nummerierung = false;
    bool Trennlinien = false;
    bool Loesungsspalte = false;
    bool GenauFestlegen = false;
    int ZeilenAnzahl = 1;
    int SpaltenAnzahl = 1;
    double SpaltenSumme = 0;
    bool NummernMitZiffern = true;
    std::string ZeichenNachNummer = ".";
    bool NurRechnung = false;
    bool LoesungaufPlatzhalter = false;
    bool Durcheinander = false;
    bool VertikalNummerieren = false;
    bool Rechtsbuendig = false;
    bool Schriftlich = false;
    bool Rechenkaestchen = false;
    bool MitQuersumme = false;
    bool Gespenster = false;
    bool MitX = true;
    bool MitFragezeichen = true;
    double Zeilenabstand = 0.3;
    double Spaltenabstand = 0.8;
    int ZeilenZahl = 0;
    int SpaltenZahl = 0;
    // How many of the rows and columns shown fit the usable area. A chosen count is kept
    // when it does not fit (the page does not shrink); Ueberlauf tells.
    int ZeilenPassen = 0;
    int SpaltenPassen = 0;
    bool Ueberlauf() const { return ZeilenPassen < ZeilenZahl || SpaltenPassen < SpaltenZahl; }
    double RandLinks = 1;
    double RandRechts = 1;
    double RandOben = 2;
    double RandUnten = 2;
    double Kopfhoehe = 0;
    double ZifferHoehe = 0.7;
    double ZifferBreite = 0.5;
    double LeerBreite = 0;
    double Zeilenhoehe = 0;
    double ZeilenabstandIst = 0;
    double GleichBreite = 0;
    double LeerBreiteLoesung = 0;
    double TextHoehe = 0;
    double LoesungsHoehe = 0;
    double Textblockhoehe = 0;
    // The name line above the heading ("Name:", "Datum:", and "Klasse:" with
    // NamenszeileKlasse), in the work-instruction font; its height counts into Kopfhoehe.
    bool Namenszeile = false;
    bool NamenszeileKlasse = false;
    double NamenszeileHoehe = 0;
    double UeberschriftHoehe = 0;
    double AnweisungHoehe = 0;
    double NummerAbstand = 0.4;
    double NutzBreite = 0;
    double NutzHoehe = 0;
    double ZeilenEnde = 0;
    TBlatt* Blatt;
    TSchrift SchriftAufgaben;
    TSchrift SchriftLoesungen;
    TSchrift SchriftUeberschrift;
    TSchrift SchriftNummerierung;
    TSchrift SchriftAnweisung;
    int GroesseAufgaben = 16;
    int GroesseLoesungen = 8;
    int GroesseUeberschrift = 24;
    int GroesseNummerierung = 16;
    int GroesseAnweisung = 12;
    int Blattnummer = -1;
    // Drawn at the top right in the work-instruction font when not empty: what marks a
    // solution sheet as one.
    std::string Kennzeichen;
    bool PositiveKlammern = false;
    int Platzhalterart = 0;
    // Permutation of the shown tasks' numbers 1..n for the shuffled solution column, sized
    // to the page ([0] unused).
    std::vector<int> Reihenfolge = std::vector<int>(1, 0);
    double KopfEnde = 0;

    // The heading dialog's memos of heading and work instruction, whose lines layout and
    // drawing read; none: no lines.
    const TMemo* Ueberschrift = nullptr;
    const TMemo* Anweisung = nullptr;
    // The settings window's error list, which shows the first generator message of a layout
    // pass; none where nobody looks at it.
    TMemo* Fehlerliste = nullptr;

    // The numbering label of running number n: "1." or "a.", "z.", "a1." ...
    std::string NummerText(int n) const;
    // An operand of the horizontal form: "( -5 )", with PositiveKlammern "( +5 )".
    std::string OperandText(std::int64_t v) const;
    // Applies one of the page's fonts at its size to the sheet (drawing and measuring).
    void Schriftsetzen(const TSchrift& schrift, int groesse) const;

private:
    // The layout pass of Aufbauen (strom none) and SeiteLaden.
    void Layout(bool neu, TLoadSave* strom, int dateiversion, bool verborgeneZeilen = false);
    // Counts ZeilenPassen and SpaltenPassen after a layout pass.
    void PlatzZaehlen();
    // Column c (from 0) as the drawing places it: its widest task with the gap after it, its
    // label and its solution.
    double Spaltenbreite(int c) const;
    // Heights of heading and work instruction with their fonts.
    double Kopfblockhoehe(const TMemo* zeilen, const TSchrift& schrift, int groesse) const;
    void Mischen();
    void ZeichneLoesungen(int r, double x, double y);
    void ZeichneNamenszeile();

    TZufall& Zufall;
};
