// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet file's extension block as the main window meets it: values of a newer version
// kept and written back, a file of the original format saved as it was, a damaged block
// refused with nothing changed.

#include "files/LadenSpeichern.h"
#include "fixtures/Programmstart.h"
#include "toolkit/Fehler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Arbeitsblatt : TProgrammstart {
    Arbeitsblatt() : TProgrammstart(5) {}
    std::string Gespeichert()
    {
        TLoadSave strom;
        strom.OpenWriteMemory();
        Zeichnen().Speichern(strom);
        return strom.Bytes();
    }
};

std::filesystem::path Datei(const char* name)
{
    return std::filesystem::temp_directory_path()
        / (std::string("zb_erw_") + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + name);
}

void Schreiben(const std::filesystem::path& pfad, const std::string& bytes)
{
    std::ofstream(pfad, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(Erweiterungen, ValuesOfANewerVersionAreKeptAndAFileOfTheOriginalFormatStaysAsItWas)
{
    Arbeitsblatt quelle;
    const std::string original = quelle.Gespeichert();
    // Nothing to extend: the file is one of the original format.
    EXPECT_EQ(original.find("#Zifferbogen-Erweiterung"), std::string::npos);

    const auto pfad = Datei("neuer.zfb");
    const std::string block = "#Zifferbogen-Erweiterung\r\nkuenftig.Rahmen=doppelt\r\nkuenftig.Text=f\xc3\xbcr "
                              "\\\\ alle\r\n#Ende der Erweiterung\r\n";
    Schreiben(pfad, original + "\r\n" + block);
    Arbeitsblatt ziel;
    ASSERT_EQ(ziel.Programm.Zeichnen().OpenFile(pfad.string()), 0);
    const std::string wieder = ziel.Gespeichert();
    EXPECT_TRUE(wieder.ends_with(block)) << wieder.substr(wieder.size() > 200 ? wieder.size() - 200 : 0);
    // The rest of the file reads as the original did.
    EXPECT_EQ(wieder.substr(0, wieder.size() - block.size() - 2), original);
    std::filesystem::remove(pfad);
}

TEST(Erweiterungen, ADamagedBlockRefusesTheFileAndChangesNothing)
{
    Arbeitsblatt quelle;
    const std::string original = quelle.Gespeichert();
    const auto pfad = Datei("kaputt.zfb");
    for (const std::string& block : {std::string("#Zifferbogen-Erweiterung\r\nohne Gleichheitszeichen\r\n#Ende der "
                                                 "Erweiterung\r\n"),
                                     std::string("#Zifferbogen-Erweiterung\r\na=1\r\n")}) {
        Schreiben(pfad, original + "\r\n" + block);
        Arbeitsblatt ziel;
        const std::string vorher = ziel.Gespeichert();
        EXPECT_THROW(ziel.Programm.Zeichnen().OpenFile(pfad.string()), EConvertError) << block;
        EXPECT_EQ(ziel.Gespeichert(), vorher) << block;
    }
    std::filesystem::remove(pfad);
}

} // namespace
