// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Einstellungsdatei.h"

#include "files/Dateikopf.h"
#include "files/Dateizugriff.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "settings/Main.h"

#include <cerrno>

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

void DateiOeffnenOderMelden(const std::function<int(const std::string&)>& oeffnen, const std::string& pfad,
                            bool standard)
{
    const std::string nichtGelesen = standard ? "Die Standardeinstellungen „" + pfad + "“ konnten nicht gelesen werden"
                                              : "Die Datei „" + pfad + "“ konnte nicht gelesen werden";
    int grund = 0;
    try {
        grund = oeffnen(pfad);
    } catch (const EZifferbogenFehler& fehler) {
        throw EInOutError(Dateifehlertext(nichtGelesen, fehler) + (standard ? " Es gelten die Vorgaben." : ""));
    }
    if (grund == 0 || (standard && grund == ENOENT))
        return;
    if (standard)
        throw EInOutError(nichtGelesen + " (" + Fehlerursache(grund) + "); es gelten die Vorgaben.");
    throw EInOutError("Die Datei „" + pfad + "“ konnte nicht geöffnet werden (" + Fehlerursache(grund) + ").");
}
