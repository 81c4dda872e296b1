// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

namespace {

// Returns the bytes one write produces on a stream in memory.
std::string Geschrieben(const std::function<void(TLoadSave&)>& schreiben)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    schreiben(strom);
    strom.Close();
    return strom.Bytes();
}

// --- texts -------------------------------------------------------------------------------

TEST(WertestromText, WritesEscapedBytesAndReadsThemBack)
{
    const struct {
        std::string Text;
        std::string Bytes;
    } Faelle[] = {
        {"", "[]"},
        {"Aufgaben", "[Aufgaben]"},
        {"a[b]c\\d", "[a\\[b\\]c\\\\d]"},
        {"]]\\[", "[\\]\\]\\\\\\[]"},
        {"Zeile 1\r\nZeile 2", "[Zeile 1\r\nZeile 2]"},
        {"  Rand  ", "[  Rand  ]"},
        {"Größe · 3 €",
         "[Gr\xF6\xDF"
         "e \xB7 3 \x80]"},
    };
    for (const auto& fall : Faelle) {
        const std::string bytes = Geschrieben([&](TLoadSave& s) { s.WriteText(fall.Text); });
        EXPECT_EQ(bytes, fall.Bytes);
        TLoadSave leser;
        leser.OpenReadBytes(bytes);
        EXPECT_EQ(leser.ReadText(), fall.Text);
        EXPECT_TRUE(leser.AmEnde());
    }
}

TEST(WertestromText, CharactersWindows1252CannotHoldAreWrittenAsQuestionMarks)
{
    EXPECT_EQ(Geschrieben([](TLoadSave& s) { s.WriteText("π ≈ 3"); }), "[? ? 3]");
    EXPECT_EQ(Geschrieben([](TLoadSave& s) {
                  s.WriteText("a\xFF"
                              "b");
              }),
              "[a?b]");
}

TEST(WertestromText, ReadsWhatOtherWritersMayHaveLeft)
{
    const struct {
        std::string Bytes;
        std::string Erster;
        std::string Zweiter;
    } Faelle[] = {
        {"[\\[x\\\\][y]", "[x\\", "y"},   // older escapes of "[" and "\"
        {"[\\a\\]b]", "a]b", ""},         // any escaped character stands for itself
        {" \r\n  [a] \r\n[b]", "a", "b"}, // blanks and line breaks before a text
        {"x[abc]", "", "abc"},            // no bracket: empty, one character used up
        {"\t[abc]", "", "abc"},           // a tab is not whitespace
        {"[offen", "offen", ""},          // end of file ends an open text
        {"[ab\\", "ab", ""},              // a backslash at the very end is dropped
        {"", "", ""},
    };
    for (const auto& fall : Faelle) {
        TLoadSave leser;
        leser.OpenReadBytes(fall.Bytes);
        EXPECT_EQ(leser.ReadText(), fall.Erster) << fall.Bytes;
        EXPECT_EQ(leser.ReadText(), fall.Zweiter) << fall.Bytes;
    }
}

// --- integers ----------------------------------------------------------------------------

TEST(WertestromGanzzahl, WritesShortestFormAndReadsItBack)
{
    const struct {
        std::int32_t Wert;
        const char* Bytes;
    } Faelle[] = {
        {0, " 0 "},
        {7, " 7 "},
        {-5, " -5 "},
        {32767, " 32767 "},
        {std::numeric_limits<std::int32_t>::max(), " 2147483647 "},
        {std::numeric_limits<std::int32_t>::min(), " -2147483648 "},
    };
    for (const auto& fall : Faelle) {
        const std::string bytes = Geschrieben([&](TLoadSave& s) { s.WriteInteger(fall.Wert); });
        EXPECT_EQ(bytes, fall.Bytes);
        TLoadSave leser;
        leser.OpenReadBytes(bytes);
        EXPECT_EQ(leser.ReadInteger(), fall.Wert);
    }
}

TEST(WertestromGanzzahl, SkipsEverythingBeforeTheNumber)
{
    const struct {
        std::string Bytes;
        std::int32_t Wert;
    } Faelle[] = {
        {"abc12def", 12}, {"[Zeile]\r\n 7", 7}, {"x-3y", -3}, {"007", 7}, {"\t\t42", 42}, {"+5", 5}, {"1.5", 1},
    };
    for (const auto& fall : Faelle) {
        TLoadSave leser;
        leser.OpenReadBytes(fall.Bytes);
        EXPECT_EQ(leser.ReadInteger(), fall.Wert) << fall.Bytes;
    }
}

TEST(WertestromGanzzahl, ConsumesTheCharacterThatEndsTheNumber)
{
    TLoadSave leser;
    leser.OpenReadBytes("12[ab] 34");
    EXPECT_EQ(leser.ReadInteger(), 12);
    EXPECT_EQ(leser.ReadText(), ""); // the "[" went with the number
    EXPECT_EQ(leser.ReadInteger(), 34);
}

TEST(WertestromGanzzahl, UnreadableNumbersRaiseTheConversionError)
{
    for (const char* bytes : {"-", "- 5", "--5", "2147483648", "-2147483649", "99999999999999999999999999999999999999",
                              "", "abc", "[Text ohne Zahl]\r\n"}) {
        TLoadSave leser;
        leser.OpenReadBytes(bytes);
        EXPECT_THROW(leser.ReadInteger(), EConvertError) << bytes;
    }
}

TEST(WertestromGanzzahl, ErrorMessagesSayWhatWentWrong)
{
    const struct {
        std::string Bytes;
        std::string Meldung;
    } Faelle[] = {
        {"-", "„-“ ist keine gültige ganze Zahl."},
        {"3000000000",
         "Die Zahl „3000000000“ liegt außerhalb des Bereichs von -2147483648 bis "
         "2147483647."},
        {"[x]", "Unerwartetes Dateiende: Es wurde eine ganze Zahl erwartet."},
    };
    for (const auto& fall : Faelle) {
        TLoadSave leser;
        leser.OpenReadBytes(fall.Bytes);
        try {
            leser.ReadInteger();
            ADD_FAILURE() << fall.Bytes;
        } catch (const EZifferbogenFehler& fehler) {
            EXPECT_EQ(std::string(fehler.what()), fall.Meldung);
        }
    }
}

// --- floating-point numbers --------------------------------------------------------------

TEST(WertestromGleitkomma, LayoutValuesComeBackAsTheSameDouble)
{
    for (const double wert :
         {0.3, 0.4, 0.5, 0.7, 0.8, 1.0, 2.0, 8.0, 2.5, 0.1, 21.0, 29.7, -1.25, 0.0, 1e-300, 123456789012345.0}) {
        const std::string bytes = Geschrieben([&](TLoadSave& s) { s.WriteFloat(wert); });
        ASSERT_EQ(bytes.size(), 25u);
        EXPECT_EQ(bytes.front(), ' ');
        EXPECT_EQ(bytes.back(), ' ');
        TLoadSave leser;
        leser.OpenReadBytes(bytes);
        EXPECT_EQ(leser.ReadFloat(), wert) << bytes;
    }
    EXPECT_EQ(Geschrieben([](TLoadSave& s) { s.WriteFloat(0.8); }), "  8.00000000000000E-0001 ");
}

TEST(WertestromGleitkomma, ReadsNumbersAfterOtherText)
{
    const struct {
        std::string Bytes;
        double Wert;
    } Faelle[] = {
        {"x 1.5\r\n", 1.5},
        {"[a]+2.5E+0000 ", 2.5},
        {"-8.00000000000000E-0001", -0.8}, // ends at the end of the file
        {"\t3 ", 3.0},
    };
    for (const auto& fall : Faelle) {
        TLoadSave leser;
        leser.OpenReadBytes(fall.Bytes);
        EXPECT_EQ(leser.ReadFloat(), fall.Wert) << fall.Bytes;
    }
}

TEST(WertestromGleitkomma, UnreadableNumbersRaiseTheConversionError)
{
    // Only blank and CR end a number, so a bare LF leaves two numbers run together.
    for (const char* bytes : {"-", "+ 1", "2,5 ", "1.5E ", "1.5\n2.5 ", "1.5]", "", "abc", "1E+9999 "}) {
        TLoadSave leser;
        leser.OpenReadBytes(bytes);
        EXPECT_THROW(leser.ReadFloat(), EConvertError) << bytes;
    }
}

TEST(WertestromGleitkomma, InfinityIsRefusedAndNothingWritten)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    strom.WriteInteger(1);
    EXPECT_THROW(strom.WriteFloat(std::numeric_limits<double>::infinity()), EConvertError);
    EXPECT_EQ(strom.Bytes(), " 1 ");
}

// --- truth values ------------------------------------------------------------------------

TEST(WertestromWahrheitswert, WritesLowerCaseWords)
{
    EXPECT_EQ(Geschrieben([](TLoadSave& s) {
                  s.WriteBoolean(true);
                  s.WriteBoolean(false);
              }),
              " true  false ");
}

TEST(WertestromWahrheitswert, OnlyTheWordTrueReadsTrue)
{
    const struct {
        std::string Bytes;
        bool Wert;
    } Faelle[] = {
        {" true ", true}, {" false ", false}, {"True", false},   {"TRUE", false}, {"truex", false},  {"tru", false},
        {"true1", true},  {"[true]", true},   {"12 true", true}, {"", false},     {"  \r\n", false},
    };
    for (const auto& fall : Faelle) {
        TLoadSave leser;
        leser.OpenReadBytes(fall.Bytes);
        EXPECT_EQ(leser.ReadBoolean(), fall.Wert) << fall.Bytes;
    }
}

TEST(WertestromWahrheitswert, CapitalLettersAreSkippedBeforeTheWord)
{
    // "True" reads as the word "rue"; the next value starts after it.
    TLoadSave leser;
    leser.OpenReadBytes("True true");
    EXPECT_FALSE(leser.ReadBoolean());
    EXPECT_TRUE(leser.ReadBoolean());
}

// --- fonts -------------------------------------------------------------------------------

TEST(WertestromSchrift, WritesTheRecordByteForByte)
{
    TSchrift schrift;
    schrift.Name = "Arial";
    schrift.Groesse = 16;
    schrift.Stil = TSchrift::Fett;
    schrift.Farbe = TSchrift::FarbeFenstertext;
    schrift.Zeichensatz = TSchrift::ZeichensatzStandard;
    EXPECT_EQ(Geschrieben([&](TLoadSave& s) { s.WriteFont(schrift); }), " [[Arial] 16  1  -2147483640  1 ] \r\n");
}

TEST(WertestromSchrift, RoundTripsUnchanged)
{
    TSchrift alle;
    alle.Name = "Times [Größe] \\ Neu";
    alle.Groesse = 24;
    alle.Stil = TSchrift::AlleStile;
    alle.Farbe = TSchrift::FarbeFenstertext;
    alle.Zeichensatz = TSchrift::ZeichensatzAnsi;
    TSchrift rgb;
    rgb.Name = "";
    rgb.Groesse = 8;
    rgb.Stil = TSchrift::Kursiv | TSchrift::Durchgestrichen;
    rgb.Farbe = 0x00FF8000; // blue-green
    rgb.Zeichensatz = 255;

    const std::string bytes = Geschrieben([&](TLoadSave& s) {
        s.WriteFont(alle);
        s.WriteFont(rgb);
    });
    EXPECT_NE(bytes.find(" 15  -2147483640  0 ]"), std::string::npos);
    TLoadSave leser;
    leser.OpenReadBytes(bytes);
    EXPECT_EQ(leser.ReadFont(), alle);
    EXPECT_EQ(leser.ReadFont(), rgb);
}

TEST(WertestromSchrift, KeepsOnlyWhatAFontCanHold)
{
    TLoadSave leser;
    leser.OpenReadBytes(" [[Arial] 12  31  255  300 ] \r\n");
    const TSchrift schrift = leser.ReadFont();
    EXPECT_EQ(schrift.Stil, 15);
    EXPECT_EQ(schrift.Zeichensatz, 300 & 0xFF);
    EXPECT_EQ(schrift.Farbe, 255);
}

// --- end of file -------------------------------------------------------------------------

TEST(WertestromDateiende, CtrlZEndsTheFileForEveryReader)
{
    const struct {
        const char* Name;
        std::function<void(TLoadSave&)> Lesen;
    } Leser[] = {
        {"ReadText", [](TLoadSave& s) { EXPECT_EQ(s.ReadText(), ""); }},
        {"ReadInteger", [](TLoadSave& s) { EXPECT_THROW(s.ReadInteger(), EConvertError); }},
        {"ReadFloat", [](TLoadSave& s) { EXPECT_THROW(s.ReadFloat(), EConvertError); }},
        {"ReadBoolean", [](TLoadSave& s) { EXPECT_FALSE(s.ReadBoolean()); }},
        {"ReadFont", [](TLoadSave& s) { EXPECT_THROW(s.ReadFont(), EConvertError); }},
        {"ExpectChar", [](TLoadSave& s) { EXPECT_FALSE(s.ExpectChar('[')); }},
    };
    for (const auto& leser : Leser) {
        SCOPED_TRACE(leser.Name);
        TLoadSave strom;
        strom.OpenReadBytes(std::string(" \r\n\x1a[true] 1 [[Arial] 1 2 3 4 ] true 2.5 "));
        leser.Lesen(strom);
        EXPECT_TRUE(strom.AmEnde());
        EXPECT_TRUE(strom.ExpectChar(TLoadSave::Dateiende)); // every read at the end yields 26
    }
}

TEST(WertestromDateiende, CtrlZInsideATextEndsIt)
{
    TLoadSave leser;
    leser.OpenReadBytes(std::string("[ab\x1a"
                                    "cd]",
                                    7));
    EXPECT_EQ(leser.ReadText(), "ab");
    EXPECT_TRUE(leser.AmEnde());
}

TEST(WertestromDateiende, NumberEndingAtCtrlZIsComplete)
{
    TLoadSave leser;
    leser.OpenReadBytes(std::string("12\x1a"
                                    "34"));
    EXPECT_EQ(leser.ReadInteger(), 12);
    EXPECT_THROW(leser.ReadInteger(), EConvertError);
}

// --- the stream as a whole ---------------------------------------------------------------

TEST(Wertestrom, ASequenceOfValuesReadsBackInOrder)
{
    TSchrift schrift;
    schrift.Name = "Arial";
    schrift.Stil = TSchrift::Kursiv;
    const std::string bytes = Geschrieben([&](TLoadSave& s) {
        s.WriteText("Zifferbogen 3.1");
        s.WriteLineEnd();
        s.WriteInteger(2);
        s.WriteLineEnd();
        s.WriteText("Rechne!");
        s.WriteText("");
        s.WriteFont(schrift);
        s.WriteFloat(2.5);
        s.WriteBoolean(true);
        s.WriteInteger(-1);
        s.WriteText(". ");
        s.WriteBoolean(false);
    });
    EXPECT_EQ(bytes.substr(0, 24), "[Zifferbogen 3.1]\r\n 2 \r\n");

    TLoadSave leser;
    leser.OpenReadBytes(bytes);
    EXPECT_EQ(leser.ReadText(), "Zifferbogen 3.1");
    EXPECT_EQ(leser.ReadInteger(), 2);
    EXPECT_EQ(leser.ReadText(), "Rechne!");
    EXPECT_EQ(leser.ReadText(), "");
    EXPECT_EQ(leser.ReadFont(), schrift);
    EXPECT_EQ(leser.ReadFloat(), 2.5);
    EXPECT_TRUE(leser.ReadBoolean());
    EXPECT_EQ(leser.ReadInteger(), -1);
    EXPECT_EQ(leser.ReadText(), ". ");
    EXPECT_FALSE(leser.ReadBoolean());
    EXPECT_FALSE(leser.ExpectChar('['));
    EXPECT_TRUE(leser.AmEnde());
}

TEST(Wertestrom, ExpectCharSkipsOnlyBlankCrAndLf)
{
    TLoadSave leser;
    leser.OpenReadBytes(" \r\n]\t]x");
    EXPECT_TRUE(leser.ExpectChar(']'));
    EXPECT_FALSE(leser.ExpectChar(']')); // the tab is the character read
    EXPECT_TRUE(leser.ExpectChar(']'));
    EXPECT_FALSE(leser.ExpectChar('y')); // "x" is consumed although it did not match
    EXPECT_TRUE(leser.AmEnde());
}

TEST(Wertestrom, RefusesTheWrongDirection)
{
    TLoadSave leser;
    leser.OpenReadBytes("[a]");
    EXPECT_THROW(leser.WriteText("b"), EInOutError);
    TLoadSave schreiber;
    schreiber.OpenWriteMemory();
    EXPECT_THROW(schreiber.ReadText(), EInOutError);
    schreiber.Close();
    EXPECT_THROW(schreiber.WriteInteger(1), EInOutError);
}

} // namespace
