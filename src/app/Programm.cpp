// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Programm.h"

#include "app/UAufgbearbeiten.h"
#include "app/UDrucken.h"
#include "app/UInfo.h"
#include "app/UNummerierung.h"
#include "app/USplash.h"
#include "app/UUeberschrift.h"
#include "app/UVorschau.h"
#include "app/UZeichnen.h"
#include "app/Vorlagen.h"
#include "settings/Main.h"
#include "toolkit/Dateitypanmeldung.h"

#include <utility>

TProgramm::TProgramm(TZufall& zufall, TMeldungen& meldungen, TZeitgeber& splashZeitgeber,
                     std::vector<std::string> argumente, std::filesystem::path standarddatei,
                     TDateitypanmeldung* anmeldung, const std::filesystem::path& programm)
{
    ZeichnenFeld = std::make_unique<TZeichnen>(zufall, meldungen);
    if (!programm.empty())
        ZeichnenFeld->Vorlagen = VorlagenLesen(Vorlagenordner(programm.parent_path()));
    if (anmeldung != nullptr)
        anmeldung->Anmelden("zfb", programm);
    // The main window is not shown yet, so the settings window builds no page.
    EinstellungenFeld = std::make_unique<TMainForm>(zufall, meldungen, ZeichnenFeld.get());
    DruckenFeld = std::make_unique<TFDrucken>(*ZeichnenFeld);
    InfoFeld = std::make_unique<TFInfo>();
    SplashFeld = std::make_unique<TFSplash>(splashZeitgeber, meldungen, std::move(argumente), std::move(standarddatei));
    UeberschriftFeld = std::make_unique<TFUeberschrift>(*ZeichnenFeld);
    NummerierungFeld = std::make_unique<TFNummerierung>();
    EditAufgabeFeld = std::make_unique<TFEditAufgabe>(meldungen);
    VorschauFeld = std::make_unique<TFVorschau>(
        *ZeichnenFeld, [drucken = DruckenFeld.get()](TDruckauftrag& auftrag) { return drucken->AuftragDrucken(auftrag); });
    DruckenFeld->SetzeVorschau(VorschauFeld.get(), &OberflaecheFeld);

    ZeichnenFeld->Verbinden({.Einstellungen = EinstellungenFeld.get(),
                             .Ueberschrift = UeberschriftFeld.get(),
                             .EditAufgabe = EditAufgabeFeld.get(),
                             .Nummerierung = NummerierungFeld.get(),
                             .Drucken = DruckenFeld.get(),
                             .Splash = SplashFeld.get(),
                             .Info = InfoFeld.get(),
                             .Oberflaeche = &OberflaecheFeld});
}

TProgramm::~TProgramm() = default;

void TProgramm::HauptfensterZeigen(int breite, int hoehe)
{
    ZeichnenFeld->Zeigen();
    ZeichnenFeld->FormResize(breite, hoehe);
}
