// The main window's print command and the print run.

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

bool TZeichnen::Print(const TDrucklauf& lauf, TDruckfortschritt* fortschritt)
{
    if (!SeiteFeld)
        return true;
    // A different worksheet should look like the others: new pages are drawn until one has
    // the same rows and columns, within a limit, since some settings never give it again.
    constexpr int NeueSeitenVersuche = 50;
    const int blaetter = lauf.Blaetter;
    const int zeilen = SeiteFeld->ZeilenZahl;
    const int spalten = SeiteFeld->SpaltenZahl;
    const bool loesungenVorher = CBLoesungaufPlatzhalter->Checked();
    TBlatt& blatt = *BlattFeld;

    // The progress window lets the event loop run; what it may start meanwhile waits.
    const TWertWaechter druckt(Druckt, true);
    const TFortschrittsende ende(fortschritt);
    if (fortschritt != nullptr)
        fortschritt->Anfang(Seitenzahl(blaetter, lauf.Exemplare, lauf.Loesungsblaetter));
    std::int64_t gedruckt = 0;
    const auto seiteDrucken = [&] {
        if (fortschritt != nullptr && !fortschritt->Weiter(gedruckt))
            return false;
        blatt.SeiteDrucken();
        ++gedruckt;
        return true;
    };
    // Every page of a numbered sheet carries its number, the solution sheet included, so
    // that a pupil's sheet and its solutions can be paired.
    const auto nummer = [&](int i) { return lauf.Nummerieren ? i : -1; };
    const auto loesungsblatt = [&](int i) {
        // Every layout pass shuffles the solution column anew; the solution sheet and the
        // copies of one worksheet keep the order the copies had.
        const std::vector<int> reihenfolge = SeiteFeld->Reihenfolge;
        CBLoesungaufPlatzhalter->SetChecked(true);
        if (SeiteFeld->Reihenfolge.size() == reihenfolge.size())
            SeiteFeld->Reihenfolge = reihenfolge;
        SeiteFeld->Blattnummer = nummer(i);
        if (lauf.LoesungenKennzeichnen)
            SeiteFeld->Kennzeichen = lauf.Nummerieren ? "Lösungen " + std::to_string(i) : std::string("Lösungen");
        const bool weiter = seiteDrucken();
        SeiteFeld->Kennzeichen.clear();
        SeiteFeld->Blattnummer = -1;
        CBLoesungaufPlatzhalter->SetChecked(loesungenVorher);
        if (SeiteFeld->Reihenfolge.size() == reihenfolge.size())
            SeiteFeld->Reihenfolge = reihenfolge;
        return weiter;
    };

    // Sheets 2 and on are new pages; the one shown before the run, with the tasks typed in by
    // hand, is kept aside and shown again afterwards, however the run ends.
    std::unique_ptr<TSeite> gezeigt;
    const auto zurueck = [&] {
        if (SeiteFeld) {
            SeiteFeld->Blattnummer = -1;
            SeiteFeld->Kennzeichen.clear();
        }
        if (!gezeigt)
            return;
        SeiteFeld = std::move(gezeigt);
        SeiteBereit = true;
        PlatzhinweisZeigen();
        PaintBox->Repaint();
    };
    // With the solution sheets at the end, each sheet's page is kept as the page block of a
    // file (a few kilobytes, where the page itself would take far more) with its order.
    struct TGemerkt {
        std::string Seite;
        std::vector<int> Reihenfolge;
    };
    std::vector<TGemerkt> gemerkt;
    const bool amEnde = lauf.Loesungsblaetter && lauf.LoesungenAmEnde;

    blatt.DruckBeginnen();
    bool durchgelaufen = true;
    try {
        durchgelaufen = [&] {
            int i = 1;
            for (; i <= blaetter; ++i) {
                for (int j = 1; j <= lauf.Exemplare; ++j) {
                    if (lauf.Loesungsblaetter && !amEnde && j == lauf.Exemplare && !loesungsblatt(i))
                        return false;
                    SeiteFeld->Blattnummer = nummer(i);
                    const bool weiter = seiteDrucken();
                    SeiteFeld->Blattnummer = -1;
                    if (!weiter)
                        return false;
                }
                if (amEnde && blaetter >= 2) {
                    TLoadSave seite;
                    seite.OpenWriteMemory();
                    SeiteFeld->SeiteSpeichern(seite);
                    gemerkt.push_back({seite.Bytes(), SeiteFeld->Reihenfolge});
                }
                if (blaetter >= 2 && i < blaetter) {
                    if (!gezeigt)
                        gezeigt = std::move(SeiteFeld);
                    for (int versuch = 1; versuch <= NeueSeitenVersuche; ++versuch) {
                        BNeueAufgabeClick();
                        if (!SeiteFeld || (SeiteFeld->ZeilenZahl == zeilen && SeiteFeld->SpaltenZahl == spalten))
                            break;
                    }
                    // Without a generator no new page comes; nothing is left to print.
                    if (!SeiteFeld)
                        return true;
                }
            }
            if (!amEnde)
                return true;
            // One sheet: its page is the one shown, which prints its solutions as it stands.
            if (blaetter == 1)
                return loesungsblatt(1);
            // Else the last sheet's page, shown no more, takes each sheet's tasks in turn.
            for (std::size_t k = 0; k < gemerkt.size(); ++k) {
                TLoadSave seite;
                seite.OpenReadBytes(gemerkt[k].Seite);
                SeiteFeld->SeiteLaden(seite, AktuelleDateiversion, false);
                SeiteFeld->Reihenfolge = gemerkt[k].Reihenfolge;
                if (!loesungsblatt(static_cast<int>(k) + 1))
                    return false;
            }
            return true;
        }();
    } catch (...) {
        // A failed run still leaves the window as it was and the printer free for the next
        // job; the pages printed so far are what the job holds.
        CBLoesungaufPlatzhalter->SetChecked(loesungenVorher);
        blatt.DruckBeenden();
        zurueck();
        throw;
    }
    // A stopped run ends its job as a failed one does: a printer cannot take back the pages
    // it has been given.
    blatt.DruckBeenden();
    zurueck();
    return durchgelaufen;
}
