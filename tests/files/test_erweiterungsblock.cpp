// SPDX-License-Identifier: GPL-3.0-or-later
// The extension block at the end of a worksheet file: its values read back as written, a
// file without it is left alone, and a damaged one is refused with what is wrong.

#include "files/Erweiterungsblock.h"
#include "files/LadenSpeichern.h"
#include "toolkit/Fehler.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Erweiterungsblock, ValuesReadBackAsWrittenAndTheOtherReadersStopBeforeTheBlock)
{
    TErweiterungen werte;
    werte.Setzen("Namenszeile", "1");
    werte.Setzen("kuenftig.Farbe", "gr\xc3\xbcn \\ mit\ttab und\r\nzwei Zeilen");
    werte.Setzen("leer", "");
    werte.Setzen("Namenszeile", "0"); // in its place
    TLoadSave schreiben;
    schreiben.OpenWriteMemory();
    schreiben.WriteText("Zifferbogen 3.1");
    schreiben.WriteInteger(7);
    schreiben.WriteLineEnd();
    schreiben.WriteErweiterungen(werte);
    const std::string datei = schreiben.Bytes();
    EXPECT_NE(datei.find("\r\n#Zifferbogen-Erweiterung\r\nNamenszeile=0\r\n"), std::string::npos) << datei;
    EXPECT_TRUE(datei.ends_with("#Ende der Erweiterung\r\n"));

    TLoadSave lesen;
    lesen.OpenReadBytes(datei);
    EXPECT_EQ(lesen.ReadErweiterungen(), werte);
    EXPECT_EQ(lesen.ReadText(), "Zifferbogen 3.1");
    EXPECT_EQ(lesen.ReadInteger(), 7);
    // What a reader of the original format would see after its last value: nothing more.
    EXPECT_THROW(lesen.ReadInteger(), EConvertError);

    // Without values no block is written, and a file without one has no values.
    TLoadSave ohne;
    ohne.OpenWriteMemory();
    ohne.WriteInteger(7);
    ohne.WriteErweiterungen({});
    EXPECT_EQ(ohne.Bytes(), " 7 ");
    TLoadSave alt;
    alt.OpenReadBytes(" 7 \r\n[#Zifferbogen-Erweiterung]\r\n");
    EXPECT_TRUE(alt.ReadErweiterungen().Leer());
    EXPECT_EQ(alt.ReadInteger(), 7);
}

TEST(Erweiterungsblock, ADamagedBlockIsRefusedWithWhatIsWrong)
{
    struct Fall {
        const char* Was;
        std::string Block; // after the page block's last line end
        const char* Meldung;
    };
    for (const Fall& fall : {
             Fall{"ohne Ende", "#Zifferbogen-Erweiterung\r\nNamenszeile=1\r\n", "nicht abgeschlossen"},
             Fall{"etwas nach dem Ende", "#Zifferbogen-Erweiterung\r\n#Ende der Erweiterung\r\n 5 \r\n",
                  "nicht abgeschlossen"},
             Fall{"ohne =", "#Zifferbogen-Erweiterung\r\nNamenszeile\r\n#Ende der Erweiterung\r\n", "kein „=“"},
             Fall{"zweimal", "#Zifferbogen-Erweiterung\r\na=1\r\na=2\r\n#Ende der Erweiterung\r\n", "zweimal"},
             Fall{"Name", "#Zifferbogen-Erweiterung\r\nein Name=1\r\n#Ende der Erweiterung\r\n", "ungültig"},
             Fall{"Maskierung", "#Zifferbogen-Erweiterung\r\na=\\q\r\n#Ende der Erweiterung\r\n", "beschädigt"},
             Fall{"kein UTF-8", "#Zifferbogen-Erweiterung\r\na=\xfc\r\n#Ende der Erweiterung\r\n", "beschädigt"},
         }) {
        TLoadSave lesen;
        lesen.OpenReadBytes(" 7 \r\n" + fall.Block);
        try {
            (void)lesen.ReadErweiterungen();
            ADD_FAILURE() << fall.Was << ": angenommen";
        } catch (const EConvertError& fehler) {
            EXPECT_NE(std::string(fehler.what()).find(fall.Meldung), std::string::npos) << fall.Was << ": "
                                                                                       << fehler.what();
        }
    }
    // An empty block and blank lines are fine.
    TLoadSave leer;
    leer.OpenReadBytes(" 7 \r\n#Zifferbogen-Erweiterung\r\n\r\n#Ende der Erweiterung\r\n\r\n");
    EXPECT_TRUE(leer.ReadErweiterungen().Leer());
}

} // namespace
