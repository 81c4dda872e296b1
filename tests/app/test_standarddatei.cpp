#include "app/Standarddatei.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

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

TEST(Standarddatei, IsReadFromTheConfigurationDirectoryWhenItIsThereElseBesideTheProgram)
{
    const auto ordner = std::filesystem::temp_directory_path() / "zb_standarddatei_test";
    std::filesystem::remove_all(ordner);
    const Umgebung xdg("XDG_CONFIG_HOME", ordner.c_str());
    EXPECT_EQ(TStandarddatei::Lesepfad(), TStandarddatei::Programmverzeichnis() / "Standard.zfb");
    EXPECT_FALSE(TStandarddatei::Programmverzeichnis().empty());

    std::filesystem::create_directories(ordner / "zifferbogen");
    std::ofstream(ordner / "zifferbogen" / "Standard.zfb") << "[Zifferbogen 3.1]";
    EXPECT_EQ(TStandarddatei::Lesepfad(), ordner / "zifferbogen" / "Standard.zfb");
    std::filesystem::remove_all(ordner);
}

} // namespace
