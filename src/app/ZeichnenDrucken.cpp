// The main window's print command and the print run.

#include "app/UDrucken.h"
#include "app/UZeichnen.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"

#include <vector>

void TZeichnen::Drucken1Click()
{
    if (Drucken != nullptr)
        Drucken->Zeigen();
    if (DruckenZeigen)
        DruckenZeigen();
}

void TZeichnen::Print(int blaetter, int exemplare, bool loesungsblaetter, bool nummerieren)
{
    if (!SeiteFeld)
        return;
    // A different worksheet should look like the others: new pages are drawn until one has
    // the same rows and columns, within a limit, since some settings never give it again.
    constexpr int NeueSeitenVersuche = 50;
    const int zeilen = SeiteFeld->ZeilenZahl;
    const int spalten = SeiteFeld->SpaltenZahl;
    const bool loesungenVorher = CBLoesungaufPlatzhalter->Checked();
    TBlatt& blatt = *BlattFeld;

    blatt.DruckBeginnen();
    try {
        for (int i = 1; i <= blaetter; ++i) {
            for (int j = 1; j <= exemplare; ++j) {
                // Every page of a numbered sheet carries its number, the solution sheet
                // included, so that a pupil's sheet and its solutions can be paired.
                SeiteFeld->Blattnummer = nummerieren ? i : -1;
                if (loesungsblaetter && j == exemplare) {
                    // Every layout pass shuffles the solution column anew; the solution sheet
                    // and the copies of one worksheet keep the order the copies had.
                    const std::vector<int> reihenfolge = SeiteFeld->Reihenfolge;
                    CBLoesungaufPlatzhalter->SetChecked(true);
                    if (SeiteFeld->Reihenfolge.size() == reihenfolge.size())
                        SeiteFeld->Reihenfolge = reihenfolge;
                    blatt.SeiteDrucken();
                    CBLoesungaufPlatzhalter->SetChecked(loesungenVorher);
                    if (SeiteFeld->Reihenfolge.size() == reihenfolge.size())
                        SeiteFeld->Reihenfolge = reihenfolge;
                }
                blatt.SeiteDrucken();
                SeiteFeld->Blattnummer = -1;
            }
            if (blaetter >= 2) {
                for (int versuch = 1; versuch <= NeueSeitenVersuche; ++versuch) {
                    BNeueAufgabeClick();
                    if (!SeiteFeld || (SeiteFeld->ZeilenZahl == zeilen && SeiteFeld->SpaltenZahl == spalten))
                        break;
                }
                // Without a generator no new page comes; nothing is left to print.
                if (!SeiteFeld)
                    break;
            }
        }
    } catch (...) {
        // A failed run still leaves the window as it was and the printer free for the next
        // job; the pages printed so far are what the job holds.
        if (SeiteFeld)
            SeiteFeld->Blattnummer = -1;
        CBLoesungaufPlatzhalter->SetChecked(loesungenVorher);
        blatt.DruckBeenden();
        throw;
    }
    blatt.DruckBeenden();
}
