#include "app/Einstellungsdatei.h"

#include "files/Dateikopf.h"
#include "files/LadenSpeichern.h"
#include "settings/Main.h"

bool EinstellungenAusDateiLesen(TMainForm& einstellungen, const std::string& pfad)
{
    TLoadSave strom;
    if (strom.OpenRead(pfad))
        return false;
    const int dateiversion = DateiversionAusKopf(strom.ReadText());
    einstellungen.EinstellungenLesen(strom, dateiversion);
    strom.Close();
    return true;
}
