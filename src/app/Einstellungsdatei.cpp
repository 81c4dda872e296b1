#include "app/Einstellungsdatei.h"

#include "files/Dateikopf.h"
#include "files/LadenSpeichern.h"
#include "settings/Main.h"

int EinstellungenAusDateiLesen(TMainForm& einstellungen, const std::string& pfad)
{
    TLoadSave strom;
    if (strom.OpenRead(pfad))
        return strom.Oeffnungsfehler();
    const int dateiversion = DateiversionAusKopf(strom.ReadText());
    einstellungen.EinstellungenLesen(strom, dateiversion);
    strom.Close();
    return 0;
}
