// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's print command and the print run.

#include "app/Druckauftrag.h"
#include "app/UDrucken.h"
#include "app/UZeichnen.h"
#include "files/Dateikopf.h"
#include "files/LadenSpeichern.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Druckfortschritt.h"
#include "toolkit/Waechter.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// The pages a run prints: per sheet its copies and, with solution sheets, one more.
std::int64_t Seitenzahl(int blaetter, int exemplare, bool loesungsblaetter)
{
    if (blaetter <= 0 || exemplare <= 0)
        return 0;
    return static_cast<std::int64_t>(blaetter) * (static_cast<std::int64_t>(exemplare) + (loesungsblaetter ? 1 : 0));
}

// Tells the progress that the run has ended, on every way out of it.
class TFortschrittsende final {
public:
    explicit TFortschrittsende(TDruckfortschritt* fortschritt) : Fortschritt(fortschritt) {}
    ~TFortschrittsende()
    {
        if (Fortschritt != nullptr)
            Fortschritt->Ende();
    }
    TFortschrittsende(const TFortschrittsende&) = delete;
    TFortschrittsende& operator=(const TFortschrittsende&) = delete;

private:
    TDruckfortschritt* Fortschritt;
};

} // namespace

void TZeichnen::Drucken1Click()
{
    if (Dienste.Drucken == nullptr)
        return;
    Dienste.Drucken->Zeigen();
    Anzeigen(*Dienste.Drucken);
}

// One print run: the state it keeps from page to page, one method for each of its steps.
// With aufnahme it prints nothing but adds each page to it, as it would have printed it.
class TZeichnen::TDrucklaufAblauf final {
public:
    TDrucklaufAblauf(TZeichnen& zeichnen, const TDrucklauf& lauf, TDruckfortschritt* fortschritt,
                     TDruckauftrag* aufnahme = nullptr)
        : Z(zeichnen), Lauf(lauf), Fortschritt(fortschritt), Aufnahme(aufnahme), Druckt(zeichnen.Druckt, true),
          Ende(fortschritt),
          Zeilen(zeichnen.SeiteFeld->ZeilenZahl), Spalten(zeichnen.SeiteFeld->SpaltenZahl),
          LoesungenVorher(zeichnen.CBLoesungaufPlatzhalter->Checked()),
          AmEnde(lauf.Loesungsblaetter && lauf.LoesungenAmEnde)
    {
        if (Fortschritt != nullptr)
            Fortschritt->Anfang(Seitenzahl(Lauf.Blaetter, Lauf.Exemplare, Lauf.Loesungsblaetter));
    }

    bool Ausfuehren()
    {
        TBlatt& blatt = *Z.BlattFeld;
        if (Aufnahme == nullptr)
            blatt.DruckBeginnen();
        bool durchgelaufen = true;
        try {
            durchgelaufen = Blaetter() && (!AmEnde || LoesungenAmEnde());
        } catch (...) {
            // A failed run still leaves the window as it was and the printer free for the
            // next job; the pages printed so far are what the job holds.
            Z.CBLoesungaufPlatzhalter->SetChecked(LoesungenVorher);
            if (Aufnahme == nullptr)
                blatt.DruckBeenden();
            Zurueck();
            throw;
        }
        // A stopped run ends its job as a failed one does: a printer cannot take back the
        // pages it has been given.
        if (Aufnahme == nullptr)
            blatt.DruckBeenden();
        Zurueck();
        return durchgelaufen;
    }

private:
    // A different worksheet should look like the others: new pages are drawn until one has
    // the same rows and columns, within a limit, since some settings never give it again.
    static constexpr int NeueSeitenVersuche = 50;

    // Every sheet with its copies, the solution sheet before the last copy unless they all
    // come at the end. False when the run was stopped.
    bool Blaetter()
    {
        for (int i = 1; i <= Lauf.Blaetter; ++i) {
            for (int j = 1; j <= Lauf.Exemplare; ++j) {
                if (Lauf.Loesungsblaetter && !AmEnde && j == Lauf.Exemplare && !Loesungsblatt(i))
                    return false;
                Z.SeiteFeld->Blattnummer = Nummer(i);
                const bool weiter = SeiteDrucken();
                Z.SeiteFeld->Blattnummer = -1;
                if (!weiter)
                    return false;
            }
            if (AmEnde && Lauf.Blaetter >= 2)
                Merken();
            // Without a generator no new page comes; nothing is left to print.
            if (i < Lauf.Blaetter && !NeuesBlatt())
                return true;
        }
        return true;
    }

    // With the solution sheets at the end: one sheet's page is the one shown, which prints its
    // solutions as it stands; else the last sheet's page, shown no more, takes each sheet's
    // tasks in turn.
    bool LoesungenAmEnde()
    {
        // Without a generator no new page came, and nothing is left to print.
        if (!Z.SeiteFeld)
            return true;
        if (Lauf.Blaetter == 1)
            return Loesungsblatt(1);
        for (std::size_t k = 0; k < Gemerkt.size(); ++k) {
            TLoadSave seite;
            seite.OpenReadBytes(Gemerkt[k].Seite);
            Z.SeiteFeld->SeiteLaden(seite, AktuelleDateiversion, false);
            Z.SeiteFeld->Reihenfolge = Gemerkt[k].Reihenfolge;
            if (!Loesungsblatt(static_cast<int>(k) + 1))
                return false;
        }
        return true;
    }

    bool SeiteDrucken()
    {
        if (Fortschritt != nullptr && !Fortschritt->Weiter(Gedruckt))
            return false;
        if (Aufnahme != nullptr)
            Aufnehmen();
        else
            Z.BlattFeld->SeiteDrucken();
        ++Gedruckt;
        return true;
    }

    // The page as it stands now, with what its drawing needs.
    void Aufnehmen()
    {
        const TSeite& seite = *Z.SeiteFeld;
        TLoadSave block;
        block.OpenWriteMemory();
        seite.SeiteSpeichern(block);
        Aufnahme->Anfuegen({block.Bytes(), seite.Reihenfolge}, seite.LoesungaufPlatzhalter, seite.Blattnummer,
                           seite.Kennzeichen);
    }

    // Every page of a numbered sheet carries its number, the solution sheet included, so that
    // a pupil's sheet and its solutions can be paired.
    int Nummer(int i) const { return Lauf.Nummerieren ? i : -1; }

    bool Loesungsblatt(int i)
    {
        // Every layout pass shuffles the solution column anew; the solution sheet and the
        // copies of one worksheet keep the order the copies had.
        const std::vector<int> reihenfolge = Z.SeiteFeld->Reihenfolge;
        Z.CBLoesungaufPlatzhalter->SetChecked(true);
        if (Z.SeiteFeld->Reihenfolge.size() == reihenfolge.size())
            Z.SeiteFeld->Reihenfolge = reihenfolge;
        Z.SeiteFeld->Blattnummer = Nummer(i);
        if (Lauf.LoesungenKennzeichnen)
            Z.SeiteFeld->Kennzeichen = Lauf.Nummerieren ? "Lösungen " + std::to_string(i) : std::string("Lösungen");
        const bool weiter = SeiteDrucken();
        Z.SeiteFeld->Kennzeichen.clear();
        Z.SeiteFeld->Blattnummer = -1;
        Z.CBLoesungaufPlatzhalter->SetChecked(LoesungenVorher);
        if (Z.SeiteFeld->Reihenfolge.size() == reihenfolge.size())
            Z.SeiteFeld->Reihenfolge = reihenfolge;
        return weiter;
    }

    // Keeps the sheet's page as the page block of a file (a few kilobytes, where the page
    // itself would take far more) with its order, for its solution sheet at the end.
    void Merken()
    {
        TLoadSave seite;
        seite.OpenWriteMemory();
        Z.SeiteFeld->SeiteSpeichern(seite);
        Gemerkt.push_back({seite.Bytes(), Z.SeiteFeld->Reihenfolge});
    }

    // Sheets 2 and on are new pages; the one shown before the run, with the tasks typed in by
    // hand, is kept aside. False when no new page comes.
    bool NeuesBlatt()
    {
        if (!Gezeigt)
            Gezeigt = std::move(Z.SeiteFeld);
        for (int versuch = 1; versuch <= NeueSeitenVersuche; ++versuch) {
            Z.BNeueAufgabeClick();
            if (!Z.SeiteFeld || (Z.SeiteFeld->ZeilenZahl == Zeilen && Z.SeiteFeld->SpaltenZahl == Spalten))
                break;
        }
        return static_cast<bool>(Z.SeiteFeld);
    }

    // The window shows again the sheet it showed before the run, however the run ended.
    void Zurueck()
    {
        if (Z.SeiteFeld) {
            Z.SeiteFeld->Blattnummer = -1;
            Z.SeiteFeld->Kennzeichen.clear();
        }
        if (!Gezeigt)
            return;
        Z.SeiteFeld = std::move(Gezeigt);
        Z.SeiteBereit = true;
        Z.PlatzhinweisZeigen();
        Z.PaintBox->Repaint();
    }

    struct TGemerkt {
        std::string Seite;
        std::vector<int> Reihenfolge;
    };

    TZeichnen& Z;
    const TDrucklauf& Lauf;
    TDruckfortschritt* Fortschritt;
    TDruckauftrag* Aufnahme;
    // The progress window lets the event loop run; what it may start meanwhile waits.
    TWertWaechter<bool> Druckt;
    TFortschrittsende Ende;
    const int Zeilen;
    const int Spalten;
    const bool LoesungenVorher;
    const bool AmEnde;
    std::int64_t Gedruckt = 0;
    std::unique_ptr<TSeite> Gezeigt;
    std::vector<TGemerkt> Gemerkt;
};

bool TZeichnen::Print(const TDrucklauf& lauf, TDruckfortschritt* fortschritt)
{
    if (!SeiteFeld)
        return true;
    bool durchgelaufen = false;
    {
        TDrucklaufAblauf ablauf(*this, lauf, fortschritt);
        durchgelaufen = ablauf.Ausfuehren();
    }
    // A printer chosen for the run lays the page out anew: a change like any other.
    AenderungFesthalten();
    return durchgelaufen;
}

std::unique_ptr<TDruckauftrag> TZeichnen::Druckseiten(const TDrucklauf& lauf, TDruckfortschritt* fortschritt)
{
    if (!SeiteFeld)
        return nullptr;
    auto auftrag = std::make_unique<TDruckauftrag>();
    TDrucklaufAblauf ablauf(*this, lauf, fortschritt, auftrag.get());
    if (!ablauf.Ausfuehren() || auftrag->Seitenzahl() == 0)
        return nullptr;
    return auftrag;
}

// Page k of a run made before, laid out on the run's own page in place of the one the window
// shows, for as long as it lives; that page keeps the last page laid out, so that the copies
// of a sheet are laid out once. Laying a page out draws nothing new from the generator nor
// from the random source, so a page comes out the same however often it is drawn.
class TZeichnen::TDruckseiteGelegt final {
public:
    TDruckseiteGelegt(TZeichnen& zeichnen, TDruckauftrag& auftrag, std::int64_t k)
        : Z(zeichnen), Auftrag(auftrag)
    {
        if (!Auftrag.Arbeitsseite)
            Auftrag.Arbeitsseite = std::make_unique<TSeite>(*Z.Generator, *Z.BlattFeld, Z.Zufall, false);
        Gezeigt = std::move(Z.SeiteFeld);
        Z.SeiteFeld = std::move(Auftrag.Arbeitsseite);
        try {
            Legen(Auftrag.Seite(k));
        } catch (...) {
            Auftrag.Gelegt.reset();
            Zurueck();
            throw;
        }
    }
    ~TDruckseiteGelegt() { Zurueck(); }
    TDruckseiteGelegt(const TDruckseiteGelegt&) = delete;
    TDruckseiteGelegt& operator=(const TDruckseiteGelegt&) = delete;

private:
    void Legen(const TDruckauftrag::TDruckseite& seite)
    {
        TSeite& s = *Z.SeiteFeld;
        Z.ParameterUebergeben();
        s.LoesungaufPlatzhalter = seite.Loesungen;
        const TDruckauftrag::TStand& stand = Auftrag.Stand(seite.Stand);
        const std::pair<std::size_t, bool> gelegt{seite.Stand, seite.Loesungen};
        if (Auftrag.Gelegt != gelegt) {
            Auftrag.Gelegt.reset();
            TLoadSave block;
            block.OpenReadBytes(stand.Seite);
            s.SeiteLaden(block, AktuelleDateiversion, true);
            Auftrag.Gelegt = gelegt;
        }
        if (s.Reihenfolge.size() == stand.Reihenfolge.size())
            s.Reihenfolge = stand.Reihenfolge;
        s.Blattnummer = seite.Blattnummer;
        s.Kennzeichen = seite.Kennzeichen;
    }

    void Zurueck()
    {
        if (!Z.SeiteFeld)
            return;
        Z.SeiteFeld->Blattnummer = -1;
        Z.SeiteFeld->Kennzeichen.clear();
        Auftrag.Arbeitsseite = std::move(Z.SeiteFeld);
        Z.SeiteFeld = std::move(Gezeigt);
    }

    TZeichnen& Z;
    TDruckauftrag& Auftrag;
    std::unique_ptr<TSeite> Gezeigt;
};

bool TZeichnen::Print(TDruckauftrag& auftrag, TDruckfortschritt* fortschritt)
{
    const std::int64_t seiten = auftrag.Seitenzahl();
    if (seiten == 0 || !SeiteFeld || Generator == nullptr)
        return true;
    const TWertWaechter druckt(Druckt, true);
    const TFortschrittsende ende(fortschritt);
    if (fortschritt != nullptr)
        fortschritt->Anfang(seiten);
    BlattFeld->DruckBeginnen();
    bool durchgelaufen = true;
    try {
        for (std::int64_t k = 0; k < seiten && durchgelaufen; ++k) {
            durchgelaufen = fortschritt == nullptr || fortschritt->Weiter(k);
            if (durchgelaufen) {
                const TDruckseiteGelegt seite(*this, auftrag, k);
                BlattFeld->SeiteDrucken();
            }
        }
    } catch (...) {
        BlattFeld->DruckBeenden();
        throw;
    }
    // A stopped run ends its job like the run that makes its sheets as it prints.
    BlattFeld->DruckBeenden();
    return durchgelaufen;
}

void TZeichnen::DruckseiteZeichnen(TDruckauftrag& auftrag, std::int64_t seite, TLeinwand& flaeche, double zoom,
                                   int links, int oben)
{
    if (!SeiteFeld || Generator == nullptr)
        return;
    const TDruckseiteGelegt gelegt(*this, auftrag, seite);
    BlattFeld->SeiteZeichnenAuf(flaeche, zoom, links, oben);
}
