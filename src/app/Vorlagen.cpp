// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Vorlagen.h"

#include <charconv>
#include <fstream>

namespace {

std::vector<std::string_view> Spalten(std::string_view zeile)
{
    std::vector<std::string_view> spalten;
    std::size_t anfang = 0;
    for (;;) {
        const std::size_t tab = zeile.find('\t', anfang);
        spalten.push_back(zeile.substr(anfang, tab == std::string_view::npos ? std::string_view::npos : tab - anfang));
        if (tab == std::string_view::npos)
            return spalten;
        anfang = tab + 1;
    }
}

} // namespace

std::filesystem::path Vorlagenordner(const std::filesystem::path& programmverzeichnis)
{
    if (programmverzeichnis.empty())
        return {};
    return (programmverzeichnis / ".." / "share" / "zifferbogen" / "vorlagen").lexically_normal();
}

std::vector<TVorlage> VorlagenLesen(const std::filesystem::path& ordner)
{
    std::vector<TVorlage> vorlagen;
    if (ordner.empty())
        return vorlagen;
    std::ifstream tabelle(ordner / "vorlagen.tsv", std::ios::binary);
    std::string zeile;
    // The first line names the columns.
    if (!std::getline(tabelle, zeile))
        return vorlagen;
    while (std::getline(tabelle, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        const auto spalten = Spalten(zeile);
        if (spalten.size() < 3 || spalten[0].empty())
            continue;
        TVorlage vorlage;
        vorlage.Name = std::string(spalten[0]);
        const auto [ende, fehler] = std::from_chars(spalten[1].data(), spalten[1].data() + spalten[1].size(), vorlage.Klasse);
        if (fehler != std::errc{} || ende != spalten[1].data() + spalten[1].size() || vorlage.Klasse < 1
            || vorlage.Klasse > 4)
            continue;
        vorlage.Titel = std::string(spalten[2]);
        vorlage.Datei = ordner / (vorlage.Name + ".zfb");
        std::error_code kein;
        if (!std::filesystem::is_regular_file(vorlage.Datei, kein))
            continue;
        vorlagen.push_back(std::move(vorlage));
    }
    return vorlagen;
}

const TVorlage* VorlageFinden(const std::vector<TVorlage>& vorlagen, std::string_view name)
{
    for (const TVorlage& vorlage : vorlagen) {
        if (vorlage.Name == name)
            return &vorlage;
    }
    return nullptr;
}
