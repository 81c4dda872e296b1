#include "app/Aufgabenzeile.h"
#include "app/Kommandozeile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Bedienfehler(const std::vector<std::string>& argumente)
{
    try {
        KommandozeileLesen(argumente);
    } catch (const TBedienfehler& fehler) {
        return fehler.what();
    }
    return {};
}

struct Lauf {
    int Status;
    std::string Aus;
    std::string Fehler;
};

Lauf Ausfuehren(const std::vector<std::string>& argumente)
{
    std::ostringstream aus;
    std::ostringstream fehler;
    const int status = KommandozeileAusfuehren(KommandozeileLesen(argumente), aus, fehler);
    return {status, aus.str(), fehler.str()};
}

std::vector<std::string> Zeilen(const std::string& text)
{
    std::vector<std::string> zeilen;
    std::istringstream strom(text);
    for (std::string zeile; std::getline(strom, zeile);)
        zeilen.push_back(zeile);
    return zeilen;
}

TEST(Kommandozeile, ReadsOptionsInBothFormsAndTheFileAnywhere)
{
    const auto auftrag = KommandozeileLesen({"--seed", "7", "blatt.zfb", "--tasks=12"});
    EXPECT_EQ(auftrag.Startwert, 7u);
    EXPECT_EQ(auftrag.Aufgaben, 12);
    EXPECT_EQ(auftrag.Datei, "blatt.zfb");
    EXPECT_TRUE(auftrag.Kopflos());
    EXPECT_FALSE(KommandozeileLesen({"blatt.zfb"}).Kopflos());
}

TEST(Kommandozeile, RefusesBadUsageWithAGermanMessageNamingIt)
{
    EXPECT_NE(Bedienfehler({"--gibtsnicht"}).find("Unbekannte Option: --gibtsnicht"), std::string::npos);
    EXPECT_NE(Bedienfehler({"--tasks", "-3"}).find("--tasks"), std::string::npos);
    EXPECT_NE(Bedienfehler({"--tasks", "zwölf"}).find("zwölf"), std::string::npos);
    EXPECT_NE(Bedienfehler({"--seed"}).find("fehlt"), std::string::npos);
    EXPECT_NE(Bedienfehler({"--seed", "4294967296"}).find("--seed"), std::string::npos);
    EXPECT_NE(Bedienfehler({"--pool", "--tasks", "3"}).find("nicht zusammen"), std::string::npos);
    EXPECT_NE(Bedienfehler({"a.zfb", "b.zfb"}).find("nur eine Datei"), std::string::npos);
    EXPECT_NE(Bedienfehler({"--pool=1"}).find("keinen Wert"), std::string::npos);
}

TEST(Kommandozeile, VersionAndHelpAreGerman)
{
    EXPECT_EQ(Ausfuehren({"--version"}).Aus, "Version 3.1 vom 16.12.2006\n");
    const auto hilfe = Ausfuehren({"--help"});
    EXPECT_EQ(hilfe.Status, StatusFertig);
    EXPECT_NE(hilfe.Aus.find("Aufruf: zifferbogen"), std::string::npos);
}

TEST(Kommandozeile, TheSameSeedGivesTheSamePoolAndAnotherSeedAnother)
{
    const auto a = Ausfuehren({"--seed", "11", "--pool"});
    const auto b = Ausfuehren({"--seed", "11", "--pool"});
    const auto c = Ausfuehren({"--seed", "12", "--pool"});
    EXPECT_EQ(a.Status, StatusFertig);
    EXPECT_EQ(a.Aus, b.Aus);
    EXPECT_NE(a.Aus, c.Aus);
}

TEST(Kommandozeile, ThePoolOfTheStandardSettingsHoldsTimesTableTasks)
{
    const auto lauf = Ausfuehren({"--seed", "3", "--pool"});
    const auto zeilen = Zeilen(lauf.Aus);
    // Products m · k with both factors 1..10: a hundred distinct tasks are possible and
    // a thousand attempts find nearly all of them.
    ASSERT_GE(zeilen.size(), 90u);
    ASSERT_LE(zeilen.size(), 100u);
    for (const auto& zeile : zeilen) {
        int a = 0, zeichen = 0, b = 0, ergebnis = 0, rest = 0, platzhalter = 0;
        ASSERT_EQ(std::sscanf(zeile.c_str(), "%d\t%d\t%d\t%d\t%d\t%d", &a, &zeichen, &b, &ergebnis, &rest, &platzhalter), 6) << zeile;
        EXPECT_EQ(zeichen, 2);
        EXPECT_TRUE(a >= 1 && a <= 10 && b >= 1 && b <= 10) << zeile;
        EXPECT_EQ(ergebnis, a * b);
        EXPECT_EQ(platzhalter, 3);
        EXPECT_EQ(zeile.back(), '\t') << "no error message expected: " << zeile;
    }
}

TEST(Kommandozeile, TasksAreHandedOutInPoolOrderFirst)
{
    const auto vorrat = Zeilen(Ausfuehren({"--seed", "5", "--pool"}).Aus);
    const auto aufgaben = Zeilen(Ausfuehren({"--seed", "5", "--tasks", "250"}).Aus);
    ASSERT_EQ(aufgaben.size(), 250u);
    ASSERT_LT(vorrat.size(), aufgaben.size());
    for (std::size_t i = 0; i < vorrat.size(); ++i)
        EXPECT_EQ(aufgaben[i], vorrat[i]);
}

TEST(Aufgabenzeile, WritesTheFieldsTabSeparatedWithThePatternUnitsFirst)
{
    TGSAufgabe aufgabe;
    aufgabe.Operand1 = 12;
    aufgabe.Rechenzeichen = 1;
    aufgabe.Operand2 = 345;
    aufgabe.Ergebnis = -333;
    aufgabe.Platzhalter = 2;
    aufgabe.Gespenstermuster = {2, 0, 1, 2, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(Aufgabenzeile(aufgabe), "12\t1\t345\t-333\t0\t2\t2012\t");

    aufgabe.Fehlermeldung = "Keine Aufgabenart angewählt.";
    EXPECT_EQ(Aufgabenzeile(aufgabe), "12\t1\t345\t-333\t0\t2\t2012\tKeine Aufgabenart angewählt.");
}

} // namespace
