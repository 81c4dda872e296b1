// SPDX-License-Identifier: GPL-3.0-or-later
// The manual lies where the program looks for it (beside the program in the build tree, as
// the package installs it beside /usr/bin), with every picture it shows, and every part the
// windows open with F1, and every link inside it, leads to a part of it.

#include "app/Hilfe.h"
#include "app/Standarddatei.h"
#include "doubles/Meldungsrekorder.h"
#include "settings/Main.h"
#include "toolkit/Zufall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The manual of the build, where the program finds it: the tests run from the build's bin/
// folder, as the program does.
std::filesystem::path Handbuch()
{
    return Handbuchdatei(TStandarddatei::Programmverzeichnis());
}

std::string Lesen(const std::filesystem::path& datei)
{
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream text;
    text << ein.rdbuf();
    return text.str();
}

// The first group of every match of muster in text, in their order.
std::vector<std::string> Treffer(const std::string& text, const char* muster)
{
    const std::regex ausdruck(muster);
    std::vector<std::string> gefunden;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), ausdruck); it != std::sregex_iterator(); ++it)
        gefunden.push_back((*it)[1].str());
    return gefunden;
}

TEST(Handbuch, FoundInTheSharedDataBesideTheProgramsFolder)
{
    struct Fall {
        const char* Programmverzeichnis;
        const char* Handbuch;
    };
    const Fall faelle[] = {
        {"/usr/bin", "/usr/share/zifferbogen/hilfe/handbuch.html"},
        {"/home/lehrerin/zifferbogen/build/bin",
         "/home/lehrerin/zifferbogen/build/share/zifferbogen/hilfe/handbuch.html"},
        {"", ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Handbuchdatei(f.Programmverzeichnis), std::filesystem::path(f.Handbuch)) << f.Programmverzeichnis;
}

TEST(Handbuch, LiesWhereTheProgramLooksWithEveryPictureItShows)
{
    const auto datei = Handbuch();
    ASSERT_TRUE(std::filesystem::is_regular_file(datei)) << datei;
    const auto bilder = Treffer(Lesen(datei), R"re(<img [^>]*src="([^"]+)")re");
    EXPECT_GE(bilder.size(), 6u);
    for (const std::string& bild : bilder)
        EXPECT_TRUE(std::filesystem::is_regular_file(datei.parent_path() / bild)) << bild;
}

TEST(Handbuch, EveryLinkAndEveryPartTheWindowsOpenIsAPartOfIt)
{
    const std::string seite = Lesen(Handbuch());
    const auto liste = Treffer(seite, R"re( id="([^"]+)")re");
    const std::set<std::string> teile(liste.begin(), liste.end());
    EXPECT_EQ(teile.size(), liste.size()) << "ein Anker steht zweimal im Handbuch";
    for (const std::string& ziel : Treffer(seite, R"re(href="#([^"]+)")re"))
        EXPECT_TRUE(teile.contains(ziel)) << ziel;

    // F1 in the main window opens the start; in the settings window the part of the page shown,
    // each page its own, and without a page the part about the window.
    EXPECT_TRUE(teile.contains(HilfeStart));
    TMersenneZufall zufall(1);
    TMeldungsrekorder meldungen;
    TMainForm form(zufall, meldungen, nullptr);
    std::set<std::string> seitenteile;
    for (TTabSheet* s : form.PageControl1->Pages()) {
        form.PageControl1->SetActivePage(s);
        const std::string anker = Hilfeanker(form);
        EXPECT_TRUE(teile.contains(anker)) << s->Caption() << ": " << anker;
        seitenteile.insert(anker);
    }
    EXPECT_EQ(seitenteile.size(), form.PageControl1->Pages().size());
    form.PageControl1->SetActivePage(nullptr);
    EXPECT_TRUE(teile.contains(Hilfeanker(form))) << Hilfeanker(form);
    EXPECT_FALSE(seitenteile.contains(Hilfeanker(form)));
}

} // namespace
