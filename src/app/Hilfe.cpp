// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Hilfe.h"

#include "settings/Main.h"

#include <string_view>

std::filesystem::path Handbuchdatei(const std::filesystem::path& programmverzeichnis)
{
    if (programmverzeichnis.empty())
        return {};
    return (programmverzeichnis / ".." / "share" / "zifferbogen" / "hilfe" / "handbuch.html").lexically_normal();
}

std::string Hilfeanker(const TMainForm& einstellungen)
{
    // The tab pages by name, so that a page added later without a part of its own falls back
    // to the window's part instead of to another page's.
    struct TSeitenanker {
        std::string_view Seite;
        const char* Anker;
    };
    static constexpr TSeitenanker Seiten[] = {
        {"GSPlusMinus", "plus-minus"},
        {"GSMalGeteilt", "mal-geteilt"},
        {"TSPlatzhalterauswahl", "platzhalter-seite"},
        {"TabSheet1", "triviale-aufgaben"},
    };
    if (const TTabSheet* seite = einstellungen.PageControl1->ActivePage()) {
        for (const TSeitenanker& s : Seiten) {
            if (seite->Name() == s.Seite)
                return s.Anker;
        }
    }
    return "einstellungen";
}
