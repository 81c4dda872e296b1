// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Orte.h"

#include "toolkit/Ablage.h"
#include "toolkit/Steuerelemente.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

const std::string ZuletztSchluessel = "Dateien/Zuletzt";
const std::string ArbeitsblattSchluessel = "Ordner/Arbeitsblatt";
const std::string PdfSchluessel = "Ordner/Pdf";
const std::string ZoomSchluessel = "Hauptfenster/Zoom";

// A path as it is kept: absolute, so that a file named on the command line relative to the
// folder the program was started in is found again from any other.
std::string Ganz(const std::string& pfad)
{
    std::error_code fehler;
    const std::filesystem::path ganz = std::filesystem::absolute(pfad, fehler);
    return fehler ? pfad : ganz.lexically_normal().string();
}

std::string OrdnerVon(const std::string& pfad)
{
    return std::filesystem::path(Ganz(pfad)).parent_path().string();
}

// A zoom typed into the box as the box itself writes it back: 11% to 999%.
bool GetippterZoom(const std::string& text)
{
    if (text.size() < 3 || text.size() > 4 || text.back() != '%' || text.front() == '0')
        return false;
    int n = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        n = n * 10 + (text[i] - '0');
    }
    return n > 10 && n < 1000;
}

} // namespace

void TOrte::Verbinden(TAblage* ablage)
{
    Ablage = ablage;
    if (Ablage == nullptr)
        return;
    // A list edited by hand may hold empty lines, a file twice, or too many.
    ZuletztFeld.clear();
    for (const std::string& pfad : Ablage->Liste(ZuletztSchluessel)) {
        if (!pfad.empty() && ZuletztFeld.size() < Hoechstzahl
            && std::find(ZuletztFeld.begin(), ZuletztFeld.end(), pfad) == ZuletztFeld.end())
            ZuletztFeld.push_back(pfad);
    }
    ArbeitsblattOrdner = Ablage->Text(ArbeitsblattSchluessel).value_or("");
    PdfOrdner = Ablage->Text(PdfSchluessel).value_or("");
}

void TOrte::Eintragen(const std::string& pfad)
{
    const std::string ganz = Ganz(pfad);
    std::erase(ZuletztFeld, ganz);
    ZuletztFeld.insert(ZuletztFeld.begin(), ganz);
    if (ZuletztFeld.size() > Hoechstzahl)
        ZuletztFeld.resize(Hoechstzahl);
    ListeAblegen();
    OrdnerMerken(TOrdnerart::Arbeitsblatt, ganz);
}

void TOrte::Entfernen(const std::string& pfad)
{
    if (std::erase(ZuletztFeld, pfad) > 0)
        ListeAblegen();
}

const std::string& TOrte::Ordner(TOrdnerart art) const
{
    return art == TOrdnerart::Arbeitsblatt ? ArbeitsblattOrdner : PdfOrdner;
}

void TOrte::OrdnerMerken(TOrdnerart art, const std::string& pfad)
{
    std::string& ordner = art == TOrdnerart::Arbeitsblatt ? ArbeitsblattOrdner : PdfOrdner;
    ordner = OrdnerVon(pfad);
    if (Ablage != nullptr)
        Ablage->SetzeText(art == TOrdnerart::Arbeitsblatt ? ArbeitsblattSchluessel : PdfSchluessel, ordner);
}

void TOrte::ZoomMerken(const TComboBox& zoom)
{
    if (Ablage != nullptr)
        Ablage->SetzeText(ZoomSchluessel, zoom.Text());
}

void TOrte::ZoomHerstellen(TComboBox& zoom) const
{
    if (Ablage == nullptr)
        return;
    const std::optional<std::string> text = Ablage->Text(ZoomSchluessel);
    if (!text)
        return;
    if (std::find(zoom.Items().begin(), zoom.Items().end(), *text) != zoom.Items().end()) {
        zoom.SetText(*text);
    } else if (GetippterZoom(*text)) {
        zoom.SetText(*text);
        zoom.KeyDown(13);
    }
}

void TOrte::ListeAblegen()
{
    if (Ablage != nullptr)
        Ablage->SetzeListe(ZuletztSchluessel, ZuletztFeld);
}
