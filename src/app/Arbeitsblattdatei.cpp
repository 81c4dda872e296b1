// Writing whole worksheet files: the blocks of the settings window, the heading dialog, the
// main window and the page, one after the other through one value stream.

#include "app/UUeberschrift.h"
#include "app/UZeichnen.h"
#include "files/Dateikopf.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "files/Windows1252.h"
#include "settings/Main.h"
#include "sheet/USeite.h"

void TZeichnen::SaveFile(const std::string& pfad)
{
    TLoadSave strom;
    // A failed save is reported: the teacher must know that the worksheet was not kept.
    if (strom.OpenWrite(pfad))
        throw EInOutError("Die Datei „" + Utf8Maskiert(pfad) + "“ kann nicht gespeichert werden.");
    Speichern(strom);
    strom.Close();
}

void TZeichnen::Speichern(TLoadSave& strom)
{
    strom.WriteText(AktuellerDateikopf);
    strom.WriteLineEnd();
    if (Einstellungen != nullptr)
        Einstellungen->EinstellungenSchreiben(strom);
    if (Ueberschrift != nullptr) {
        Ueberschrift->UeberschriftSchreiben(strom);
    } else {
        // No heading dialog: a heading block without lines keeps the file readable.
        for (int block = 0; block < 2; ++block) {
            strom.WriteInteger(0);
            strom.WriteLineEnd();
        }
        strom.WriteLineEnd();
        strom.WriteLineEnd();
    }
    strom.WriteLineEnd();

    // The fonts with their design sizes: the size a font carries is the one the page uses.
    for (std::size_t k = 1; k <= 5; ++k) {
        TSchrift schrift = Schriften[k];
        schrift.Groesse = Schriftgroessen[k];
        strom.WriteFont(schrift);
    }
    for (std::size_t i = 1; i <= 9; ++i)
        strom.WriteFloat(RandWerte[i]);

    strom.WriteBoolean(CBLoesungen->Checked());
    strom.WriteBoolean(RBGenauFestlegen->Checked());
    strom.WriteInteger(UDSpalten->Position());
    strom.WriteInteger(UDZeilen->Position());
    strom.WriteBoolean(CBNummerierung->Checked());
    strom.WriteBoolean(CBTrennlinien->Checked());
    strom.WriteBoolean(NummernMitZiffern);
    strom.WriteText(ZeichenNachNummer);
    strom.WriteBoolean(CBNurRechnung->Checked());
    strom.WriteBoolean(CBQuersumme->Checked());
    strom.WriteBoolean(CBLoesungaufPlatzhalter->Checked());
    strom.WriteBoolean(CBSchriftlichFeld->Checked());
    strom.WriteBoolean(CBLoesungenDurcheinander->Checked());
    strom.WriteBoolean(CBVertikalNummerieren->Checked());
    strom.WriteBoolean(RBRechtsbuendig->Checked());
    strom.WriteBoolean(CBRechenkaestchen->Checked());
    strom.WriteBoolean(CBGespensterAufgaben->Checked());
    strom.WriteBoolean(CBX->Checked());
    strom.WriteBoolean(CBFragezeichen->Checked());
    strom.WriteLineEnd();
    strom.WriteLineEnd();

    if (SeiteFeld) {
        SeiteFeld->SeiteSpeichern(strom);
    } else {
        strom.WriteInteger(0); // a page block without rows
    }
}
