// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pages of a print run as data: made once by the run, then shown in the preview or
// printed, page for page the same.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TSeite;

class TDruckauftrag final {
public:
    // A page's tasks as the run left them for it: its page block (as a worksheet file holds
    // it) and the order of its solution column.
    struct TStand {
        std::string Seite;
        std::vector<int> Reihenfolge;

        friend bool operator==(const TStand&, const TStand&) = default;
    };

    // What a page needs besides its tasks: the solutions on the blanks (a solution sheet, or
    // the option chosen in the window), the sheet number (-1 none) and the mark at the top
    // right (empty none).
    struct TDruckseite {
        std::size_t Stand = 0;
        bool Loesungen = false;
        int Blattnummer = -1;
        std::string Kennzeichen;

        friend bool operator==(const TDruckseite&, const TDruckseite&) = default;
    };

    TDruckauftrag();
    ~TDruckauftrag();
    TDruckauftrag(const TDruckauftrag&) = delete;
    TDruckauftrag& operator=(const TDruckauftrag&) = delete;

    // Adds the next page. Copies of a sheet share one stand and one entry, so that a run of
    // many copies stays small.
    void Anfuegen(TStand stand, bool loesungen, int blattnummer, std::string kennzeichen);

    std::int64_t Seitenzahl() const { return Folgen.empty() ? 0 : Folgen.back().Bis; }
    // Page k, counted from 0 (0 <= k < Seitenzahl()).
    const TDruckseite& Seite(std::int64_t k) const;
    const TStand& Stand(std::size_t index) const { return Staende[index]; }

    // The page that the pages are laid out on in turn, apart from the one the main window
    // shows, and which page it holds laid out (its stand and its solutions), if any; the
    // main window keeps them here between pages.
    std::unique_ptr<TSeite> Arbeitsseite;
    std::optional<std::pair<std::size_t, bool>> Gelegt;

private:
    struct TFolge {
        TDruckseite Seite;
        std::int64_t Bis = 0; // the pages from the first to the end of this entry
    };

    std::vector<TStand> Staende;
    std::vector<TFolge> Folgen;
};
