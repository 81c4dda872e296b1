// SPDX-License-Identifier: GPL-3.0-or-later
// The README's option table against the options the program knows.

#include "cli/Kommandozeile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

// The options of the README's table under "## Command line", as its first column writes them
// between backticks ("--tasks N"), in their order.
std::vector<std::string> OptionenDesReadme()
{
    std::ifstream datei(ZB_README);
    std::vector<std::string> optionen;
    bool imAbschnitt = false;
    for (std::string zeile; std::getline(datei, zeile);) {
        if (zeile.starts_with("## "))
            imAbschnitt = zeile == "## Command line";
        if (!imAbschnitt || !zeile.starts_with("| `"))
            continue;
        const std::string spalte = zeile.substr(2, zeile.find(" |", 2) - 2);
        for (std::size_t anfang = spalte.find('`'); anfang != std::string::npos;) {
            const std::size_t ende = spalte.find('`', anfang + 1);
            optionen.push_back(spalte.substr(anfang + 1, ende - anfang - 1));
            anfang = spalte.find('`', ende + 1);
        }
    }
    return optionen;
}

std::string Aufruf(const TOption& option)
{
    return std::string(option.Name) + (option.Wertname.empty() ? "" : " " + std::string(option.Wertname));
}

TEST(Optionen, TheReadmeTableListsEveryOptionWithItsValueInTheOrderOfHelp)
{
    std::vector<std::string> erwartet;
    for (const TOption& option : Optionen())
        erwartet.push_back(Aufruf(option));
    EXPECT_EQ(OptionenDesReadme(), erwartet);
}

} // namespace
