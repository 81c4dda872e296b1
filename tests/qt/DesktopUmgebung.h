// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the tests of the desktop program's windows: one application for the whole test
// program (on the offscreen platform), and the program started as a user starts it, its message
// boxes recorded, not shown.

#include "doubles/Meldungsrekorder.h"
#include "qt/binding/Bindung.h"
#include "qt/views/Desktop.h"
#include "qt/views/Hauptfenster.h"
#include "qt/binding/Malflaeche.h"
#include "qt/views/Nebenfenster.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"

#include <QApplication>
#include <QPoint>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

class TDesktopUmgebung final : public ::testing::Environment {
public:
    void SetUp() override { Anwendung = std::make_unique<TAnwendung>(Argc, Argv); }
    void TearDown() override { Anwendung.reset(); }

private:
    inline static char Name[] = "zifferbogen-test";
    inline static char* Argv[] = {Name, nullptr};
    inline static int Argc = 1;
    std::unique_ptr<TAnwendung> Anwendung;
};

inline ::testing::Environment* const DesktopUmgebung = ::testing::AddGlobalTestEnvironment(new TDesktopUmgebung);

// The program as a user starts it: a fixed seed, no standard settings of the user, the given
// printers (none: "PDF (A4)" alone), and the page drawn once, which places the tasks' frames
// the mouse finds.
struct TProgrammlauf {
    explicit TProgrammlauf(std::vector<std::unique_ptr<TDrucker>> drucker = {})
        : D(Meldungen, 7, {}, {}, nullptr, {}, std::move(drucker))
    {
        setenv("XDG_CONFIG_HOME", "/nonexistent-zifferbogen-test", 1);
        D.Starten();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&D.Hauptfenster()));
        Malflaeche().Gemalt = [this] { ++Gemalt; };
        Malen();
    }
    TZeichnen& Z() { return D.Modelle().Zeichnen(); }
    TMainForm& E() { return D.Modelle().Einstellungen(); }
    TBindung& HB() { return D.Hauptfenster().Bindung(); }
    TNebenfenster& N() { return D.Nebenfenster(); }
    TMalflaeche& Malflaeche() { return D.Hauptfenster().Malflaeche(); }
    TSeite& Seite() { return *Z().Seite(); }
    // The paint-box point of a place on the page, in cm.
    QPoint Punkt(double x, double y) { return {Z().Blatt().XGeraet(x, true), Z().Blatt().YGeraet(y, true)}; }
    // The shown tasks, row by row.
    std::vector<TGSAufgabe> Aufgaben()
    {
        std::vector<TGSAufgabe> liste;
        for (const auto& zeile : Seite().GezeigteAufgaben())
            for (const TAufgabe* aufgabe : zeile)
                liste.push_back(aufgabe->Daten);
        return liste;
    }
    // Paints now and waits for nothing else.
    void Malen() { Malflaeche().repaint(); }

    TMeldungsrekorder Meldungen;
    TDesktop D;
    int Gemalt = 0;
};
