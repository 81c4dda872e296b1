// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Windows1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TZeichenpaar {
    const char* Utf8;
    const char* Cp1252;
};

// Characters whose Windows-1252 byte differs from their code point or lies above ASCII.
const TZeichenpaar Zeichenpaare[] = {
    {"ä", "\xE4"}, {"ö", "\xF6"}, {"ü", "\xFC"},        {"Ä", "\xC4"},      {"Ö", "\xD6"}, {"Ü", "\xDC"},
    {"ß", "\xDF"}, {"·", "\xB7"}, {"€", "\x80"},        {"„", "\x84"},      {"“", "\x93"}, {"–", "\x96"},
    {"Ÿ", "\x9F"}, {"ÿ", "\xFF"}, {"\xC2\xA0", "\xA0"}, {"a[\\]", "a[\\]"},
};

TEST(Windows1252, ConvertsEachCharacterBothWays)
{
    for (const auto& paar : Zeichenpaare) {
        EXPECT_EQ(Utf8NachWindows1252(paar.Utf8), paar.Cp1252) << paar.Utf8;
        EXPECT_EQ(Windows1252NachUtf8(paar.Cp1252), paar.Utf8) << paar.Utf8;
    }
}

TEST(Windows1252, ConvertsAWholeText)
{
    const std::string text = "Lösungen: 3 · 4 = 12, Größe 5 €";
    const std::string bytes = Utf8NachWindows1252(text);
    EXPECT_EQ(bytes,
              "L\xF6sungen: 3 \xB7 4 = 12, Gr\xF6\xDF"
              "e 5 \x80");
    EXPECT_EQ(Windows1252NachUtf8(bytes), text);
}

TEST(Windows1252, EveryByteSurvivesReadAndWrite)
{
    std::string alle;
    for (int b = 0; b < 256; ++b) {
        alle += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8NachWindows1252(Windows1252NachUtf8(alle)), alle);
}

TEST(Windows1252, UndefinedBytesReadAsControlCharacters)
{
    EXPECT_EQ(Windows1252NachUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(Windows1252, CharactersOutsideBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8NachWindows1252("Ω"), "?");        // Greek, two bytes
    EXPECT_EQ(Utf8NachWindows1252("a→b"), "a?b");    // three bytes
    EXPECT_EQ(Utf8NachWindows1252("x😀y"), "x?y");    // four bytes
    EXPECT_EQ(Utf8NachWindows1252("\xC2\x80"), "?"); // U+0080 is not the euro sign
}

TEST(Windows1252, InvalidUtf8BytesBecomeQuestionMarks)
{
    const struct {
        const char* Eingabe;
        const char* Erwartet;
    } Faelle[] = {
        {"a\xFF"
         "b",
         "a?b"},       // byte never valid in UTF-8
        {"\xE4", "?"}, // Latin-1 umlaut passed as UTF-8
        {"\xC3", "?"}, // truncated at the end
        {"\xE2\x82"
         "x",
         "??x"},                      // truncated in the middle
        {"\x80", "?"},                // lone continuation byte
        {"\xC0\xAF", "??"},           // overlong "/"
        {"\xED\xA0\x80", "???"},      // surrogate
        {"\xF4\x90\x80\x80", "????"}, // above U+10FFFF
    };
    for (const auto& fall : Faelle) {
        EXPECT_EQ(Utf8NachWindows1252(fall.Eingabe), fall.Erwartet);
    }
}

TEST(Windows1252, NamesEachCharacterThatBecomesAQuestionMarkOnce)
{
    const struct {
        const char* Text;
        std::vector<std::string> Verloren;
    } Faelle[] = {
        {"Größe 5 € · „Rechne!“ ?", {}},
        {"\xC2\x81", {}}, // an undefined byte's control character goes back as that byte
        {"a→b😀c→", {"→", "😀"}},
        {"\xC2\x80Ω", {"\xC2\x80", "Ω"}},
        {"x\xFF\xE4\xFF", {"\xFF", "\xE4"}},
    };
    for (const auto& fall : Faelle)
        EXPECT_EQ(NichtInWindows1252(fall.Text), fall.Verloren) << fall.Text;
}

} // namespace
