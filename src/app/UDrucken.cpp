// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UDrucken.h"

#include "app/Druckauftrag.h"
#include "app/UVorschau.h"
#include "app/UZeichnen.h"
#include "files/Dateizugriff.h"
#include "files/Fehler.h"
#include "sheet/UBlatt.h"
#include "toolkit/Dateidialog.h"
#include "toolkit/Drucker.h"
#include "toolkit/Druckerdialog.h"
#include "toolkit/Oberflaeche.h"
#include "toolkit/Ziffernfilter.h"

#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace {

// Sends the jobs of a document printer into a file being saved, for as long as it lives: the
// pages go to disk as they are made, so that a long run does not hold its document in memory.
class TDateiausgabe final {
public:
    TDateiausgabe(TDokumentdrucker& drucker, TAtomareDatei& datei) : Drucker(drucker)
    {
        Drucker.AusgabeSetzen([&datei](std::string_view bytes) { datei.Schreiben(bytes); });
    }
    ~TDateiausgabe() { Drucker.AusgabeSetzen({}); }
    TDateiausgabe(const TDateiausgabe&) = delete;
    TDateiausgabe& operator=(const TDateiausgabe&) = delete;

private:
    TDokumentdrucker& Drucker;
};

// The printer and both numbers taken as OK takes them, and the run they ask for.
TZeichnen::TDrucklauf LaufLesen(TFDrucken& d)
{
    d.SetPrinter();
    char eingabetaste = 13;
    d.EExemplareKeyPress(eingabetaste);
    eingabetaste = 13;
    d.EVerschBlaetterKeyPress(eingabetaste);
    TZeichnen::TDrucklauf lauf;
    lauf.Blaetter = d.UDVerschBlaetter->Position();
    lauf.Exemplare = d.UDExemplare->Position();
    lauf.Loesungsblaetter = d.CBLoesungsblaetter->Checked();
    lauf.Nummerieren = d.CBNummerieren->Checked();
    lauf.LoesungenKennzeichnen = d.CBLoesungenKennzeichnen->Checked();
    lauf.LoesungenAmEnde = d.CBLoesungenAmEnde->Checked();
    return lauf;
}

} // namespace

TFDrucken::TFDrucken(TZeichnen& hauptfenster) : TFormular("Drucken"), Hauptfenster(hauptfenster)
{
    MHinweis = &Erzeuge<TMemo>("MHinweis");
    MHinweis->SetLines({
        "Zwischen verschiedenen Arbeitsblättern werden neue Aufgaben gesucht; jedes Blatt "
        "wird so oft gedruckt, wie Exemplare verlangt sind.",
        "Mit „Verschiedene Arbeitsblätter durchnummerieren“ trägt jede Seite oben links die "
        "Nummer ihres Arbeitsblatts, auch sein Lösungsblatt; ohne diese Wahl bleiben alle "
        "Seiten ohne Nummer.",
        "Mit „Lösungsblätter gleich mitdrucken“ kommt das Lösungsblatt jedes Arbeitsblatts "
        "direkt vor seinem letzten Exemplar, mit „Lösungsblätter am Ende drucken“ kommen alle "
        "Lösungsblätter nach allen Arbeitsblättern. „Lösungsblätter kennzeichnen“ schreibt "
        "oben rechts „Lösungen“ darauf.",
        "„Vorschau ...“ zeigt vorher jede Seite, die gedruckt wird; „Drucken“ dort druckt genau "
        "diese Seiten.",
        "Nach dem Druck zeigt das Hauptfenster wieder das Blatt, das es vorher zeigte.",
    });
    Erzeuge<TLabel>("LEsSollen").SetCaption("Es sollen");
    EVerschBlaetter = &Erzeuge<TEdit>("EVerschBlaetter");
    UDVerschBlaetter = &Erzeuge<TUpDown>("UDVerschBlaetter");
    Erzeuge<TLabel>("LVerschBlaetter").SetCaption("verschiedene Arbeitsblätter generiert und");
    Erzeuge<TLabel>("LJe").SetCaption("je");
    EExemplare = &Erzeuge<TEdit>("EExemplare");
    UDExemplare = &Erzeuge<TUpDown>("UDExemplare");
    Erzeuge<TLabel>("LExemplare").SetCaption("- mal ausgedruckt werden.");
    for (const auto& [feld, pfeile] :
         {std::pair{EVerschBlaetter, UDVerschBlaetter}, std::pair{EExemplare, UDExemplare}}) {
        pfeile->Associate = feld;
        pfeile->SetRange(1, 10000);
        feld->SetText("1");
        pfeile->SetPosition(1);
    }
    CBNummerieren = &Erzeuge<TCheckBox>("CBNummerieren");
    CBNummerieren->SetCaption("Verschiedene Arbeitsblätter durchnummerieren");
    CBLoesungsblaetter = &Erzeuge<TCheckBox>("CBLoesungsblaetter");
    CBLoesungsblaetter->SetCaption("Lösungsblätter gleich mitdrucken");
    // A solution sheet says so at its top right, so it is not handed out by mistake; the
    // teacher may keep the key apart by printing all of them at the end.
    CBLoesungenKennzeichnen = &Erzeuge<TCheckBox>("CBLoesungenKennzeichnen");
    CBLoesungenKennzeichnen->SetCaption("Lösungsblätter kennzeichnen");
    CBLoesungenKennzeichnen->SetChecked(true);
    CBLoesungenAmEnde = &Erzeuge<TCheckBox>("CBLoesungenAmEnde");
    CBLoesungenAmEnde->SetCaption("Lösungsblätter am Ende drucken");
    BDruckereinstellungen = &Erzeuge<TButton>("BDruckereinstellungen");
    BDruckereinstellungen->SetCaption("Druckereinstellungen...");
    BAbbruch = &Erzeuge<TButton>("BAbbruch");
    BAbbruch->SetCaption("Abbruch");
    BOK = &Erzeuge<TButton>("BOK");
    BOK->SetCaption("OK");
    BVorschau = &Erzeuge<TButton>("BVorschau");
    BVorschau->SetCaption("Vorschau ...");
    LDrucker = &Erzeuge<TLabel>("LDrucker");
    DruckerZeigen();

    EVerschBlaetter->OnKeyPress = [this](TEdit&, char& taste) { EVerschBlaetterKeyPress(taste); };
    EExemplare->OnKeyPress = [this](TEdit&, char& taste) { EExemplareKeyPress(taste); };
    BDruckereinstellungen->OnClick = [this](TButton&) { BDruckereinstellungenClick(); };
    BAbbruch->OnClick = [this](TButton&) { BAbbruchClick(); };
    BOK->OnClick = [this](TButton&) { BOKClick(); };
    BVorschau->OnClick = [this](TButton&) { BVorschauClick(); };
}

void TFDrucken::SetzeDrucker(std::vector<TDrucker*> drucker, std::size_t gewaehlt)
{
    DruckerListe = std::move(drucker);
    Gewaehlt = gewaehlt < DruckerListe.size() ? gewaehlt : 0;
    DruckerZeigen();
}

void TFDrucken::DruckerZeigen()
{
    const TDrucker* drucker = Drucker();
    LDrucker->SetCaption(drucker != nullptr ? "Drucker: " + drucker->Name() : "Drucker: keiner eingerichtet");
}

TDrucker* TFDrucken::Drucker() const
{
    return Gewaehlt < DruckerListe.size() ? DruckerListe[Gewaehlt] : nullptr;
}

void TFDrucken::SetPrinter()
{
    TBlatt& blatt = Hauptfenster.Blatt();
    blatt.SetzeDrucker(Drucker());
    blatt.DruckerUebernehmen();
    Hauptfenster.Seitenmetrik();
}

void TFDrucken::BDruckereinstellungenClick()
{
    if (Druckerdialog == nullptr || DruckerListe.empty())
        return;
    const std::size_t wahl = Druckerdialog->Ausfuehren(DruckerListe, Gewaehlt);
    if (wahl < DruckerListe.size())
        Gewaehlt = wahl;
    DruckerZeigen();
}

void TFDrucken::BAbbruchClick()
{
    SetPrinter();
    Sichtbar = false;
}

void TFDrucken::BOKClick()
{
    const TZeichnen::TDrucklauf lauf = LaufLesen(*this);
    Ausgeben([&] { return Hauptfenster.Print(lauf, Fortschritt); });
}

void TFDrucken::BVorschauClick()
{
    if (Vorschau == nullptr)
        return;
    const TZeichnen::TDrucklauf lauf = LaufLesen(*this);
    std::unique_ptr<TDruckauftrag> auftrag = Hauptfenster.Druckseiten(lauf, Vorbereitung);
    if (!auftrag)
        return;
    Vorschau->Zeigen(std::move(auftrag));
    if (Oberflaeche != nullptr && Oberflaeche->Anzeige != nullptr)
        Oberflaeche->Anzeige->Zeigen(*Vorschau);
}

bool TFDrucken::AuftragDrucken(TDruckauftrag& auftrag)
{
    return Ausgeben([&] { return Hauptfenster.Print(auftrag, Fortschritt); });
}

bool TFDrucken::Ausgeben(const std::function<bool()>& drucken)
{
    // The file is asked for and opened before the run, so that neither a Cancel nor a folder
    // that refuses the file comes after a long run.
    auto* dokumentdrucker = dynamic_cast<TDokumentdrucker*>(Drucker());
    TAtomareDatei datei;
    std::optional<TDateiausgabe> ausgabe;
    if (dokumentdrucker != nullptr && Dateidialog != nullptr) {
        const std::optional<std::string> pfad =
            Dateidialog->Speichern("PDF-Datei (*.pdf)", "pdf", Hauptfenster.Orte.Ordner(TOrdnerart::Pdf));
        if (!pfad)
            return false;
        Hauptfenster.Orte.OrdnerMerken(TOrdnerart::Pdf, *pfad);
        if (!datei.Oeffnen(*pfad))
            throw EInOutError("Die Datei „" + *pfad + "“ kann nicht geschrieben werden ("
                              + Fehlerursache(datei.Fehlernummer()) + ").");
        ausgabe.emplace(*dokumentdrucker, datei);
    }
    // A run that fails or is stopped leaves the temporary file to the destructor, which
    // removes it: the target stays as it was.
    if (!drucken())
        return false;
    if (ausgabe) {
        ausgabe.reset();
        datei.Abschliessen();
    }
    Sichtbar = false;
    return true;
}

void TFDrucken::EVerschBlaetterKeyPress(char& taste)
{
    if (taste != 13)
        return;
    taste = 0;
    ZahlUebernehmen(*EVerschBlaetter, *UDVerschBlaetter, "verschiedenen Arbeitsblätter");
}

void TFDrucken::EExemplareKeyPress(char& taste)
{
    if (taste != 13)
        return;
    taste = 0;
    ZahlUebernehmen(*EExemplare, *UDExemplare, "Exemplare");
}

void TFDrucken::ZahlUebernehmen(TEdit& feld, TUpDown& pfeile, const std::string& was)
{
    const int zahl = SecureStrtoInt(feld.Text(), 1);
    if (zahl > GroesstePosition) {
        throw ERangeError("Die Zahl der " + was + " (" + std::to_string(zahl) + ") ist zu groß; erlaubt sind 1 bis "
                          + std::to_string(pfeile.Max()) + ".");
    }
    pfeile.SetPosition(zahl);
    // The field shows the number the up-down took, also where it stayed ("3a" becomes "3",
    // an empty field "1").
    feld.SetText(std::to_string(pfeile.Position()));
}
