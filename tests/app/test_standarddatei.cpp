// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Standarddatei.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

// Sets an environment variable for one test and puts the old value back.
class Umgebung final {
public:
    Umgebung(const char* name, const char* wert) : Name(name)
    {
        if (const char* alt = std::getenv(name))
            Alt = alt;
        if (wert != nullptr)
            ::setenv(name, wert, 1);
        else
            ::unsetenv(name);
    }
    ~Umgebung()
    {
        if (Alt)
            ::setenv(Name, Alt->c_str(), 1);
        else
            ::unsetenv(Name);
    }
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;

private:
    const char* Name;
    std::optional<std::string> Alt;
};

TEST(Standarddatei, LivesInTheConfigurationDirectory)
{
    {
        const Umgebung xdg("XDG_CONFIG_HOME", "/tmp/zb-konfig");
        EXPECT_EQ(TStandarddatei::Konfigurationspfad(), "/tmp/zb-konfig/zifferbogen/Standard.zfb");
    }
    {
        // A relative XDG_CONFIG_HOME is invalid and counts as unset.
        const Umgebung xdg("XDG_CONFIG_HOME", "relativ");
        const Umgebung home("HOME", "/home/lehrerin");
        EXPECT_EQ(TStandarddatei::Konfigurationspfad(), "/home/lehrerin/.config/zifferbogen/Standard.zfb");
    }
    {
        const Umgebung xdg("XDG_CONFIG_HOME", nullptr);
        const Umgebung home("HOME", nullptr);
        EXPECT_TRUE(TStandarddatei::Konfigurationspfad().empty());
    }
}

// The user's file wins, then the system's directories in their order; without any, the
// user's (missing) file is read, which leaves the defaults. The default /etc/xdg is only
// looked at, never written.
TEST(Standarddatei, TheUsersFileWinsThenTheFirstSystemDirectoryThatHasOne)
{
    namespace fs = std::filesystem;
    const auto ordner = fs::temp_directory_path() / "zb_standarddatei_test";
    fs::remove_all(ordner);
    const auto datei = [&](const std::string& wo) { return ordner / wo / "zifferbogen" / "Standard.zfb"; };
    const auto anlegen = [&](const std::string& wo) {
        fs::create_directories(datei(wo).parent_path());
        std::ofstream(datei(wo)) << "[Zifferbogen 3.1]";
    };
    const Umgebung home("HOME", "/home/lehrerin");
    const Umgebung xdg("XDG_CONFIG_HOME", (ordner / "eigen").c_str());
    {
        const Umgebung system("XDG_CONFIG_DIRS", nullptr);
        EXPECT_EQ(TStandarddatei::Suchpfade(),
                  (std::vector<fs::path>{datei("eigen"), "/etc/xdg/zifferbogen/Standard.zfb"}));
    }
    {
        // Relative entries are ignored; an empty one too.
        const std::string liste = "relativ::" + (ordner / "schule").string() + ":" + (ordner / "land").string();
        const Umgebung system("XDG_CONFIG_DIRS", liste.c_str());
        EXPECT_EQ(TStandarddatei::Suchpfade(), (std::vector<fs::path>{datei("eigen"), datei("schule"), datei("land")}));
        EXPECT_EQ(TStandarddatei::Lesepfad(), datei("eigen"));
        anlegen("land");
        EXPECT_EQ(TStandarddatei::Lesepfad(), datei("land"));
        anlegen("schule");
        EXPECT_EQ(TStandarddatei::Lesepfad(), datei("schule"));
        anlegen("eigen");
        EXPECT_EQ(TStandarddatei::Lesepfad(), datei("eigen"));
    }
    fs::remove_all(ordner);
}

} // namespace
